#include "battledisk/diskghost.h"

#include "battledisk/battledisk.h"
#include "common/bytelines.h"
#include "common/filewriting.h"
#include "common/number.h"
#include "common/textfile.h"
#include "competition/replaysfile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
constexpr char tag[] = "keystrider-ghost";
constexpr int version = 1;
// A name as long as a name prompt takes, and then some.
constexpr qsizetype longestname = 1024;
} // namespace

QString shownname(QString name) {
    // A control character shows as a box or nothing, and a NUL ends the name a screen reader
    // hears: each is shown, and heard, as the replacement character.
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return name;
}

DiskGhost ghostof(const QString& playername, const ReplayBook& book) {
    return {diskname(playername), book.best};
}

QByteArray ghostbytes(const DiskGhost& ghost) {
    QByteArray out = LineWriter()
                         .text(QString::fromLatin1(tag))
                         .number(version)
                         .text(quotabletext(ghost.name))
                         .line();
    for (const std::optional<Replay>& best : ghost.best) {
        if (best)
            out += replayline(QStringLiteral("best"), *best);
    }
    return out;
}

std::optional<DiskGhost> readghost(QByteArrayView bytes, int& badline) {
    badline = 1;
    QByteArrayView line;
    if (!nextline(bytes, line))
        return std::nullopt;
    FieldReader header(line.toByteArray());
    QString name;
    QString number;
    std::int64_t read = 0;
    DiskGhost ghost;
    bool cut = false;
    if (!header.next(name) || name != QLatin1String(tag) || !header.next(number) ||
        filenumber(number, version, version, read) != FileNumber::Whole ||
        !header.next(ghost.name, longestname, cut) || cut || !header.atend())
        return std::nullopt;
    ghost.name = shownname(ghost.name);
    while (nextline(bytes, line)) {
        ++badline;
        QString kind;
        const std::optional<Replay> replay = readreplayline(line, kind);
        if (!replay || kind != QLatin1String("best") || !withinarace(*replay))
            return std::nullopt;
        std::optional<Replay>& slot = ghost.best.at(static_cast<std::size_t>(replay->level));
        if (slot)
            return std::nullopt;
        slot = *replay;
    }
    badline = 0;
    return ghost;
}

QString ghostpath(const QString& diskpath) {
    const QFileInfo disk(diskpath);
    return diskpath.left(diskpath.size() - disk.fileName().size()) + ghostfilename;
}

std::optional<DiskGhost> readghostfile(const QString& path, QString& trouble) {
    trouble.clear();
    removeunfinishedreplace(path);
    QByteArray bytes;
    const FileRead read = readfile(path, largestghost, bytes, Links::Refuse);
    if (!read.ok()) {
        if (!read.missing())
            trouble = read.message(ghostfilename);
        return std::nullopt;
    }
    int badline = 0;
    std::optional<DiskGhost> ghost = readghost(bytes, badline);
    if (!ghost)
        trouble = damagedline(ghostfilename, badline);
    return ghost;
}

bool writeghostfile(const QString& path, const DiskGhost& ghost, QString& trouble) {
    trouble.clear();
    removeunfinishedreplace(path);
    const ReadFault refused = replaceable(path, Links::Refuse);
    if (refused != ReadFault::None) {
        trouble = QCoreApplication::translate("BattleDisk", "%1 was not written: %2.")
                      .arg(ghostfilename, FileRead{refused, 0, largestghost}.reason());
        return false;
    }
    int error = 0;
    if (!replacefile(path, ghostbytes(ghost), Links::Refuse, error)) {
        trouble = writefault(ghostfilename, error);
        return false;
    }
    return true;
}

QString putghostondisk(const QString& diskpath, const QString& playername) {
    const ReplaysRead own = loadreplays();
    QString trouble = own.trouble;
    if (trouble.isEmpty())
        writeghostfile(ghostpath(diskpath), ghostof(playername, own.book), trouble);
    return trouble.isEmpty()
               ? QString()
               : QCoreApplication::translate("BattleDisk", "Your best races are not on it: %1")
                     .arg(trouble);
}
