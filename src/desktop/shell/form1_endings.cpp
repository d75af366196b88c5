// The ends of a career as the player meets them: the goals watched, the success with its hall of
// fame, time running out.
#include "career/career.h"
#include "career/frmhall.h"
#include "career/hall.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/programfolder.h"
#include "common/sidewindow.h"
#include "shell/form1.h"
#include "sound/sounds.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

void Form1::checkobjective() {
    // A tick that arrives while the success message is still open must not start it again.
    if (objectivecheckrunning)
        return;
    objectivecheckrunning = true;
    career->checkgoals();
    objectivecheckrunning = false;
}

void Form1::objectivereached(Goal goal) {
    playsound(Sound::CareerWon);
    msgbox(goal == Goal::Rank
               ? tr("You have completed your objective by reaching rank 8 so that your "
                    "boss will hire you!")
               : tr("You have completed your objective by earning $25000 to bribe "
                    "your boss to hire you!"));
    scoregame2();
    objectiveclock->stop();
}

// The success: the game's own name for it.
void Form1::scoregame2() {
    const Success success = career->succeed();
    coverbuttons();
    // The success stands even when the hall of fame can't take it; the player is told.
    if (!addtohall(success.playername, success.score))
        msgbox(tr("Your score could not be written to %1.").arg(::apppath() + hallfilename),
               MsgIcon::Exclamation, QStringLiteral("Vivo Re Zazede"));
    showhalloffame();
}

void Form1::coverbuttons() {
    endgame->show();
    // Hidden beneath the frame: a covered "Next Day" pressed from the keyboard would play the
    // cleared career into the failure ending.
    for (QPushButton* covered : {training, services, competition, flyaway, nextday})
        covered->hide();
    exitgame->setFocus();
}

void Form1::timeup() {
    playsound(Sound::CareerLost);
    msgbox(tr("Game Over! Time's Up!"), MsgIcon::Error, tr("Game Over"));
    scoregame();
}

// The failure: the game's own name for it.
void Form1::scoregame() {
    career->fail();
    msgbox(tr("You failed your objectives! You are a loser!"), MsgIcon::Error, tr("Loser!"));
    closer();
}

void Form1::showhalloffame() {
    showtofront(sidewindow(hallwindow, this));
    hallwindow->load();
}
