// The replay readers on any file, as "replays.dat" and as a friend's "ghost.dat": they must
// end, what they accept must come back the same through the writer, and racing against any
// replay accepted must stay on the track.
#include "battledisk/battledisk.h"
#include "battledisk/diskghost.h"
#include "competition/ghostwords.h"

#include <cstdint>

namespace {

void race(const Replay& replay) {
    const int farthest = replay.farthest();
    if (farthest < 0 || replay.leftat(replay.length) > farthest ||
        replay.leftat(-1) != track::startleft || entriesshort(replay) < 0)
        __builtin_trap();
    for (std::int64_t now : {std::int64_t(0), replay.length / 2, replay.length, longestrace})
        if (standing(farthest, now, replay, now, QStringLiteral("Ana")).isEmpty())
            __builtin_trap();
    if (raceline(replay, replay, false).isEmpty() ||
        friendlyverdict(replay, replay, QStringLiteral("Ana")).isEmpty())
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int badline = 0;
    ReplayBook book;
    const Reading reading = readreplays(bytes, book, badline);
    if ((reading == Reading::Damaged && badline == 0) ||
        (reading == Reading::Whole && badline != 0))
        __builtin_trap();
    ReplayBook again;
    if (readreplays(replaysbytes(book), again, badline) != Reading::Whole || again != book)
        __builtin_trap();
    for (const std::optional<Replay>& best : book.best)
        if (best)
            race(*best);
    if (const std::optional<DiskGhost> ghost = readghost(bytes, badline)) {
        // A friend's race stays on the track, and the name shows no control character.
        for (const std::optional<Replay>& best : ghost->best)
            if (best && (!withinarace(*best) || best->farthest() > track::finishleft))
                __builtin_trap();
        for (QChar c : ghost->name)
            if (c.category() == QChar::Other_Control)
                __builtin_trap();
        // The name comes back as a disk holds names.
        DiskGhost expected = *ghost;
        expected.name = diskname(ghost->name);
        if (readghost(ghostbytes(*ghost), badline) != expected)
            __builtin_trap();
        for (const std::optional<Replay>& best : ghost->best)
            if (best)
                race(*best);
    }
    return 0;
}
