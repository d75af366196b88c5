#include "services/gamble.h"

#include "common/clock.h"
#include "common/number.h"
#include "common/random.h"

#include <cstdint>

namespace {
bool fitsmoney(double amount) {
    return roundtofit<std::int32_t>(amount).has_value();
}
} // namespace

int gambleodds(double outside) {
    return outside < gamblerichenough ? 3 : 2;
}

bool drawgamblelost(double outside) {
    const int odds = gambleodds(outside);
    randomize(timeofday());
    return wholeupto(odds) == 1;
}

std::optional<double> afterstake(double money, double bet, double shown) {
    // The live money only matters where the stake would take it below what money can hold.
    if (bet > shown || !fitsmoney(money - bet))
        return std::nullopt;
    return money - bet;
}

std::optional<double> doubledsum(double money, double sum) {
    if (!afterclaim(money, 2 * sum))
        return std::nullopt;
    return 2 * sum;
}

std::optional<double> afterclaim(double money, double sum) {
    if (!fitsmoney(money + sum))
        return std::nullopt;
    return money + sum;
}
