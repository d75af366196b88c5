#include "career/career.h"

#include "career/promotion.h"
#include "common/number.h"

namespace {

enum Field : unsigned { Money = 1, Rank = 2, Days = 4, Training = 8 };
static_assert((Money | Rank | Days | Training) == 15);

const QString lineend = QStringLiteral("\r\n");

} // namespace

Career::Career(QObject* parent) : QObject(parent) {}

void Career::updatestatus() {
    showplayername(now.playername);
    showmoney(now.money);
    showrank(now.rank);
    showdays(now.days);
    showtraining(now.training);
}

void Career::showplayername(const QString& name) {
    if (onpanel.playername == name)
        return;
    onpanel.playername = name;
    emit playernamechanged(name);
}

void Career::showmoney(std::int32_t money) {
    if (onpanel.money == money && !(blank & Money))
        return;
    blank &= ~Money;
    onpanel.money = money;
    emit moneychanged(money);
}

void Career::showrank(std::int16_t rank) {
    if (onpanel.rank == rank && !(blank & Rank))
        return;
    blank &= ~Rank;
    onpanel.rank = rank;
    emit rankchanged(rank);
}

void Career::showdays(std::int32_t days) {
    if (onpanel.days == days && !(blank & Days))
        return;
    blank &= ~Days;
    onpanel.days = days;
    emit dayschanged(days);
    openday();
}

void Career::showtraining(std::int32_t training) {
    if (onpanel.training == training && !(blank & Training))
        return;
    blank &= ~Training;
    onpanel.training = training;
    emit trainingchanged(training);
    checkpromotion();
}

void Career::takeshown() {
    now = onpanel;
}

void Career::changemoney(std::int32_t money) {
    showmoney(money);
    takeshown();
}

void Career::changetraining(std::int32_t training) {
    showtraining(training);
    takeshown();
}

void Career::changemoneyby(std::int64_t amount) {
    changemoney(addclamped(onpanel.money, amount));
}

void Career::changetrainingby(std::int64_t points) {
    changetraining(addclamped(onpanel.training, points));
}

void Career::checkpromotion() {
    // A value another window just showed is the one the table sees, and stays the career's.
    takeshown();
    const std::int16_t before = now.rank;
    now.rank = promotedrank(now.rank, now.training);
    if (now.rank > before) {
        updatelog(QStringLiteral("You have been promoted to rank ") + QString::number(now.rank) +
                  QStringLiteral("."));
        updatestatus();
    }
}

void Career::resetvalues() {
    now.days = 0;
    now.playername.clear();
    now.rank = 0;
    now.money = 0;
    updatestatus();
    // After the refresh on purpose: the panel keeps the old training until the next one.
    now.training = 0;
    setlog(QStringLiteral(" "));
}

void Career::updatelog(const QString& entry) {
    const QString line = entry + lineend;
    logtext += line;
    ++logchanges;
    emit logappended(line, true);
}

void Career::appendlog(const QString& text) {
    logtext += text;
    if (!text.isEmpty())
        ++logchanges;
    emit logappended(text, false);
}

void Career::setlog(QString text) {
    if (text != logtext)
        ++logchanges;
    logtext = std::move(text);
    emit logreplaced(logtext);
}

void Career::setcountry(Country country) {
    if (where == country)
        return;
    where = country;
    emit countrychanged(country);
}

bool Career::available(Activity activity) const {
    switch (activity) {
    case Activity::RewardBag:
        return bagfree;
    case Activity::TicTacToe:
        return tictacfree;
    case Activity::Competition:
        break;
    }
    return competitionfree;
}

void Career::use(Activity activity) {
    makeavailable(activity, false);
}

void Career::makeavailable(Activity activity, bool free) {
    bool& flag = activity == Activity::RewardBag   ? bagfree
                 : activity == Activity::TicTacToe ? tictacfree
                                                   : competitionfree;
    if (flag == free)
        return;
    flag = free;
    emit availabilitychanged(activity, free);
}

void Career::openday() {
    ++newdays;
    makeavailable(Activity::RewardBag, true);
    makeavailable(Activity::TicTacToe, true);
    // The competition command comes back only once the day's list is drawn.
    emit daybegan();
    makeavailable(Activity::Competition, true);
}

void Career::markcareer(const QString& file) {
    careerfile = file;
    savedmark = mark();
}

void Career::begincareer(int daysbefore, const QString& file) {
    if (newdays == daysbefore)
        openday();
    markcareer(file);
}
