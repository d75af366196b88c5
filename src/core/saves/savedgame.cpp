#include "saves/savedgame.h"
#include "common/filereading.h"

#include "common/number.h"
#include "common/textfile.h"

#include <limits>

namespace {

// A label's lenient reading would turn a damaged field into 0 and load a career nobody saved.
template <typename T> SaveFault wholenumber(const QString& text, T& value) {
    switch (filenumber(text, value)) {
    case FileNumber::Whole:
        return SaveFault::None;
    case FileNumber::NotANumber:
        return SaveFault::NotANumber;
    case FileNumber::OutOfRange:
        break;
    }
    return SaveFault::OutOfRange;
}

} // namespace

QByteArray savedgamebytes(const SavedGame& game) {
    return LineWriter()
        .text(quotabletext(game.playername))
        .number(game.money)
        .number(game.rank)
        .number(game.days)
        .text(quotabletext(game.log))
        .text(quotabletext(game.training))
        .line();
}

SavedGameRead readsavedgame(const QByteArray& bytes) {
    FieldReader reader(bytes);
    QString fields[6];
    for (QString& field : fields) {
        if (!reader.next(field))
            return {reader.unclosedquote() ? SaveFault::UnclosedQuote : SaveFault::TooFewFields,
                    {},
                    {},
                    {}};
    }
    SavedGameRead read;
    SavedGame& game = read.game;
    game.playername = fields[0];
    game.log = std::move(fields[4]);
    game.training = fields[5];
    std::int32_t training = 0;
    const struct {
        const char* name;
        SaveFault fault;
    } checks[] = {{"money", wholenumber(fields[1], game.money)},
                  {"rank", wholenumber(fields[2], game.rank)},
                  {"days", wholenumber(fields[3], game.days)},
                  {"training", wholenumber(fields[5], training)}};
    for (const auto& check : checks) {
        if (check.fault != SaveFault::None)
            return {check.fault, QLatin1String(check.name), {}, {}};
    }
    return read;
}

SavedGameRead loadsavedgame(const QString& path) {
    QByteArray bytes;
    const FileRead file = readfile(path, largestsave, bytes);
    if (!file.ok())
        return {SaveFault::Unreadable, {}, {}, file};
    return readsavedgame(bytes);
}

QString savefaultmessage(const SavedGameRead& read, const QString& filename) {
    const QString refused = filename + QStringLiteral(" can't be loaded: ");
    switch (read.fault) {
    case SaveFault::None:
        break;
    case SaveFault::Unreadable:
        if (read.file.ok() || read.file.missing())
            return refused + QStringLiteral("the file could not be read.");
        return refused + read.file.reason() + QLatin1Char('.');
    case SaveFault::TooFewFields:
        return refused + QStringLiteral("it holds fewer than the six fields of a saved game.");
    case SaveFault::NotANumber:
        return refused + QStringLiteral("its ") + read.field +
               QStringLiteral(" is not a whole number.");
    case SaveFault::OutOfRange:
        return refused + QStringLiteral("its ") + read.field +
               QStringLiteral(" is beyond what the game can hold.");
    case SaveFault::UnclosedQuote:
        return refused + QStringLiteral("a quoted text in it never ends.");
    }
    return QString();
}
