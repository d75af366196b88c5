#include "saves/savedgames.h"

#include "career/career.h"
#include "common/filename.h"
#include "common/filewriting.h"

#include <QDir>
#include <QFileInfo>

QStringList SavedGames::list() const {
    return QDir(folder).entryList({QStringLiteral("*") + ending}, QDir::Files | QDir::CaseSensitive,
                                  QDir::Name);
}

QString SavedGames::gamename(QString file) {
    return file.remove(ending, Qt::CaseSensitive);
}

SaveCheck SavedGames::prepare(Career& career, const QString& name) {
    // What the status panel shows, as the game has always saved it.
    const SavedGame game = career.tosave();
    if (name.isEmpty())
        return SaveCheck::NoName;
    if (!isplainfilename(name, ending))
        return SaveCheck::NotAFileName;
    if (name.startsWith(QLatin1Char('.')))
        return SaveCheck::Hidden;
    savename = name;
    tosave = game;
    // One key on a picked row must not replace another career, or this one's later day.
    const QFileInfo existing(file(name));
    if (existing.exists() && !existing.isDir() && file(name) != career.file())
        return SaveCheck::ReplacesAnother;
    return SaveCheck::Ready;
}

bool SavedGames::write(Career& career) {
    const bool written = replacefile(file(savename), savedgamebytes(tosave));
    // Let go of the log, which the career would otherwise copy whole at its next entry.
    tosave = SavedGame();
    if (written)
        career.markcareer(file(savename));
    return written;
}
