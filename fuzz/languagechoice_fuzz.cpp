// language.dat on any bytes: whatever they hold, the choice read is System or a language the
// windows speak, and written back it reads the same, and whole.
#include "language/languagechoice.h"
#include "language/languages.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString choice;
    readlanguagechoice(bytes, choice);
    if (!choice.isEmpty() && !speaks(choice))
        __builtin_trap();
    QString again;
    if (readlanguagechoice(languagechoiceline(choice), again) != Reading::Whole || again != choice)
        __builtin_trap();
    return 0;
}
