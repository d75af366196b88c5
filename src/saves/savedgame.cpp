#include "saves/savedgame.h"

#include "common/textfile.h"

#include <limits>

namespace {

// A whole number as the game writes one: an optional minus sign and digits, nothing else. A
// label's lenient reading would turn a damaged field into 0 and load a career nobody saved.
SaveFault wholenumber(const QString& text, std::int64_t min, std::int64_t max,
                      std::int64_t& value) {
    const bool negative = text.startsWith(QLatin1Char('-'));
    const qsizetype first = negative ? 1 : 0;
    if (text.size() == first)
        return SaveFault::NotANumber;
    std::int64_t magnitude = 0;
    bool toolarge = false;
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return SaveFault::NotANumber;
        // Far beyond any width of the career; stop counting before 64 bits could overflow.
        if (magnitude > (std::int64_t{1} << 40))
            toolarge = true;
        else
            magnitude = magnitude * 10 + (c - u'0');
    }
    value = negative ? -magnitude : magnitude;
    if (toolarge || value < min || value > max)
        return SaveFault::OutOfRange;
    return SaveFault::None;
}

template <typename T> SaveFault wholenumber(const QString& text, T& value) {
    std::int64_t wide = 0;
    const SaveFault fault =
        wholenumber(text, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), wide);
    value = static_cast<T>(wide);
    return fault;
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
            return {check.fault, QLatin1String(check.name), {}};
    }
    return read;
}

SavedGameRead loadsavedgame(const QString& path) {
    QByteArray bytes;
    if (!readwholefile(path, bytes))
        return {SaveFault::Unreadable, {}, {}};
    return readsavedgame(bytes);
}

QString savefaultmessage(const SavedGameRead& read, const QString& filename) {
    const QString refused = filename + QStringLiteral(" can't be loaded: ");
    switch (read.fault) {
    case SaveFault::None:
        break;
    case SaveFault::Unreadable:
        return refused + QStringLiteral("the file could not be read.");
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
