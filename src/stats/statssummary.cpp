#include "stats/statssummary.h"

#include <QHash>

#include <algorithm>

StatsSummary summarise(const QList<TypingRecord>& records, const std::optional<QString>& career,
                       qsizetype keylimit, qsizetype entrylimit) {
    StatsSummary s;
    QHash<QChar, KeyMisses> keys;
    QHash<QString, std::int64_t> entries;
    double speedsum = 0;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const TypingRecord& r = records[i];
        if (career && r.career != *career)
            continue;
        s.shown.append(i);
        if (r.activity == QLatin1String("Race"))
            ++s.races;
        else
            ++s.exercises;
        s.milliseconds = addsaturated(s.milliseconds, r.milliseconds);
        const double speed = r.speed();
        speedsum += speed;
        s.bestspeed = std::max(s.bestspeed, speed);
        for (auto it = r.counts.expected.cbegin(); it != r.counts.expected.cend(); ++it) {
            KeyMisses& k = keys[it.key()];
            k.key = it.key();
            k.expected = addsaturated(k.expected, it.value());
        }
        for (auto it = r.counts.missed.cbegin(); it != r.counts.missed.cend(); ++it) {
            KeyMisses& k = keys[it.key()];
            k.key = it.key();
            k.missed = addsaturated(k.missed, it.value());
        }
        for (auto it = r.counts.mistyped.cbegin(); it != r.counts.mistyped.cend(); ++it) {
            std::int64_t& times = entries[it.key()];
            times = addsaturated(times, it.value());
        }
    }
    if (s.shown.isEmpty())
        return s;
    s.averagespeed = speedsum / static_cast<double>(s.shown.size());
    const qsizetype recent = std::min<qsizetype>(10, s.shown.size());
    double accuracysum = 0;
    for (qsizetype i = s.shown.size() - recent; i < s.shown.size(); ++i)
        accuracysum += records[s.shown[i]].accuracy();
    s.recentaccuracy = accuracysum / static_cast<double>(recent);

    for (const KeyMisses& k : keys)
        if (k.expected >= rankedkeyminimum && k.missed > 0)
            s.keys.append(k);
    std::sort(s.keys.begin(), s.keys.end(), [](const KeyMisses& a, const KeyMisses& b) {
        if (a.rate() != b.rate())
            return a.rate() > b.rate();
        return a.key < b.key;
    });
    s.keys = s.keys.first(std::min(keylimit, s.keys.size()));
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        s.entries.append({it.key(), it.value()});
    std::sort(s.entries.begin(), s.entries.end(), [](const EntryMisses& a, const EntryMisses& b) {
        if (a.times != b.times)
            return a.times > b.times;
        return a.entry < b.entry;
    });
    s.entries = s.entries.first(std::min(entrylimit, s.entries.size()));
    return s;
}

QString durationtext(std::int64_t milliseconds) {
    const std::int64_t seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
