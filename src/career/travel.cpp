#include "career/form1.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/number.h"
#include "common/program.h"

#include <QAction>

namespace {

// The caption is the one place the fare is kept: "Japan [$700]" costs 700.
std::int32_t fareof(const QAction* item) {
    QString fare = item->text().right(4);
    fare.remove(QLatin1Char(']'));
    return textint32(fare);
}

QString arrivalentry(const Form1* form, const QAction* item) {
    if (item == form->singapore)
        return QStringLiteral("You arrived in Singapore!");
    if (item == form->malaysia)
        return QStringLiteral("You arrived in malaysia!");
    if (item == form->china)
        return QStringLiteral("You arrived in china!");
    if (item == form->japan)
        return QStringLiteral("You arrived in japan!");
    return QStringLiteral("You arrived in america!");
}

} // namespace

void Form1::country_Click(QAction* item) {
    const FocusKeeper stay(this);
    const std::int32_t fare = fareof(item);
    if (item->isChecked())
        return;
    if (money < fare) {
        msgbox(QStringLiteral("Not enough money!"), MsgIcon::Error, QStringLiteral("Pok Kia!"));
        return;
    }
    if (msgbox(QStringLiteral("Are you sure you want to fly there?"), MsgIcon::Exclamation,
               QStringLiteral("Fly!"), MsgButtons::YesNo) != MsgResult::Yes)
        return;
    money = addclamped(money, -static_cast<std::int64_t>(fare));
    clearcountries();
    datechange();
    if (programended())
        return;
    item->setChecked(true);
    updatelog(arrivalentry(this, item));
    updatestatus();
}

void Form1::clearcountries() {
    for (QAction* country : {singapore, malaysia, china, japan, america})
        country->setChecked(false);
}
