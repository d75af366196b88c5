#pragma once

#include "stats/statsfile.h"

#include <algorithm>

// A made-up typist's records, the same on every call: the pictures of the statistics window and
// its benchmark draw on them.
inline TypingRecord samplerecord(int i) {
    static const char* const levels[] = {"Easy", "Coming Along Well", "Average", "Above Average",
                                         "Expert"};
    static const char* const entries[] = {"quick brown fox", "jelly", "typewriter", "keyboard"};
    TypingRecord r;
    r.ended = QDateTime(QDate(2026, 11, 1), QTime(9, 0)).addSecs(i * 1800LL);
    r.career = i % 3 == 0 ? QStringLiteral("Quick Fingers") : QStringLiteral("Ace");
    const bool race = i % 4 == 3;
    r.activity = race ? QStringLiteral("Race") : QStringLiteral("Practice");
    r.level = QLatin1String(race ? "Average" : levels[i % 5]);
    r.result = QLatin1String(race ? (i % 8 == 7 ? "Won" : "Lost") : "Completed");
    const int wave = (i * 37) % 23;
    TypingTally& t = r.counts.tally;
    t.entries = 10 + i % 6;
    t.charsmatched = t.entries * 6;
    t.wrong = 1 + wave % 7;
    t.charstyped = t.charsmatched + t.wrong * 2;
    t.corrections = t.wrong * 2;
    // Speed creeps up with practice: 20 WPM at the start, a good 50 by the hundredth record.
    const double wpm = 20 + std::min(i, 100) * 0.3 + wave * 0.5;
    t.milliseconds = static_cast<std::int64_t>(t.charsmatched / 5.0 * 60000.0 / wpm);
    const QString keys = QStringLiteral("etaoinsrhlp ;");
    // The letters each letter follows in the entries' words, the key's timings shared by two.
    static const char* const before[] = {"hrtlnps", "aisno", "hetlrp", "tnrlip", "thrlsn", "iaoe",
                                         "eiaon",   "eoai",  "tsp",    "aeiop",  "soae"};
    for (int k = 0; k < keys.size(); ++k) {
        r.counts.expected[keys[k]] = 5 + (k * 3 + i) % 9;
        // Reaches for the far keys take longer; every key a little less as practice goes on.
        // No more of them timed than were typed, as the game counts them.
        const std::int64_t timed = 1 + (k + i) % 5;
        const std::int64_t each = 260 + k * 17 - std::min(i, 100);
        r.counts.keytime[keys[k]] = {timed * each, timed};
        if (k >= 11)
            continue;
        // Some pairs are slower than their keys, always the same ones; the other pair of the
        // record makes up the key's time.
        const QByteArray firsts(before[k]);
        const QChar a = QLatin1Char(firsts[(i + k) % firsts.size()]);
        const QChar b = QLatin1Char(firsts[(i + k + 1) % firsts.size()]);
        const std::int64_t slow = (timed + 1) / 2;
        const std::int64_t extra = std::min<std::int64_t>(slow * ((a.unicode() * 31 + k * 17) % 90),
                                                          (timed - slow) * each);
        r.counts.pairtime[letterpair(a, keys[k])] = {slow * each + extra, slow};
        if (timed > slow)
            r.counts.pairtime[letterpair(b, keys[k])] = {(timed - slow) * each - extra,
                                                         timed - slow};
    }
    for (int k = 0; k < t.wrong; ++k)
        r.counts.missed[keys[(i + k * k) % keys.size()]] += 1;
    r.counts.mistyped[QLatin1String(entries[i % 4])] = 1 + i % 2;
    return r;
}
