#include "competition/competitionrace.h"

#include "career/career.h"

CompetitionRace::CompetitionRace(Career* career) : career(career) {}

std::optional<RaceLevel> CompetitionRace::enter(std::int32_t prize) {
    firstprice = prize;
    return levelforprize(prize);
}

void CompetitionRace::won() {
    if (!career)
        return;
    career->changetrainingby(trainingpoints);
    career->changemoneyby(firstprice);
}
