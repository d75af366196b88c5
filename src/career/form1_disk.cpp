#include "career/career.h"
#include "career/form1.h"

#include "battledisk/battledisk.h"
#include "battledisk/duel.h"
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

void wrongdisk() {
    msgbox(QStringLiteral("Wrong KVR Battle Disk!"), MsgIcon::Error, QStringLiteral("Error"));
}

void done(const QString& text) {
    msgbox(text, MsgIcon::Information, QStringLiteral("Done"));
}

} // namespace

void Form1::createbattledisk() {
    const std::optional<QString> path = askdiskpath();
    QString trouble;
    if (!path || !writediskfile(*path, {career->playername(), career->money(), career->training()},
                                trouble)) {
        disknotfound(trouble);
        return;
    }
    done(QStringLiteral("KVR Battle Disk Created!"));
}

// The owner takes the disk character's money back; the training on the disk is not used.
void Form1::updatefromdisk() {
    const std::optional<QString> path = askdiskpath();
    QString trouble;
    const std::optional<BattleDisk> disk = path ? readdiskfile(*path, trouble) : std::nullopt;
    if (!disk) {
        disknotfound(trouble);
        return;
    }
    if (!isowndisk(*disk, career->playername())) {
        wrongdisk();
        return;
    }
    career->setmoney(disk->money);
    updatestatus();
    done(QStringLiteral("Status Updated!"));
}

// The disk is rewritten before anything else changes: a disk that cannot take the new money
// leaves both careers as they were and no race starts.
void Form1::fightbattledisk() {
    const std::optional<QString> path = askdiskpath();
    QString trouble;
    const std::optional<BattleDisk> disk = path ? readdiskfile(*path, trouble) : std::nullopt;
    if (!disk) {
        disknotfound(trouble);
        return;
    }
    if (isowndisk(*disk, career->playername())) {
        wrongdisk();
        return;
    }
    const DuelOutcome outcome = duel(career->training(), career->money(), *disk);
    if (!writediskfile(*path, outcome.disk, trouble)) {
        disknotfound(trouble);
        return;
    }
    frmdisk* race = sidewindow(diskwindow, this);
    if (outcome.winner == DuelWinner::Player)
        race->mewin();
    else
        race->diskwin();
    career->setmoney(outcome.playermoney);
    updatestatus();
}
