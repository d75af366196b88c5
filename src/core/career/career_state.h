#pragma once

#include <QString>

#include <cstdint>

// The player's career: what the main window owns for the whole run.
struct CareerState {
    QString playername;
    std::int16_t rank = 0;
    std::int32_t money = 0;
    std::int32_t days = 0;
    std::int32_t training = 0;

    bool operator==(const CareerState&) const = default;
};

// What a saved game keeps of a career. A change to any of it since the career was begun, saved
// or loaded is something a New game or a load would throw away.
struct CareerMark {
    CareerState state;
    // Counts the log's changes: a log of megabytes is neither copied nor compared to be marked.
    std::uint64_t logchanges = 0;

    bool operator==(const CareerMark&) const = default;
};

// The day count at which time is up. Kept in 32 bits: 15 + 5 x any 16-bit rank fits, so a rank
// set far above 8 never wraps the limit round.
constexpr std::int32_t daylimit(std::int16_t rank) {
    return 15 + 5 * static_cast<std::int32_t>(rank);
}

// Days left, wide enough for any pair of values.
constexpr std::int64_t daysleft(const CareerState& s) {
    return static_cast<std::int64_t>(daylimit(s.rank)) - s.days;
}
