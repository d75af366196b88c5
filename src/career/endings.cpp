#include "career/form1.h"
#include "career/frmhall.h"
#include "career/promotion.h"
#include "career/score.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/number.h"
#include "common/program.h"
#include "common/sidewindow.h"
#include "common/textfile.h"
#include "common/watchlabel.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

void Form1::train1_Change() {
    reversevalue();
    const std::int16_t before = rank;
    rank = promotedrank(rank, training);
    if (rank > before) {
        updatelog(QStringLiteral("You have been promoted to rank ") + QString::number(rank) +
                  QStringLiteral("."));
        updatestatus();
    }
}

void Form1::Timer2_Timer() {
    // A tick that arrives while the success message is still open must not start it again.
    if (objectivecheckrunning)
        return;
    objectivecheckrunning = true;
    if (rankgoal(textint16(rank1->text()))) {
        msgbox(QStringLiteral(
            "You have completed your objective by reaching rank 8 so that your boss will hire you!"));
        scoregame2();
        Timer2->stop();
    }
    if (moneygoal(textint32(money1->text()))) {
        msgbox(QStringLiteral(
            "You have completed your objective by earning $25000 to bribe your boss to hire you!"));
        scoregame2();
        Timer2->stop();
    }
    objectivecheckrunning = false;
}

void Form1::scoregame2() {
    const std::int64_t score = careerscore(state());
    const QString name = playername;
    resetvalues();
    updatelog(QStringLiteral("Your game has ended..."));
    updatelog(QStringLiteral("with a score of ") + QString::number(score) + QStringLiteral("!"));
    coverbuttons();
    // The score is what is left of the career: nothing to lose, and nothing of it to save over
    // the file it came from without asking.
    markcareer(QString());
    const QString hall = apppath + QStringLiteral("hall.dat");
    // The success stands even when the hall of fame can't take it; the player is told.
    if (!appendtofile(hall, LineWriter().text(hallentry(name, score)).line()))
        msgbox(QStringLiteral("Your score could not be written to ") + hall + QStringLiteral("."),
               MsgIcon::Exclamation, QStringLiteral("Vivo Re Zazede"));
    hot_Click();
}

void Form1::coverbuttons() {
    Frame3->show();
    // Hidden beneath the frame: a covered "Next Day" pressed from the keyboard would play the
    // cleared career into the failure ending.
    for (QPushButton* covered : {Command1, Command7, Command2, Command3, Command4})
        covered->hide();
    Command6->setFocus();
}

void Form1::scoregame() {
    resetvalues();
    msgbox(QStringLiteral("You failed your objectives! You are a loser!"), MsgIcon::Error,
           QStringLiteral("Loser!"));
    closer();
}

void Form1::hot_Click() {
    showtofront(sidewindow(hallwindow, this));
    hallwindow->load();
}
