#include "services/doubleornothing.h"

#include "career/career.h"
#include "common/number.h"
#include "services/gamble.h"

#include <optional>

DoubleOrNothing::DoubleOrNothing(Career* career) : career(career) {}

// The money as the status panel shows it now, the stake already gone from it.
double DoubleOrNothing::money() const {
    return career ? career->shown().money : 0;
}

void DoubleOrNothing::restart() {
    staked = false;
    currentsum = 0;
    shownmoney = money();
}

StakeOutcome DoubleOrNothing::play(double bet) {
    const std::optional<double> left = afterstake(money(), bet, shownmoney);
    if (!left)
        return StakeOutcome::NotEnoughMoney;
    if (career)
        career->changemoney(roundtoint<qint32>(*left));
    shownmoney = money();
    currentsum = bet;
    staked = true;
    return StakeOutcome::Staked;
}

BetOutcome DoubleOrNothing::continuebetting() {
    const double outside = money();
    const std::optional<double> doubled = doubledsum(outside, currentsum);
    if (!doubled)
        return BetOutcome::CannotGrow;
    if (drawgamblelost(outside)) {
        staked = false;
        currentsum = 0;
        return BetOutcome::Lost;
    }
    currentsum = *doubled;
    return BetOutcome::Doubled;
}

ClaimOutcome DoubleOrNothing::claim() {
    const std::optional<double> after = afterclaim(money(), currentsum);
    if (!after)
        return ClaimOutcome::CannotHold;
    if (career)
        career->changemoney(roundtoint<qint32>(*after));
    restart();
    return ClaimOutcome::Claimed;
}
