#include "battledisk/battledisk.h"

#include "common/filewriting.h"
#include "common/number.h"
#include "common/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

std::optional<QString> diskpath(const QString& answer) {
    const QString file = QStringLiteral("battle.dat");
    if (answer.isEmpty())
        return file;
    QString folder = answer;
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder.replace(0, 1, QDir::homePath());
    // "/media/usb" or "~/disk" is a folder the two players share: the disk lies inside it.
    if (!QFileInfo(folder).isDir())
        return std::nullopt;
    return folder.endsWith(QLatin1Char('/')) ? folder + file : folder + QLatin1Char('/') + file;
}

QString diskname(const QString& playername) {
    return fromwindows1252(towindows1252(quotabletext(playername)));
}

bool isowndisk(const BattleDisk& disk, const QString& playername) {
    return disk.name == diskname(playername);
}

QByteArray diskbytes(const BattleDisk& disk) {
    return LineWriter().text(quotabletext(disk.name)).line() +
           LineWriter().number(disk.money).line() + LineWriter().number(disk.training).line();
}

std::optional<BattleDisk> readdisk(const QByteArray& bytes) {
    FieldReader reader(bytes);
    QString name;
    QString money;
    QString training;
    if (!reader.next(name) || !reader.next(money) || !reader.next(training))
        return std::nullopt;
    // Read whole or refused: "12abc" or "1e3" must not pass as a number the way a label's text
    // would.
    BattleDisk disk{name, 0, 0};
    if (filenumber(money, disk.money) != FileNumber::Whole ||
        filenumber(training, disk.training) != FileNumber::Whole)
        return std::nullopt;
    return disk;
}

std::optional<BattleDisk> readdiskfile(const QString& path, QString& trouble) {
    trouble.clear();
    // A copy killed while writing the disk left the player's name and money beside it.
    removeunfinishedreplace(path);
    QByteArray bytes;
    const FileRead read = readfile(path, largestdisk, bytes, Links::Refuse);
    if (!read.ok()) {
        if (!read.missing())
            trouble = read.message(QFileInfo(path).fileName());
        return std::nullopt;
    }
    return readdisk(bytes);
}

std::optional<BattleDisk> readdiskfile(const QString& path) {
    QString trouble;
    return readdiskfile(path, trouble);
}

bool writediskfile(const QString& path, const BattleDisk& disk, QString& trouble) {
    trouble.clear();
    removeunfinishedreplace(path);
    const ReadFault refused = replaceable(path, Links::Refuse);
    if (refused != ReadFault::None) {
        trouble = QCoreApplication::translate("BattleDisk", "%1 was not written: %2.")
                      .arg(QFileInfo(path).fileName(), FileRead{refused, 0, largestdisk}.reason());
        return false;
    }
    int error = 0;
    if (replacefile(path, diskbytes(disk), Links::Refuse, error))
        return true;
    trouble = writefault(QFileInfo(path).fileName(), error);
    return false;
}

bool writediskfile(const QString& path, const BattleDisk& disk) {
    QString trouble;
    return writediskfile(path, disk, trouble);
}
