#pragma once

#include "saves/savedgame.h"

#include <QString>
#include <QStringList>

class Career;

// What stands in the way of a save under the name given.
enum class SaveCheck {
    NoName,
    // A name that would lead out of the program folder, or that no file can have.
    NotAFileName,
    // A name beginning with a dot makes a hidden file, which the Load list never shows.
    Hidden,
    // Another saved game is there: not the one the career was last saved to or loaded from.
    ReplacesAnother,
    Ready,
};

// The saved games of the program folder, as the Save and Load dialogs use them: listed, named,
// saved from the career and read back whole before any of it replaces the career.
class SavedGames {
public:
    explicit SavedGames(QString folder) : folder(std::move(folder)) {}

    static inline const QString ending = QStringLiteral(".kvr");

    // The games there, file names in order, exact case: a "X.KVR" listed could not be opened
    // under the name it would be given.
    QStringList list() const;
    // A picked file's game name: every ".kvr" taken out, so "x.kvr.kvr" names "x".
    static QString gamename(QString file);
    QString file(const QString& name) const { return folder + name + ending; }

    // Save, first step: the career's panel refreshed and kept as the game to save under `name`,
    // and what stands in the way of writing it there.
    SaveCheck prepare(Career& career, const QString& name);
    // Save, second step: the game kept is written beside any old one and renamed over it, so a
    // failed write leaves that one whole (false). Written, it is the career's own file.
    bool write(Career& career);

    // Load: the game of that name, read and checked whole; nothing changes yet.
    SavedGameRead read(const QString& name) const { return loadsavedgame(file(name)); }

private:
    QString folder;
    QString savename;
    SavedGame tosave;
};
