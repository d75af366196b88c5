#include "coach/mistypedqueue.h"

#include "coach/drillbuilder.h"

#include <algorithm>
#include <cmath>
#include <utility>

MistypedQueue::MistypedQueue(const QHash<QString, std::int64_t>& mistyped, std::uint64_t seed) {
    // Weighted sampling without replacement: each entry draws u^(1/weight) and the highest draws
    // win. The entries are walked in text order so the seed alone decides the drill.
    QStringList entries;
    for (auto it = mistyped.cbegin(); it != mistyped.cend(); ++it)
        if (it.value() > 0 && !it.key().isEmpty())
            entries.append(it.key());
    std::sort(entries.begin(), entries.end());
    SeededDraw draw(seed);
    QList<std::pair<double, QString>> keyed;
    keyed.reserve(entries.size());
    for (const QString& entry : entries) {
        const double u = (static_cast<double>(draw.next() >> 11) + 1.0) / 9007199254740993.0;
        keyed.append({std::log(u) / static_cast<double>(mistyped[entry]), entry});
    }
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    for (qsizetype i = 0; i < keyed.size() && i < drilllength; ++i)
        queue.append(keyed[i].second);
}

void MistypedQueue::typed(bool wrongkey) {
    if (queue.isEmpty())
        return;
    QString entry = queue.takeFirst();
    if (wrongkey)
        queue.append(entry);
}
