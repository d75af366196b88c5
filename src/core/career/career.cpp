#include "career/career.h"

#include "career/promotion.h"
#include "common/number.h"
#include "sound/sounds.h"

namespace {

enum Field : unsigned { Money = 1, Rank = 2, Days = 4, Training = 8 };
static_assert((Money | Rank | Days | Training) == 15);

const QString lineend = QStringLiteral("\r\n");

// Takes the value waiting, if any, out of `slot`: a change made while it shows waits anew.
template <typename T> std::optional<T> takepending(std::optional<T>& slot) {
    std::optional<T> value = std::move(slot);
    slot.reset();
    return value;
}

} // namespace

Career::Career(QObject* parent) : QObject(parent) {}

CareerState Career::state() const {
    CareerState s = panel;
    if (pending.playername)
        s.playername = *pending.playername;
    if (pending.rank)
        s.rank = *pending.rank;
    if (pending.money)
        s.money = *pending.money;
    if (pending.days)
        s.days = *pending.days;
    if (pending.training)
        s.training = *pending.training;
    return s;
}

void Career::updatestatus() {
    if (const auto name = takepending(pending.playername))
        showplayername(*name);
    // A number never shown shows now, even unchanged.
    if (const auto money = takepending(pending.money); money || (blank & Money))
        showmoney(money.value_or(panel.money));
    if (const auto rank = takepending(pending.rank); rank || (blank & Rank))
        showrank(rank.value_or(panel.rank));
    if (const auto days = takepending(pending.days); days || (blank & Days))
        showdays(days.value_or(panel.days));
    if (const auto training = takepending(pending.training); training || (blank & Training))
        showtraining(training.value_or(panel.training));
}

void Career::reversevalue() {
    pending = {};
}

void Career::setstate(const CareerState& s) {
    setplayername(s.playername);
    setrank(s.rank);
    setmoney(s.money);
    setdays(s.days);
    settraining(s.training);
    updatestatus();
}

void Career::showplayername(const QString& name) {
    if (panel.playername == name)
        return;
    panel.playername = name;
    emit playernamechanged(name);
}

void Career::showmoney(std::int32_t money) {
    if (panel.money == money && !(blank & Money))
        return;
    blank &= ~Money;
    panel.money = money;
    emit moneychanged(money);
}

void Career::showrank(std::int16_t rank) {
    if (panel.rank == rank && !(blank & Rank))
        return;
    blank &= ~Rank;
    panel.rank = rank;
    emit rankchanged(rank);
}

void Career::showdays(std::int32_t days) {
    if (panel.days == days && !(blank & Days))
        return;
    blank &= ~Days;
    panel.days = days;
    emit dayschanged(days);
    openday();
}

void Career::showtraining(std::int32_t training) {
    if (panel.training == training && !(blank & Training))
        return;
    blank &= ~Training;
    panel.training = training;
    emit trainingchanged(training);
    checkpromotion();
}

void Career::changemoney(std::int32_t money) {
    showmoney(money);
    reversevalue();
}

void Career::changemoneyby(std::int64_t amount) {
    changemoney(addclamped(panel.money, amount));
}

void Career::changetrainingby(std::int64_t points) {
    showtraining(addclamped(panel.training, points));
    reversevalue();
}

void Career::checkpromotion() {
    // A value another window just showed is the one the table sees, and stays the career's.
    reversevalue();
    const std::int16_t promoted = promotedrank(panel.rank, panel.training);
    if (promoted > panel.rank) {
        setrank(promoted);
        updatelog(QStringLiteral("You have been promoted to rank ") + QString::number(promoted) +
                  QStringLiteral("."));
        playsound(Sound::RankGained);
        updatestatus();
    }
}

void Career::resetvalues() {
    setdays(0);
    setplayername(QString());
    setrank(0);
    setmoney(0);
    updatestatus();
    // After the refresh on purpose: the panel keeps the old training until the next one.
    settraining(0);
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

void Career::begincareer(const QString& file) {
    if (newdays == newdaysatbegin)
        openday();
    markcareer(file);
}
