#include "career/career.h"

#include "career/promotion.h"
#include "common/number.h"
#include "saves/savedgame.h"
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
    CareerState s = shownvalues;
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
    if (const auto money = takepending(pending.money); money || (nevershown & Money))
        showmoney(money.value_or(shownvalues.money));
    if (const auto rank = takepending(pending.rank); rank || (nevershown & Rank))
        showrank(rank.value_or(shownvalues.rank));
    if (const auto days = takepending(pending.days); days || (nevershown & Days))
        takedays(days.value_or(shownvalues.days));
    if (const auto training = takepending(pending.training); training || (nevershown & Training))
        taketraining(training.value_or(shownvalues.training));
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

bool Career::showplayername(const QString& name) {
    if (shownvalues.playername == name)
        return false;
    shownvalues.playername = name;
    emit playernamechanged(name);
    return true;
}

bool Career::showmoney(std::int32_t money) {
    if (shownvalues.money == money && !(nevershown & Money))
        return false;
    nevershown &= ~Money;
    shownvalues.money = money;
    emit moneychanged(money);
    return true;
}

bool Career::showrank(std::int16_t rank) {
    if (shownvalues.rank == rank && !(nevershown & Rank))
        return false;
    nevershown &= ~Rank;
    shownvalues.rank = rank;
    emit rankchanged(rank);
    return true;
}

bool Career::showdays(std::int32_t days) {
    if (shownvalues.days == days && !(nevershown & Days))
        return false;
    nevershown &= ~Days;
    shownvalues.days = days;
    emit dayschanged(days);
    return true;
}

bool Career::showtraining(std::int32_t training) {
    if (shownvalues.training == training && !(nevershown & Training))
        return false;
    nevershown &= ~Training;
    shownvalues.training = training;
    emit trainingchanged(training);
    return true;
}

// A new day count is a new day, whatever brought it: a day passed, a load, the time machine.
void Career::takedays(std::int32_t days) {
    if (showdays(days))
        openday();
}

void Career::taketraining(std::int32_t training) {
    if (showtraining(training))
        checkpromotion();
}

void Career::changemoney(std::int32_t money) {
    showmoney(money);
    reversevalue();
}

void Career::changemoneyby(std::int64_t amount) {
    changemoney(addclamped(shownvalues.money, amount));
}

void Career::changetrainingby(std::int64_t points) {
    taketraining(addclamped(shownvalues.training, points));
    reversevalue();
}

void Career::checkpromotion() {
    // A value another window just showed is the one the table sees, and stays the career's.
    reversevalue();
    const std::int16_t promoted = promotedrank(shownvalues.rank, shownvalues.training);
    if (promoted > shownvalues.rank) {
        setrank(promoted);
        updatelog(tr("You have been promoted to rank %1.").arg(promoted));
        playsound(Sound::RankGained);
        updatestatus();
    }
}

void Career::checkgoals() {
    if (rankgoal(shownvalues.rank))
        emit goalreached(Goal::Rank);
    if (moneygoal(shownvalues.money))
        emit goalreached(Goal::Money);
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

SavedGame Career::tosave() {
    updatestatus();
    return {shownvalues.playername, shownvalues.money, shownvalues.rank,
            shownvalues.days,       logtext,           QString::number(shownvalues.training)};
}
