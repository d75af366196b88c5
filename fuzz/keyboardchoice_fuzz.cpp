// keyboard.dat on any bytes: a choice read is a short layout name, trimmed, and written back it
// reads the same, and whole.
#include "common/textfile.h"
#include "keyboard/keyboardchoice.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::optional<QString> choice;
    readkeyboardchoice(bytes, choice);
    if (!choice)
        return 0;
    if (choice->size() > 200 || *choice != choice->trimmed() ||
        choice->contains(QLatin1Char('"')) || choice->contains(QLatin1Char(' ')))
        __builtin_trap();
    std::optional<QString> again;
    if (readkeyboardchoice(LineWriter().text(*choice).line(), again) != Reading::Whole ||
        again != choice)
        __builtin_trap();
    return 0;
}
