// "stats.dat" on any bytes: damaged lines are counted, never a crash, and every record read
// is written again to a line that reads back as the very same line.
#include "stats/statsfile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    StatsReader reader(bytes);
    while (reader.read(7)) {
    }
    if (reader.unreadable < 0 || reader.records.size() + reader.unreadable > bytes.count('\n') + 1)
        __builtin_trap();
    for (const TypingRecord& record : reader.records) {
        if (record.counts.wrong > record.counts.charstyped)
            __builtin_trap();
        const QByteArray line = statsline(record);
        TypingRecord again;
        if (!parsestatsline(line.chopped(2), again) || statsline(again) != line)
            __builtin_trap();
    }
    return 0;
}
