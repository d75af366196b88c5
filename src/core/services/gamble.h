#pragma once

#include <optional>

// Double or Nothing. Amounts are the numbers the window reads off its labels; a result that
// would not fit the player's 32-bit money is refused (nothing) rather than cut short.

// Below this much money outside the stake the odds are kinder.
inline constexpr double gamblerichenough = 500;

// The sum is lost on one draw in this many: 3 for a poorer player, else 2.
int gambleodds(double outside);

// Draws a round, reseeded from the clock: true when the sum is lost.
bool drawgamblelost(double outside);

// The money left after staking the bet, or nothing when the shown cash can't cover it.
std::optional<double> afterstake(double money, double bet, double shown);

// The doubled sum, or nothing when claiming it could no longer be paid into the money.
std::optional<double> doubledsum(double money, double sum);

// The money after the sum is paid in, or nothing when it would not fit.
std::optional<double> afterclaim(double money, double sum);
