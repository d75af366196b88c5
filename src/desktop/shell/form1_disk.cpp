// The Two Playes menu: the career carried on a battle disk, and the duel against a friend's.
#include "career/career.h"
#include "shell/form1.h"

#include "battledisk/diskcommands.h"
#include "battledisk/frmdisk.h"
#include "common/dialogs.h"
#include "common/sidewindow.h"
#include "competition/frmcars.h"

#include <QCoreApplication>

namespace {

// The one prompt of all the disk commands, under the creation's title, with a folder chooser
// beside the box.
QString askdiskpath() {
    return folderbox(
        QCoreApplication::translate("Form1", "Enter diskette drive letter (eg. a:\\) :"),
        QCoreApplication::translate("Form1", "Create KVR Competition Disk"));
}

// What was wrong with a disk found, when there is more to say, follows the game's own words.
void disknotfound(const QString& trouble = QString()) {
    const QString text = QCoreApplication::translate("Form1", "Diskette not found!");
    msgbox(trouble.isEmpty() ? text : text + QStringLiteral("\n\n") + trouble, MsgIcon::Error,
           QCoreApplication::translate("Form1", "Error"));
}

// Tells the player why a disk command did nothing; true when it was done.
bool diskdone(const DiskResult& result) {
    switch (result.outcome) {
    case DiskOutcome::NoDisk:
        disknotfound(result.trouble);
        return false;
    case DiskOutcome::WrongDisk:
        msgbox(QCoreApplication::translate("Form1", "Wrong KVR Battle Disk!"), MsgIcon::Error,
               QCoreApplication::translate("Form1", "Error"));
        return false;
    case DiskOutcome::Done:
        break;
    }
    return true;
}

// Anything more to say follows the game's own words.
void done(const QString& text, const QString& more = QString()) {
    msgbox(more.isEmpty() ? text : text + QStringLiteral("\n\n") + more, MsgIcon::Information,
           QCoreApplication::translate("Form1", "Done"));
}

} // namespace

void Form1::createbattledisk() {
    const DiskResult made = DiskCommands(*career).create(askdiskpath());
    if (diskdone(made))
        done(tr("KVR Battle Disk Created!"), made.more);
}

void Form1::updatefromdisk() {
    if (diskdone(DiskCommands(*career).update(askdiskpath())))
        done(tr("Status Updated!"));
}

void Form1::fightbattledisk() {
    const DiskResult fought = DiskCommands(*career).fight(askdiskpath());
    if (!diskdone(fought))
        return;
    frmdisk* race = sidewindow(diskwindow, this);
    if (fought.playerwon)
        race->mewin();
    else
        race->diskwin();
}

// A friendly race against the disk typist's best: nothing of either career changes.
void Form1::racediskbest() {
    const FriendlyRace race = DiskCommands(*career).friendlyrace(askdiskpath());
    switch (race.outcome) {
    case FriendlyRaceOutcome::NoDisk:
        disknotfound(race.trouble);
        return;
    case FriendlyRaceOutcome::Refused:
        msgbox(race.trouble, MsgIcon::Error, tr("Error"));
        return;
    case FriendlyRaceOutcome::NoRace:
        msgbox(QCoreApplication::translate(
                   "Form1", "The typist on this disk has no race to race: the disk was made "
                            "before they finished one, or by an older copy of the game."),
               MsgIcon::Information, tr("Friendly Race"));
        return;
    case FriendlyRaceOutcome::Ready:
        break;
    }
    sidewindow(friendlyracewindow, this, static_cast<Career*>(nullptr))->racefriend(*race.ghost);
}
