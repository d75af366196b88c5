#include "career/dayevents.h"
#include "career/form1.h"
#include "common/dialogs.h"
#include "common/logbox.h"
#include "common/number.h"
#include "common/random.h"

#include <QAction>
#include <QPushButton>

void Form1::datechange() {
    const std::int32_t limit = daylimit(rank);
    if (days >= limit) {
        msgbox(QStringLiteral("Game Over! Time's Up!"), MsgIcon::Error,
               QStringLiteral("Game Over"));
        scoregame();
        return;
    }
    txtlog->appendatend(QStringLiteral("\r\n\r\n\r\n"));
    days = addclamped(days, 1);
    const int event = drawdayevent(money);
    const std::int32_t amount = eventtakesamount(event) ? eventamount(money, rnd()) : 0;
    const DayEvent happened = dayevent(event, amount);
    for (const QString& entry : happened.entries)
        updatelog(entry);
    money = addclamped(money, happened.moneychange);
    if (days == limit - 1)
        updatelog(QStringLiteral("Your game will end tommorrow."));
}

// The new-day switches: the once-a-day commands come back and the day's competitions are drawn.
void Form1::days1_Change() {
    ++newdaysbegun;
    ll->setEnabled(true);
    Ti->setEnabled(true);
    generatecompetitions();
    Command2->setEnabled(true);
    cc->setEnabled(true);
}
