#pragma once

#include "stats/statsfile.h"

// The one walk through a record's per-key tallies as its line holds them. Every history (the
// statistics window's, the coach's, a record read back) takes them through here, so all add them
// alike. A sink has addkey(char16_t key, expected, missed), addtime(char16_t key, KeyTime) and
// addmistyped(QByteArrayView entry), the last once for each time the entry was mistyped; a sink
// that has addcleared(QByteArrayView entry) hears the entries a drill saw typed clean after them,
// one that has addpair(const PairTime&) the letter pairs' typing times, one that has
// addinstead(const SwapCount&) the keys typed instead of those due.
template <typename Sink> void addtallies(const StatsLine& line, Sink& sink) {
    for (const CharCount& c : line.expected)
        sink.addkey(c.key, c.times, 0);
    for (const CharCount& c : line.missed)
        sink.addkey(c.key, 0, c.times);
    for (const CharTime& t : line.keytime)
        sink.addtime(t.key, KeyTime{t.milliseconds, t.times});
    if constexpr (requires { sink.addpair(PairTime()); })
        for (const PairTime& t : line.pairtime)
            sink.addpair(t);
    for (QByteArrayView entry : line.mistyped)
        sink.addmistyped(entry);
    if constexpr (requires { sink.addinstead(SwapCount()); })
        for (const SwapCount& s : line.instead)
            sink.addinstead(s);
    if constexpr (requires { sink.addcleared(QByteArrayView()); })
        for (QByteArrayView entry : line.cleared)
            sink.addcleared(entry);
}

// A record as its line has it, handed to `take`: a history adds a record the way it adds a line
// of the file.
template <typename Take> void throughline(const TypingRecord& record, Take take) {
    const QByteArray bytes = statsline(record);
    StatsLine line;
    if (splitstatsline(QByteArrayView(bytes).chopped(2), line))
        take(line);
}
