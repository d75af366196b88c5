// The battle disk reader on any file: it must end, and a disk it accepts must come back the same
// through the writer (its name as a disk holds names), and a duel against it must stay in range.
#include "battledisk/battledisk.h"
#include "battledisk/duel.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<BattleDisk> disk =
        readdisk(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!disk)
        return 0;
    const BattleDisk expected{diskname(disk->name), disk->money, disk->training};
    if (readdisk(diskbytes(*disk)) != expected)
        __builtin_trap();
    const DuelOutcome outcome = duel(disk->training, disk->money, *disk);
    if (outcome.disk.training != disk->training || outcome.disk.name != disk->name)
        __builtin_trap();
    return 0;
}
