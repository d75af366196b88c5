// textsize.dat on any bytes: whatever they hold, the size read is one the windows can draw, and
// written back it reads the same, and whole.
#include "typing/textsize.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int percent = 0;
    readtextsize(bytes, percent);
    if (percent < smallesttextsize || percent > largesttextsize)
        __builtin_trap();
    int again = 0;
    if (readtextsize(textsizeline(percent), again) != Reading::Whole || again != percent)
        __builtin_trap();
    return 0;
}
