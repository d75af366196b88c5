#include "competition/competitionday.h"

#include "career/career.h"

CompetitionDay::CompetitionDay(Career* career) : career(career) {}

namespace {

// The first row bearing `name`, or -1.
int firstrowof(const QList<Competition>& rows, const QString& name) {
    for (int row = 0; row < rows.size(); ++row)
        if (rows[row].country == name)
            return row;
    return -1;
}

} // namespace

CompetitionEntry CompetitionDay::enter(int clicked) {
    CompetitionEntry entry;
    if (clicked < 0 || clicked >= competitions.size() || !career)
        return entry;
    const QString country = competitions[clicked].country;
    // The selection moves to the player's country, as the list's current text is set to its
    // name; it stays where it is only while a flight is under way.
    entry.row = career->country() == Country::None
                    ? clicked
                    : firstrowof(competitions, QLatin1String(countryinfo(career->country()).name));
    if (entry.row < 0 || competitions[entry.row].country != country) {
        entry.outcome = EntryOutcome::WrongCountry;
        return entry;
    }
    if (career->shown().money < entryfee) {
        entry.outcome = EntryOutcome::NotEnoughMoney;
        return entry;
    }
    career->changemoneyby(-entryfee);
    entry.prize = competitions[entry.row].price;
    entry.outcome = EntryOutcome::Joined;
    return entry;
}
