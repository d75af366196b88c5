#include "career/career.h"
#include "career/dayevents.h"
#include "career/form1.h"
#include "common/dialogs.h"
#include "common/number.h"
#include "common/random.h"

void Form1::datechange() {
    const std::int32_t limit = daylimit(career->rank());
    if (career->days() >= limit) {
        msgbox(QStringLiteral("Game Over! Time's Up!"), MsgIcon::Error,
               QStringLiteral("Game Over"));
        scoregame();
        return;
    }
    career->appendlog(QStringLiteral("\r\n\r\n\r\n"));
    career->setdays(addclamped(career->days(), 1));
    const int event = drawdayevent(career->money());
    const std::int32_t amount = eventtakesamount(event) ? eventamount(career->money(), rnd()) : 0;
    const DayEvent happened = dayevent(event, amount);
    for (const QString& entry : happened.entries)
        updatelog(entry);
    career->setmoney(addclamped(career->money(), happened.moneychange));
    if (career->days() == limit - 1)
        updatelog(QStringLiteral("Your game will end tommorrow."));
}
