// The services that change the career: the time machine, the reward bag and the cheats.
#include "career/career.h"
#include "services/cheats.h"
#include "services/rewardbag.h"
#include "services/timemachine.h"

TimeTravelOutcome Career::timetravel(double traveldays) {
    const TimeTravel trip = ::timetravel(money(), days(), traveldays);
    if (trip.outcome != TimeTravelOutcome::Done)
        return trip.outcome;
    setmoney(trip.money);
    setdays(trip.days);
    updatestatus();
    return trip.outcome;
}

void Career::openbag(const BagLot& lot) {
    // The draw only gives a lot that can happen to this career.
    const std::optional<CareerState> after = ::openbag(lot, state());
    if (lot.change == BagChange::None || !after)
        return;
    setmoney(after->money);
    setdays(after->days);
    settraining(after->training);
    updatestatus();
}

bool Career::cheat(const QString& code) {
    const std::optional<CareerState> after = cheated(code, state());
    if (after) {
        setrank(after->rank);
        setmoney(after->money);
        setdays(after->days);
    }
    updatestatus();
    return after.has_value();
}
