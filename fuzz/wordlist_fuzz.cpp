// The word-list loader on any file: every entry it keeps can be typed into a typing box, and a
// pick always lands on one of them.
#include "typing/wordlist.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList words;
    appendwords(words,
                QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const QString& word : words) {
        if (word.size() > 32767)
            __builtin_trap();
        for (QChar c : word)
            if (c.category() == QChar::Other_Control)
                __builtin_trap();
    }
    const qsizetype pick = pickwordindex(words.size(), static_cast<double>(size));
    if (words.isEmpty() ? pick != -1 : (pick < 0 || pick >= words.size()))
        __builtin_trap();
    return 0;
}
