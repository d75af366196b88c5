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

void disknotfound() {
    msgbox(QStringLiteral("Diskette not found!"), MsgIcon::Error, QStringLiteral("Error"));
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
    if (!path ||
        !writediskfile(*path, {career->playername(), career->money(), career->training()})) {
        disknotfound();
        return;
    }
    done(QStringLiteral("KVR Battle Disk Created!"));
}

// The owner takes the disk character's money back; the training on the disk is not used.
void Form1::updatefromdisk() {
    const std::optional<QString> path = askdiskpath();
    const std::optional<BattleDisk> disk = path ? readdiskfile(*path) : std::nullopt;
    if (!disk) {
        disknotfound();
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
    const std::optional<BattleDisk> disk = path ? readdiskfile(*path) : std::nullopt;
    if (!disk) {
        disknotfound();
        return;
    }
    if (isowndisk(*disk, career->playername())) {
        wrongdisk();
        return;
    }
    const DuelOutcome outcome = duel(career->training(), career->money(), *disk);
    if (!writediskfile(*path, outcome.disk)) {
        disknotfound();
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
