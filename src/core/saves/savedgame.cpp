#include "saves/savedgame.h"
#include "common/filereading.h"

#include "common/number.h"
#include "common/textfile.h"

#include <QCoreApplication>

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
    } checks[] = {{QT_TRANSLATE_NOOP("SavedGame", "money"), wholenumber(fields[1], game.money)},
                  {QT_TRANSLATE_NOOP("SavedGame", "rank"), wholenumber(fields[2], game.rank)},
                  {QT_TRANSLATE_NOOP("SavedGame", "days"), wholenumber(fields[3], game.days)},
                  {QT_TRANSLATE_NOOP("SavedGame", "training"), wholenumber(fields[5], training)}};
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
    const QString field =
        QCoreApplication::translate("SavedGame", read.field.toLatin1().constData());
    switch (read.fault) {
    case SaveFault::None:
        break;
    case SaveFault::Unreadable:
        if (read.file.ok() || read.file.missing())
            return QCoreApplication::translate("SavedGame",
                                               "%1 can't be loaded: the file could not be read.")
                .arg(filename);
        return QCoreApplication::translate("SavedGame", "%1 can't be loaded: %2.")
            .arg(filename, read.file.reason());
    case SaveFault::TooFewFields:
        return QCoreApplication::translate(
                   "SavedGame",
                   "%1 can't be loaded: it holds fewer than the six fields of a saved game.")
            .arg(filename);
    case SaveFault::NotANumber:
        return QCoreApplication::translate("SavedGame",
                                           "%1 can't be loaded: its %2 is not a whole number.")
            .arg(filename, field);
    case SaveFault::OutOfRange:
        return QCoreApplication::translate(
                   "SavedGame", "%1 can't be loaded: its %2 is beyond what the game can hold.")
            .arg(filename, field);
    case SaveFault::UnclosedQuote:
        return QCoreApplication::translate("SavedGame",
                                           "%1 can't be loaded: a quoted text in it never ends.")
            .arg(filename);
    }
    return QString();
}
