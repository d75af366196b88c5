// The Two Playes menu: the career carried on a battle disk, and the duel against a friend's.
#include "career/career.h"
#include "career/form1.h"

#include "battledisk/battledisk.h"
#include "battledisk/frmdisk.h"
#include "common/dialogs.h"
#include "common/sidewindow.h"

namespace {

// The one prompt of all three disk commands, under the creation's title. Nothing when the
// answer names no folder: the command then finds no diskette.
std::optional<QString> askdiskpath() {
    return diskpath(inputbox(QStringLiteral("Enter diskette drive letter (eg. a:\\) :"),
                             QStringLiteral("Create KVR Competition Disk")));
}

// What was wrong with a disk found, when there is more to say, follows the game's own words.
void disknotfound(const QString& trouble = QString()) {
    const QString text = QStringLiteral("Diskette not found!");
    msgbox(trouble.isEmpty() ? text : text + QStringLiteral("\n\n") + trouble, MsgIcon::Error,
           QStringLiteral("Error"));
}

// Tells the player why a disk command did nothing; true when it was done.
bool diskdone(const DiskResult& result) {
    switch (result.outcome) {
    case DiskOutcome::NoDisk:
        disknotfound(result.trouble);
        return false;
    case DiskOutcome::WrongDisk:
        msgbox(QStringLiteral("Wrong KVR Battle Disk!"), MsgIcon::Error, QStringLiteral("Error"));
        return false;
    case DiskOutcome::Done:
        break;
    }
    return true;
}

void done(const QString& text) {
    msgbox(text, MsgIcon::Information, QStringLiteral("Done"));
}

} // namespace

void Form1::createbattledisk() {
    const std::optional<QString> path = askdiskpath();
    QString trouble;
    if (!path || !writediskfile(*path, career->disk(), trouble)) {
        disknotfound(trouble);
        return;
    }
    done(QStringLiteral("KVR Battle Disk Created!"));
}

void Form1::updatefromdisk() {
    const std::optional<QString> path = askdiskpath();
    if (diskdone(path ? career->takeback(*path) : DiskResult{}))
        done(QStringLiteral("Status Updated!"));
}

void Form1::fightbattledisk() {
    const std::optional<QString> path = askdiskpath();
    const DiskResult fought = path ? career->duel(*path) : DiskResult{};
    if (!diskdone(fought))
        return;
    frmdisk* race = sidewindow(diskwindow, this);
    if (fought.playerwon)
        race->mewin();
    else
        race->diskwin();
}
