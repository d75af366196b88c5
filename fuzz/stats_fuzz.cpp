// "stats.dat" on any bytes: damaged lines are counted, never a crash, and every line read
// is written again to a line that reads back as the very same line.
#include "common/bytelines.h"
#include "stats/statsexport.h"
#include "stats/statshistory.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const StatsHistory history = readstatshistory(bytes, 3);
    // Lines end at CR LF, LF or a CR alone, as every reader of the game takes them.
    QList<QByteArray> lines;
    QByteArrayView rest(bytes);
    for (QByteArrayView line; nextline(rest, line);)
        lines.append(line.toByteArray());
    const qsizetype rows = history.book.rows().size();
    if (history.unreadable < 0 || rows + history.unreadable > lines.size())
        __builtin_trap();
    // A last line with no line end is torn: counted, never read.
    const qsizetype ended =
        endedlines(bytes).size() == bytes.size() ? lines.size() : lines.size() - 1;
    qsizetype parsed = 0;
    for (const QByteArray& line : lines.first(ended)) {
        TypingRecord record;
        if (!parsestatsline(line, record))
            continue;
        ++parsed;
        if (record.counts.tally.wrong > record.counts.tally.charstyped)
            __builtin_trap();
        const QByteArray again = statsline(record);
        TypingRecord back;
        if (!parsestatsline(again.chopped(2), back) || statsline(back) != again)
            __builtin_trap();
        // A record that just ended shows as its line will once the window is reopened.
        StatsBook added;
        added.add(record);
        if (added.rows().size() != 1 ||
            added.rows().first().tally.wrong != record.counts.tally.wrong)
            __builtin_trap();
    }
    // The reader and the single-line parse take the same lines.
    if (parsed != rows)
        __builtin_trap();
    QList<qsizetype> all;
    for (qsizetype i = 0; i < rows; ++i) {
        if (history.book.rows()[i].tally.wrong > history.book.rows()[i].tally.charstyped)
            __builtin_trap();
        all.append(i);
    }
    // Any row read exports, whatever its texts hold.
    const QByteArray csv = statscsv(history.book, all);
    if (!csv.endsWith("\r\n"))
        __builtin_trap();
    return 0;
}
