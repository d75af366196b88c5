// The Two Playes menu: the career carried on a battle disk, and the duel against a friend's.
#include "career/career.h"
#include "shell/form1.h"

#include "battledisk/battledisk.h"
#include "battledisk/diskghost.h"
#include "battledisk/frmdisk.h"
#include "common/dialogs.h"
#include "common/sidewindow.h"
#include "competition/frmcars.h"

#include <algorithm>

namespace {

// The one prompt of all three disk commands, under the creation's title, with a folder chooser
// beside the box. Nothing when the answer names no folder: the command then finds no diskette.
std::optional<QString> askdiskpath() {
    return diskpath(folderbox(QStringLiteral("Enter diskette drive letter (eg. a:\\) :"),
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

// Anything more to say follows the game's own words.
void done(const QString& text, const QString& more = QString()) {
    msgbox(more.isEmpty() ? text : text + QStringLiteral("\n\n") + more, MsgIcon::Information,
           QStringLiteral("Done"));
}

} // namespace

void Form1::createbattledisk() {
    const std::optional<QString> path = askdiskpath();
    QString trouble;
    if (!path || !writediskfile(*path, career->disk(), trouble)) {
        disknotfound(trouble);
        return;
    }
    // The player's best races go with the career, for a friend to race.
    done(QStringLiteral("KVR Battle Disk Created!"), putghostondisk(*path, career->playername()));
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

// A friendly race against the disk typist's best: nothing of either career changes.
void Form1::racediskbest() {
    const std::optional<QString> path = askdiskpath();
    if (!path) {
        disknotfound();
        return;
    }
    QString trouble;
    const std::optional<DiskGhost> ghost = readghostfile(ghostpath(*path), trouble);
    if (!trouble.isEmpty()) {
        msgbox(trouble, MsgIcon::Error, QStringLiteral("Error"));
        return;
    }
    if (!ghost) {
        QString nodisk;
        if (!readdiskfile(*path, nodisk)) {
            disknotfound(nodisk);
            return;
        }
    }
    if (!ghost ||
        std::none_of(ghost->best.cbegin(), ghost->best.cend(),
                     [](const std::optional<Replay>& best) { return best.has_value(); })) {
        msgbox(QStringLiteral("The typist on this disk has no race to race: the disk was made "
                              "before they finished one, or by an older copy of the game."),
               MsgIcon::Information, QStringLiteral("Friendly Race"));
        return;
    }
    sidewindow(friendlyracewindow, this, static_cast<Career*>(nullptr))->racefriend(*ghost);
}
