// A player's record file on any bytes: read whole or not at all, and what is read is written
// back and read again to the same record.
#include "tictactoe/records.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    PlayerRecord record;
    if (!parserecord(bytes, record)) {
        const PlayerRecord fresh;
        if (record.wins != 0 || record.losses != 0 || record.draws != 0 ||
            record.yoursign != fresh.yoursign || record.compsign != fresh.compsign)
            __builtin_trap();
        return 0;
    }
    // The format has no escape for a quote inside a sign.
    if (record.yoursign.contains(QLatin1Char('"')) || record.compsign.contains(QLatin1Char('"')))
        return 0;
    PlayerRecord again;
    if (!parserecord(recordline(QStringLiteral("P"), record), again) || again.wins != record.wins ||
        again.losses != record.losses || again.draws != record.draws ||
        again.yoursign != record.yoursign || again.compsign != record.compsign)
        __builtin_trap();
    return 0;
}
