// The history the coach teaches from, of any stats.dat: every figure it keeps is one the game could
// have counted (a smoothed time under 2 s a gap, a miss rate between 0 and 1), every confidence
// lies in [0, 1], and the keys in play and the focus key are chosen without fault. Letter pairs
// smoothed are under 2 s a gap too, and read in parts as in one, those of each layout and each
// career's apart too.
#include "coach/keyplan.h"
#include "stats/statshistory.h"

#include "stats/keystrokes.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const StatsHistory history = readstatshistory(bytes);
    const StatsHistory inparts = readstatshistory(bytes, 3);
    const auto sameinparts = [](const PairTimes& whole, const PairTimes& parts) {
        whole.table().eachpair([&](unsigned char a, unsigned char b, const SmoothedTime& t) {
            const SmoothedTime* other = parts.table().findpair(a, b);
            if (!(t.ms >= 0 && t.ms < longestkeygap) || !other || other->timed != t.timed)
                __builtin_trap();
        });
    };
    sameinparts(history.pairs(), inparts.pairs());
    const QStringList layouts = history.book.layouts();
    if (layouts != inparts.book.layouts())
        __builtin_trap();
    for (const QString& layout : layouts) {
        sameinparts(history.pairsof(layout), inparts.pairsof(layout));
        for (auto it = history.book.tallies().cbegin(); it != history.book.tallies().cend(); ++it)
            sameinparts(history.book.pairs({it.key().career, layout}),
                        inparts.book.pairs({it.key().career, layout}));
    }
    for (const PairStanding& s : rankpairs(history.pairs(), {}, 1000))
        if (s.timed < rankedpairminimum || !(s.expected >= 0 && s.expected < longestkeygap))
            __builtin_trap();
    QList<QChar> order;
    for (auto it = history.keys.all().cbegin(); it != history.keys.all().cend(); ++it) {
        const KeyStat& k = it.value();
        if (k.due < 0 || k.timed < 0 || !(k.missrate >= 0 && k.missrate <= 1))
            __builtin_trap();
        if (!(k.ms >= 0 && k.ms <= 1000 + longestkeygap))
            __builtin_trap();
        const double c = confidence(k, 35);
        if (!(c >= 0 && c <= 1))
            __builtin_trap();
        order.append(it.key());
    }
    std::sort(order.begin(), order.end());
    for (auto it = history.mistyped.cbegin(); it != history.mistyped.cend(); ++it)
        if (it.value() <= 0)
            __builtin_trap();
    auto stat = [&](QChar key) { return history.keys.stat(key); };
    const QString inplay =
        keysinplay(order, {}, [&](QChar key) { return reachedtarget(stat(key), 35); });
    const FocusChoice keys =
        choosefocus(inplay, [&](QChar key) { return confidence(stat(key), 35); });
    if (!inplay.isEmpty() && !inplay.contains(keys.focus))
        __builtin_trap();
    return 0;
}
