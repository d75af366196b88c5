#include "competition/replaysfile.h"

#include "common/filewriting.h"
#include "common/programfolder.h"

#include <QLockFile>

#include <functional>

namespace {

// Another copy holds the lock for one small rewrite; a copy that died holding it is noticed
// at once.
constexpr int lockwait = 1000;

QString replayspath() {
    return ::apppath() + replaysfilename;
}

ReplaysRead readbook(QByteArray& bytes) {
    ReplaysRead read;
    const FileRead file = readfile(replayspath(), largestreplays, bytes);
    if (file.missing())
        return read;
    if (!file.ok()) {
        read.trouble = file.message(replaysfilename);
        return read;
    }
    int badline = 0;
    if (std::optional<ReplayBook> book = readreplays(bytes, badline))
        read.book = *book;
    else
        read.trouble = damagedline(replaysfilename, badline);
    return read;
}

struct Changed {
    bool written = false;
    QString said; // what the player should be told, empty when all went well
};

// Changes the book as the file holds it now and writes it back.
Changed changebook(const std::function<void(ReplayBook&)>& change) {
    QLockFile lock(::apppath() + QStringLiteral(".") + replaysfilename + QStringLiteral(".lock"));
    if (!lock.tryLock(lockwait))
        return {false,
                QStringLiteral("%1 could not be written: another copy of the game kept it busy.")
                    .arg(replaysfilename)};
    QByteArray bytes;
    ReplaysRead read = readbook(bytes);
    Changed changed;
    if (!read.trouble.isEmpty()) {
        // A damaged file is set aside for the player, never written over; one that could not
        // be read at all is left as it is.
        const QString aside = bytes.isEmpty() ? QString() : keepdamaged(replayspath(), bytes);
        if (aside.isEmpty())
            return {false, read.trouble.chopped(1) + QStringLiteral(", so it was left as it is.")};
        changed.said =
            read.trouble + QStringLiteral(" It is kept as %1, and a new one begun.").arg(aside);
    }
    change(read.book);
    changed.written = replacefile(replayspath(), replaysbytes(read.book));
    if (!changed.written)
        changed.said = QStringLiteral("%1 could not be written.").arg(replaysfilename);
    return changed;
}

} // namespace

ReplaysRead loadreplays() {
    QByteArray bytes;
    return readbook(bytes);
}

KeptRace keepreplay(const Replay& race) {
    KeptRace kept;
    const Changed changed = changebook([&kept, &race](ReplayBook& book) {
        kept.before = book.bestof(race.level);
        kept.newbest = book.add(race);
    });
    kept.kept = changed.written;
    kept.trouble = changed.said;
    return kept;
}

QString keepshowbest(bool show) {
    return changebook([show](ReplayBook& book) { book.showbest = show; }).said;
}
