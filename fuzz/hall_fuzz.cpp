// The hall of fame's reading on any bytes: an entry shown cut is the start of the entry the
// file holds followed by "…", and only an entry longer than a row shows is cut.
#include "career/hall.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    constexpr qsizetype longest = HallEntries::longestshown;
    HallEntries shown(bytes);
    FieldReader whole(bytes);
    QString entry;
    QString full;
    while (shown.next(entry)) {
        if (!whole.next(full))
            __builtin_trap();
        const bool cut = full.size() > longest;
        if (entry != (cut ? full.left(longest) + QChar(0x2026) : full))
            __builtin_trap();
    }
    if (whole.next(full))
        __builtin_trap();
    return 0;
}
