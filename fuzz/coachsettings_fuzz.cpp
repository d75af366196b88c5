// coach.dat on any bytes: the target read lies in the spin box's range, and the settings
// written back read the same.
#include "coach/coachsettings.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CoachSettings settings = readcoachsettings(bytes);
    if (settings.targetwpm < slowesttarget || settings.targetwpm > fastesttarget)
        __builtin_trap();
    if (readcoachsettings(coachsettingsbytes(settings)) != settings)
        __builtin_trap();
    return 0;
}
