// The hall of fame's reading on any bytes: an entry shown cut is the start of the entry the
// file holds, and only an entry longer than the window shows is cut.
#include "common/textfile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    constexpr qsizetype longest = 16;
    FieldReader shown(bytes);
    FieldReader whole(bytes);
    QString entry;
    QString full;
    bool cut = false;
    while (shown.next(entry, longest, cut)) {
        if (!whole.next(full) || entry != full.left(longest) || cut != (full.size() > longest))
            __builtin_trap();
    }
    if (whole.next(full))
        __builtin_trap();
    return 0;
}
