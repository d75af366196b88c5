#include "battledisk/duel.h"

#include "common/number.h"
#include "common/textfile.h"

DuelWinner duelwinner(qint32 training, qint32 money, const BattleDisk& disk) {
    if (disk.training < training)
        return DuelWinner::Player;
    if (training < disk.training)
        return DuelWinner::Disk;
    return money < disk.money ? DuelWinner::Player : DuelWinner::Disk;
}

DuelOutcome duel(qint32 training, qint32 money, const BattleDisk& disk) {
    const DuelWinner winner = duelwinner(training, money, disk);
    const qint32 toplayer = winner == DuelWinner::Player ? duelstake : -duelstake;
    BattleDisk after = disk;
    after.money = addclamped(disk.money, -toplayer);
    return {winner, addclamped(money, toplayer), after};
}

namespace {
// Codes 1 to 31 as the old text-mode screens drew them, all in the common fixed-pitch fonts.
constexpr char16_t oemglyphs[31] = {0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8,
                                    0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C, 0x25BA,
                                    0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8, 0x2191,
                                    0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC};
} // namespace

QChar lanechar(int code) {
    if (code >= 1 && code < 0x20)
        return QChar(oemglyphs[code - 1]);
    if (code == 0x7F)
        return QChar(0x2302);
    const QChar c = fromwindows1252(QByteArray(1, static_cast<char>(code))).at(0);
    // The code page's unused slots and the soft hyphen would show nothing.
    return c.isPrint() ? c : QChar(0xFFFD);
}
