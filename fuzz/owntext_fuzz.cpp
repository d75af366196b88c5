// The own-text sentence splitter and the place file on any bytes: every sentence can be typed
// and is no longer than the longest, and the place file reads back what it wrote.
#include "coach/owntext.h"
#include "coach/placekeeper.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& sentence : splitsentences(decodeowntext(bytes))) {
        if (sentence.isEmpty() || sentence.size() > longestsentence ||
            sentence.trimmed() != sentence || sentence.back().isHighSurrogate())
            __builtin_trap();
        for (QChar c : sentence)
            if (c.category() == QChar::Other_Control)
                __builtin_trap();
    }
    // Every line is an entry or set aside; entries written again read back the same.
    const PlaceFile places = readplacefile(bytes);
    for (const PlaceFile::Entry& entry : places.entries)
        if (entry.path.isEmpty() || entry.place < 0 || entry.line.contains('\n') ||
            entry.line.contains('\r'))
            __builtin_trap();
    const PlaceFile again = readplacefile(places.bytes());
    if (!again.damaged.isEmpty() || again.bytes() != places.bytes())
        __builtin_trap();
    return 0;
}
