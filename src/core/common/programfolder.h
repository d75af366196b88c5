#pragma once

#include <QString>
#include <QStringList>

// The folder of every file of the player, with a trailing "/". Every file of the game lies here.
QString apppath();

// The folder rule itself, for any executable folder.
QString programfolderfor(const QString& folder);

// The start-up and tests point the game at its folder; an empty text restores the executable's.
void setprogramfolder(const QString& folder);

// What decides where the player's files live.
struct FolderSetting {
    QString exefolder;        // folder of the running program
    bool exehaswords = false; // it holds a word file: a copy unpacked or built in one folder
    bool exewritable = false; // and the player may write there
    QString datahome;         // $XDG_DATA_HOME as set, possibly empty
    QString home;             // the player's home folder
};

// A copy that holds its word files in a folder the player can write keeps everything beside
// itself (portable, as the build folder is); an installed copy uses the player's data folder.
QString chooseprogramfolder(const FolderSetting& setting);

// Makes the folder ready for play: creates it and copies in each word file it lacks, from the
// first of `sources` that has it (the player's own copies are never replaced). Returns the
// message for the player when the folder cannot be made or written, else the empty text.
QString prepareprogramfolder(const QString& folder, const QStringList& wordfiles,
                             const QStringList& sources);

// The setting of the running program, its folder and the player's environment.
FolderSetting runningsetting(const QStringList& wordfiles);

// Chooses and prepares the folder for this run, sweeps away what a killed run left half
// written, and points the game at it. `installeddata` is where an installed copy keeps its
// word files. Returns the message for the player on failure.
QString settleprogramfolder(const FolderSetting& setting, const QStringList& wordfiles,
                            const QString& installeddata);
// The same for the running program, its folder and the player's environment.
QString settleprogramfolder(const QStringList& wordfiles, const QString& installeddata);
