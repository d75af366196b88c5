#include "coach/placekeeper.h"

#include "coach/owntext.h"
#include "common/programfolder.h"

PlaceKeeper::PlaceKeeper(QObject* parent) : QObject(parent) {
    writer.setMaxThreadCount(1);
}

PlaceKeeper::~PlaceKeeper() {
    writer.waitForDone();
}

std::int64_t PlaceKeeper::placeof(const QString& path) const {
    const auto it = places.constFind(path);
    return it != places.cend() ? *it : ::placeof(path);
}

void PlaceKeeper::moved(const QString& path, std::int64_t place) {
    places.insert(path, place);
    if (++unwritten[path] >= sentencesperwrite)
        write();
}

void PlaceKeeper::write() {
    // The program folder is set on this thread, so it is taken before the write leaves it.
    const QString folder = ::apppath();
    for (auto it = unwritten.cbegin(); it != unwritten.cend(); ++it) {
        const QString path = it.key();
        const std::int64_t place = places.value(path);
        // The keeper outlives every write (its end waits for them); what a write says waits
        // as an event, which goes with the keeper if it goes first.
        writer.start([this, folder, path, place] {
            const QString words = keepplace(folder, path, place);
            if (!words.isEmpty())
                QMetaObject::invokeMethod(
                    this, [this, words] { emit said(words); }, Qt::QueuedConnection);
        });
    }
    unwritten.clear();
}

void PlaceKeeper::finishwriting() {
    writer.waitForDone();
}
