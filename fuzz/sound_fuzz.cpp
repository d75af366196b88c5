// sound.dat on any bytes: whatever they hold, the settings read hold a volume the menu can show,
// and written back they read the same, and whole.
#include "sound/soundsettings.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SoundSettings settings;
    readsoundsettings(bytes, settings);
    if (settings.volume < 0 || settings.volume > 100)
        __builtin_trap();
    SoundSettings again;
    if (readsoundsettings(soundsettingsline(settings), again) != Reading::Whole ||
        again != settings)
        __builtin_trap();
    return 0;
}
