#include "battledisk/frmdisk.h"

#include "battledisk/duel.h"
#include "common/clock.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/layout.h"
#include "common/random.h"
#include "sound/sounds.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace {

QLineEdit* lane(QWidget* parent, const char* name, const QString& description, int top,
                int height) {
    auto* box = placed(new QLineEdit(parent), name, 120, top, 4215, height);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(9);
    box->setFont(fixed);
    box->setReadOnly(true);
    box->setAccessibleName(description);
    return box;
}

QTimer* racetimer(QObject* parent, const char* name, int interval) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    return timer;
}

} // namespace

frmdisk::frmdisk(QWidget* parent) : QWidget(parent) {
    setupsidewindow(this, "frmdisk", tr("KVR Battle Disk Competition"));
    closeonescape(this);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    Label1 = placed(new QLabel(tr("You:"), this), "Label1", 120, 120, 975, 255);
    txtme = lane(this, "txtme", tr("You"), 480, 330);
    Label2 = placed(new QLabel(tr("Disk Character:"), this), "Label2", 120, 960, 1815, 255);
    txtdisk = lane(this, "txtdisk", tr("Disk Character"), 1200, 375);
    Label1->setBuddy(txtme);
    Label2->setBuddy(txtdisk);

    mewin1 = racetimer(this, "mewin1", 100);
    mewin2 = racetimer(this, "mewin2", 120);
    diskwin1 = racetimer(this, "diskwin1", 100);
    diskwin2 = racetimer(this, "diskwin2", 120);
    connect(mewin1, &QTimer::timeout, this, &frmdisk::mewin1_Timer);
    connect(mewin2, &QTimer::timeout, this, &frmdisk::mewin2_Timer);
    connect(diskwin1, &QTimer::timeout, this, &frmdisk::diskwin1_Timer);
    connect(diskwin2, &QTimer::timeout, this, &frmdisk::diskwin2_Timer);

    setFixedSize(twips(4680), twips(1770));
    centreonscreen(this);
}

void frmdisk::mewin() {
    shower();
    mewin1->start();
    mewin2->start();
}

void frmdisk::diskwin() {
    shower();
    diskwin1->start();
    diskwin2->start();
}

void frmdisk::shower() {
    showtofront(this);
}

void frmdisk::ender() {
    hide();
}

void frmdisk::mewon() {
    playsound(Sound::DuelWon);
    endrace(mewin2, mewin1, tr("I won! Thanks for the $25, disk character!"));
}

void frmdisk::diskwon() {
    playsound(Sound::DuelLost);
    endrace(diskwin2, diskwin1, tr("Disk character won! Thanks for the $25!"));
}

// Both timers stop before the message, so a tick while it is open cannot end the race again.
void frmdisk::endrace(QTimer* slow, QTimer* fast, const QString& message) {
    slow->stop();
    fast->stop();
    msgbox(message, MsgIcon::Exclamation, tr("WOW!"));
    ender();
}

void frmdisk::mewin1_Timer() {
    racetick(txtme, txtme, &frmdisk::mewon);
}

void frmdisk::mewin2_Timer() {
    racetick(txtme, txtdisk, &frmdisk::mewon);
}

void frmdisk::diskwin1_Timer() {
    racetick(txtdisk, txtdisk, &frmdisk::diskwon);
}

void frmdisk::diskwin2_Timer() {
    racetick(txtdisk, txtme, &frmdisk::diskwon);
}

// The tick that ends the race still types its character, into the hidden window.
void frmdisk::racetick(const QLineEdit* winner, QLineEdit* typed, void (frmdisk::*ending)()) {
    if (typedin(winner) >= lanelength) {
        const QPointer<frmdisk> self(this);
        (this->*ending)();
        // Closed while the message was open: the lanes are gone.
        if (!self)
            return;
    }
    randomize(timeofday());
    // At the caret, never over a selection the player made: a lane only grows.
    typed->deselect();
    typed->insert(QString(lanechar(wholeupto(200))));
    ++(typed == txtme ? metyped : disktyped);
}

int frmdisk::typedin(const QLineEdit* lane) const {
    return lane == txtme ? metyped : disktyped;
}
