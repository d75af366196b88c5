// keyboard.dat on any bytes: a choice read is short and trimmed, and written back it reads the
// same.
#include "keyboard/keyboardchoice.h"
#include "common/textfile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QString> choice = readkeyboardchoice(bytes);
    if (!choice)
        return 0;
    if (choice->size() > 200 || *choice != choice->trimmed())
        __builtin_trap();
    if (!choice->contains(QLatin1Char('"')) &&
        readkeyboardchoice(LineWriter().text(*choice).line()) != choice)
        __builtin_trap();
    return 0;
}
