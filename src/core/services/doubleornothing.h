#pragma once

#include <QPointer>

#include <cstdint>

class Career;

// What came of Play, Continue Betting and Claim Money.
enum class StakeOutcome { NotEnoughMoney, Staked };
enum class BetOutcome { CannotGrow, Lost, Doubled };
enum class ClaimOutcome { CannotHold, Claimed };

// A session of Double or Nothing: the stake leaves the player's money at once and becomes the
// current sum, which each further bet doubles or loses, and a claim pays in. The cash is the
// player's money as last shown here: a bet is checked against it, not against money changed
// elsewhere since. A sum that could no longer be paid into 32-bit money is refused rather than
// cut short.
class DoubleOrNothing {
public:
    explicit DoubleOrNothing(Career* career);

    // Back to choosing a bet, with the cash as the status panel shows the money.
    void restart();
    // Play: the bet staked from the money, unless it is above the cash shown.
    StakeOutcome play(double bet);
    // Continue Betting: doubled or lost, with kinder odds for a poorer player. A lost sum ends
    // the gamble (the stake left at Play); restart then shows the cash anew.
    BetOutcome continuebetting();
    // Claim Money: the current sum paid in, and the gamble over.
    ClaimOutcome claim();

    // Between Play and its end by a loss or a claim.
    bool gambling() const { return staked; }
    double cash() const { return shownmoney; }
    double sum() const { return currentsum; }

private:
    double money() const;

    const QPointer<Career> career;
    bool staked = false;
    double shownmoney = 0;
    double currentsum = 0;
};
