// The saved-game reader on any bytes: it must end, and any career it accepts must be written and
// read back as the same career (a double quote comes back as a single quote).
#include "common/textfile.h"
#include "saves/savedgame.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SavedGameRead read = readsavedgame(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (read.fault != SaveFault::None)
        return 0;
    SavedGame expected = read.game;
    expected.playername = quotabletext(expected.playername);
    expected.log = quotabletext(expected.log);
    expected.training = quotabletext(expected.training);
    const SavedGameRead back = readsavedgame(savedgamebytes(read.game));
    if (back.fault != SaveFault::None || !(back.game == expected))
        __builtin_trap();
    return 0;
}
