#pragma once

#include "competition/competitiondraw.h"

#include <QList>
#include <QPointer>

#include <cstdint>

class Career;

// What came of a double click on the day's list.
enum class EntryOutcome { NoRow, WrongCountry, NotEnoughMoney, Joined };

struct CompetitionEntry {
    EntryOutcome outcome = EntryOutcome::NoRow;
    // Where the list's selection goes: the first row held in the player's country, which may be
    // another row of the same name than the one clicked, or none (-1).
    int row = -1;
    // The first price of the competition joined, in dollars.
    std::int32_t prize = 0;
};

// The day's competitions, one row each, and the entry to one: held where the player is, for
// the fee, paid from the money the status panel shows.
class CompetitionDay {
public:
    explicit CompetitionDay(Career* career);

    static constexpr std::int32_t entryfee = 100;

    const QList<Competition>& rows() const { return competitions; }
    // The day's list, drawn by drawcompetitions.
    void setrows(QList<Competition> drawn) { competitions = std::move(drawn); }

    // The competition of `clicked` (-1 for none) joined, the fee paid; or why not. A career that
    // is gone joins nothing.
    CompetitionEntry enter(int clicked);

private:
    const QPointer<Career> career;
    QList<Competition> competitions;
};
