// sound.dat on any bytes: settings read hold a volume the menu can show, and written back they
// read the same.
#include "sound/soundsettings.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<SoundSettings> settings = readsoundsettings(bytes);
    if (!settings)
        return 0;
    if (settings->volume < 0 || settings->volume > 100)
        __builtin_trap();
    if (readsoundsettings(soundsettingsline(*settings)) != settings)
        __builtin_trap();
    return 0;
}
