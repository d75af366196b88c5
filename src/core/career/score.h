#pragma once

#include "career/career_state.h"

#include <QString>

// Days left times money. Kept in 64 bits: a large fortune with many days left would leave 32.
constexpr std::int64_t careerscore(const CareerState& s) {
    return daysleft(s) * s.money;
}

// The line the hall of fame keeps for a success. A double quote would end the quoted field
// early and split the entry on reading, so it is kept as a single quote.
QString hallentry(const QString& playername, std::int64_t score);
