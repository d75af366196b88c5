#include "competition/replaysfile.h"

#include "common/filewriting.h"
#include "common/programfolder.h"

#include <QCoreApplication>
#include <QLockFile>

#include <functional>

namespace {

// Another copy holds the lock for one small rewrite; a copy that died holding it is noticed
// at once.
constexpr int lockwait = 1000;

QString replayspath() {
    return ::apppath() + replaysfilename;
}

// How the file read, beside the book: what a change needs to follow the rule of the settings
// files before it writes.
struct BookRead {
    ReplaysRead read;
    FileRead file;
    Reading reading = Reading::Whole;
};

BookRead readbook(QByteArray& bytes) {
    BookRead book;
    book.file = readfile(replayspath(), largestreplays, bytes);
    if (!book.file.ok() || holdsnothing(bytes)) {
        if (!book.file.ok() && !book.file.missing())
            book.read.trouble = book.file.message(replaysfilename);
        return book;
    }
    int badline = 0;
    book.reading = readreplays(bytes, book.read.book, badline);
    // A damaged file is told of when the next race sets it aside; one a newer copy wrote now,
    // as no race is kept in it.
    if (book.reading == Reading::Newer)
        book.read.trouble =
            beforewriting(replaysfile(), QString(), book.file, book.reading, {}).said;
    return book;
}

struct Changed {
    bool written = false;
    QString said; // what the player should be told, empty when all went well
};

// Changes the book as the file holds it now and writes it back.
Changed changebook(const std::function<void(ReplayBook&)>& change) {
    QLockFile lock(::apppath() + QStringLiteral(".") + replaysfilename + QStringLiteral(".lock"));
    if (!lock.tryLock(lockwait))
        return {false, QCoreApplication::translate(
                           "ReplaysFile",
                           "%1 could not be written: another copy of the game kept it busy.")
                           .arg(replaysfilename)};
    QByteArray bytes;
    BookRead read = readbook(bytes);
    const SettingsWrite clear =
        beforewriting(replaysfile(), replayspath(), read.file, read.reading, bytes);
    if (!clear.written)
        return {false, clear.said};
    change(read.read.book);
    Changed changed{replacefile(replayspath(), replaysbytes(read.read.book)), clear.said};
    if (!changed.written)
        changed.said = (changed.said + QLatin1Char(' ') + notwritten(replaysfile())).trimmed();
    return changed;
}

} // namespace

const SettingsFile& replaysfile() {
    static const SettingsFile file{
        replaysfilename, largestreplays,
        QCoreApplication::translate("ReplaysFile", "your replays stay as they were"),
        [](QByteArrayView bytes) {
            ReplayBook scratch;
            int badline = 0;
            return readreplays(bytes, scratch, badline);
        }};
    return file;
}

ReplaysRead loadreplays() {
    QByteArray bytes;
    return readbook(bytes).read;
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
