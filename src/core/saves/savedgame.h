#pragma once

#include "common/filereading.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// One saved career as its ".kvr" file holds it: a single line of six fields, the name, money,
// rank, days, the whole event log (line breaks inside the quotes) and the training label's text.
struct SavedGame {
    QString playername;
    std::int32_t money = 0;
    std::int16_t rank = 0;
    std::int32_t days = 0;
    QString log;
    QString training;

    bool operator==(const SavedGame&) const = default;
};

// The file's exact bytes. A double quote in the name, the log or the training would end its
// field early and make the file unreadable, so it is written as a single quote.
QByteArray savedgamebytes(const SavedGame& game);

// Why a file is not a saved game. A file is taken whole or not at all.
enum class SaveFault { None, Unreadable, TooFewFields, NotANumber, OutOfRange, UnclosedQuote };

struct SavedGameRead {
    SaveFault fault = SaveFault::None;
    // The field at fault ("money", "rank", "days", "training"), for NotANumber and OutOfRange.
    QString field;
    // Only meaningful when fault is None.
    SavedGame game;
    // Why the file itself was not read, for Unreadable.
    FileRead file;
};

// A hundred thousand entries of event log take about 4 MB.
inline constexpr qint64 largestsave = 16 * 1024 * 1024;

SavedGameRead readsavedgame(const QByteArray& bytes);
// The same from a file; Unreadable when it can't be opened or read, or is no file of a size
// a saved game can have.
SavedGameRead loadsavedgame(const QString& path);

// What the player is told when the named file is refused.
QString savefaultmessage(const SavedGameRead& read, const QString& filename);
