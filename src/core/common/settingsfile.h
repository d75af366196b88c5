#pragma once

#include "common/filereading.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <functional>

// The one rule of every settings and progress file the game keeps in the program folder
// (coachplan.dat, sound.dat, practicegoal.dat, replays.dat, keyboard.dat, textplaces.dat):
// - what is valid is read: a value out of range is clamped, one that can't be read is dropped
//   alone, and the rest of the line is kept;
// - an empty file is a missing one: the defaults hold and nothing is said;
// - a damaged file is copied to NAME.damaged before anything new is written over it, and the
//   player is told, naming the file and the copy;
// - a file written by a newer copy of the game is read as far as this copy can, and left
//   untouched, as is one that is there and can't be read: nothing is written over either for
//   the rest of the run, and the player is told why, once.
// A new file adopts it with a SettingsFile of its own, readsettings() and keepsettings().

// How a file's bytes read, as its reader judged them.
enum class Reading {
    Whole,
    Damaged, // something was dropped or clamped, or there was nothing to read at all
    Newer,   // a newer copy of the game wrote it
};
// The worse of two: a newer copy's file stays untouched even where it is damaged too.
Reading worse(Reading a, Reading b);

// Blanks and line ends are all an empty file holds, as the game reads it: such a file is a
// missing one.
bool holdsnothing(QByteArrayView bytes);

// A judge made of a reader that takes the values into a T of its own: they are thrown away.
template <typename T>
std::function<Reading(QByteArrayView)> judgeby(Reading (*read)(QByteArrayView, T&)) {
    return [read](QByteArrayView bytes) {
        T scratch;
        return read(bytes, scratch);
    };
}

struct SettingsFile {
    QString name; // "sound.dat"
    qint64 most;  // the most read of it
    // What goes unkept when the file can't be written, to end a sentence: "the sound
    // settings chosen are not kept". In English, marked for translation in the context
    // "SettingsFile"; it is translated where it is said.
    QString notkept;
    // How bytes read, their values thrown away: the check made again before each write, as
    // another copy of the game may have written the file since.
    std::function<Reading(QByteArrayView bytes)> judge;
};

struct SettingsRead {
    QString said;        // what the player is told, once; empty when all is well
    bool unkept = false; // nothing is to be written over the file for the rest of the run
};

// Reads the file in `folder` through `read`, which takes what it can into the caller's values
// and says how the bytes read; it is not called for a missing or empty file, nor for one that
// can't be read. With `mended`, a damaged file is set aside and rewritten with what was read at
// once, so the player hears of it now and the next start finds it whole; without, the first
// keepsettings() sets it aside.
SettingsRead readsettings(const SettingsFile& file,
                          const std::function<Reading(QByteArrayView)>& read,
                          const std::function<QByteArray()>& mended = {},
                          const QString& folder = QString());

struct SettingsWrite {
    bool written = false;
    QString said; // what the player is told; empty when all went well
};

// Writes `bytes` over the file by the rule, as the file is now: a damaged one is copied aside
// first, a newer copy's or an unreadable one is left as it is.
SettingsWrite keepsettings(const SettingsFile& file, const QByteArray& bytes,
                           const QString& folder = QString());

// The step before a write, for a file read (`read`) and judged (`reading`) by a caller that
// writes it itself, under a lock of its own: `written` says whether the write may go ahead,
// `said` what the player is told. A damaged file's bytes as read, `aside`, are kept as
// NAME.damaged first.
SettingsWrite beforewriting(const SettingsFile& file, const QString& path, const FileRead& read,
                            Reading reading, const QByteArray& aside);
// "sound.dat could not be written: the sound settings chosen are not kept."
QString notwritten(const SettingsFile& file);

// The fields of the first line of a settings file, `how` made worse where it is damaged: a
// NUL, more than one line, a field longer than `longestfield` (kept as a NUL, which no reader
// takes), a quote that never closes (its field lost), and a line cut with no line end after a
// number (which may have lost its last digits, so it is left out).
QStringList settingsfields(QByteArrayView bytes, qsizetype longestfield, Reading& how);

// The one line of a settings file: "TAG",version, then names and their values. A line of
// another tag, or none at all, reads as damaged with no fields; a later version as newer,
// with its fields, names this version does not know among them.
class SettingsLine {
public:
    SettingsLine(QByteArrayView bytes, QLatin1String tag, int version, qsizetype longestfield);
    // The fields after the tag and the version, as settingsfields() takes them.
    const QStringList& fields() const { return read; }
    Reading reading() const { return how; }
    // A value that could not be read was dropped, or one out of range clamped.
    void damaged();
    // "0" or "1" into `out`; anything else is dropped. True when it was taken.
    bool flag(const QString& value, bool& out);
    // A whole number into `out`, clamped into [min, max]; no number at all is dropped.
    bool number(const QString& value, qint64 min, qint64 max, qint64& out);
    bool number(const QString& value, int min, int max, int& out);

private:
    QStringList read;
    Reading how = Reading::Whole;
};
