#include "coach/placekeeper.h"

#include "common/filewriting.h"
#include "common/number.h"
#include "common/programfolder.h"

#include <QCoreApplication>
#include <QUrl>

#include <limits>

// The place file: one line per text, its path percent-encoded in quotes, then the place:
// "%2Fhome%2Fzoe%2Fbook.txt",12 and CR LF. Encoded, any path fits in plain ASCII.
namespace {

// A path is compared as the bytes its line encodes: a name that begins with a byte order mark,
// or that no editor wrote as UTF-8, is then matched or kept exactly as it is.
QByteArray pathkey(const QString& path) {
    return path.toUtf8();
}

bool readentry(QByteArrayView line, PlaceFile::Entry& entry) {
    const qsizetype close = line.lastIndexOf("\",");
    if (!line.startsWith('"') || close < 1)
        return false;
    if (filenumber(line.sliced(close + 2), 0, std::numeric_limits<std::int64_t>::max(),
                   entry.place) != FileNumber::Whole)
        return false;
    entry.path = QByteArray::fromPercentEncoding(line.sliced(1, close - 1).toByteArray());
    entry.line = line.toByteArray();
    return !entry.path.isEmpty();
}

QByteArray entryline(const QString& path, std::int64_t place) {
    return '"' + QUrl::toPercentEncoding(path) + "\"," +
           QByteArray::number(static_cast<qlonglong>(place));
}

} // namespace

PlaceFile readplacefile(QByteArrayView bytes) {
    PlaceFile file;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* stop = p;
        while (stop < end && *stop != '\r' && *stop != '\n')
            ++stop;
        const QByteArrayView line(p, stop);
        p = stop < end && *stop == '\r' && stop + 1 < end && stop[1] == '\n' ? stop + 2 : stop + 1;
        if (line.trimmed().isEmpty())
            continue;
        // A last line with no line end was cut, and its place may have lost digits.
        PlaceFile::Entry entry;
        if (stop < end && !line.contains('\0') && readentry(line, entry))
            file.entries.append(std::move(entry));
        else
            file.damaged.append(line.toByteArray());
    }
    return file;
}

std::int64_t PlaceFile::placeof(const QString& path) const {
    const QByteArray key = pathkey(path);
    for (qsizetype i = entries.size() - 1; i >= 0; --i)
        if (entries[i].path == key)
            return entries[i].place;
    return 0;
}

void PlaceFile::setplace(const QString& path, std::int64_t place) {
    const QByteArray key = pathkey(path);
    // Earlier entries for the text said what this one now says.
    entries.removeIf([&key](const Entry& e) { return e.path == key; });
    entries.append({key, place, entryline(path, place)});
}

QByteArray PlaceFile::bytes() const {
    QByteArray out;
    for (const Entry& entry : entries)
        out += entry.line + "\r\n";
    return out;
}

std::int64_t placeof(const QString& path) {
    QByteArray bytes;
    if (!readfile(::apppath() + placefilename, largestplacefile, bytes).ok())
        return 0;
    return readplacefile(bytes).placeof(path);
}

QString keepplace(const QString& path, std::int64_t sentence) {
    return keepplace(::apppath(), path, sentence);
}

const SettingsFile& placesfile() {
    static const SettingsFile file{
        placefilename, largestplacefile,
        QCoreApplication::translate("PlaceKeeper", "where you stop in this text is not kept"),
        [](QByteArrayView bytes) {
            return readplacefile(bytes).damaged.isEmpty() ? Reading::Whole : Reading::Damaged;
        }};
    return file;
}

QString keepplace(const QString& folder, const QString& path, std::int64_t sentence) {
    const QString where = folder + placefilename;
    QByteArray bytes;
    const FileRead read = readfile(where, largestplacefile, bytes);
    PlaceFile file = read.ok() ? readplacefile(bytes) : PlaceFile();
    // Every other text's place is kept as it was, and a damaged file is set aside first.
    const SettingsWrite clear =
        beforewriting(placesfile(), where, read,
                      file.damaged.isEmpty() ? Reading::Whole : Reading::Damaged, bytes);
    if (!clear.written)
        return clear.said;
    file.setplace(path, sentence);
    if (!replacefile(where, file.bytes()))
        return (clear.said + QLatin1Char(' ') + notwritten(placesfile())).trimmed();
    return clear.said;
}

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
