// The opponent's memory on any bytes: every strategy read can be searched, and a cell it
// yields is a free cell of the board.
#include "common/fields.h"
#include "tictactoe/opponent.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList strategies =
        everyfield(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    Board board;
    board[4] = QStringLiteral("O");
    for (const QString& record :
         {QString(), QStringLiteral("1"), QStringLiteral("5"), strategies.value(0).left(3)}) {
        int cell = 0;
        const Scan found = strategymove(board, record, strategies, {}, cell);
        if (found == Scan::Found && (cell < 1 || cell > 9 || !isempty(board, cell)))
            __builtin_trap();
        if (found == Scan::Abandoned)
            __builtin_trap();
    }
    return 0;
}
