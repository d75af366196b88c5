#pragma once

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/random.h"
#include "common/settingsfile.h"
#include "sound/sounds.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QTemporaryDir>
#include <functional>

// The whole of a file the game wrote, for a test to look at.
bool readwholefile(const QString& path, QByteArray& bytes);
// "whole", "damaged" or "newer": how a settings file read, as a table's column says it.
QString readingname(Reading reading);

// One box the game showed, as the player would have seen it.
struct ShownBox {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    bool isinput = false;
};

// Answers boxes from a queue and records every box shown. An unscripted Yes/No is answered No;
// an unscripted input box gets "Tester", so a name prompt never loops. A null QString() among
// the inputs cancels its box; "" is an empty answer given with OK.
class ScriptedDialogs : public Dialogs {
public:
    MsgResult message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaulttext) override;
    // Shown as a box whose text is the suggested file; answered from `files`, else cancelled.
    QString savefile(const QString& title, const QString& suggested,
                     const QString& filter) override;
    // The folder chooser behind "Browse...": shown as a box whose text is the folder it starts
    // at; answered from `folders`, a null QString() or none cancelling it. The drive prompt
    // itself is answered from `inputs`, as any input box.
    QString choosefolder(const QString& title, const QString& start) override;

    QQueue<MsgResult> answers;
    QQueue<QString> inputs;
    QQueue<QString> files;
    QQueue<QString> folders;
    QList<ShownBox> shown;
    // Runs inside a message box, as a timer tick would while a real box is open.
    std::function<void()> whileopen;

    QStringList texts() const;
};

// Returns the listed draws in order, then 0. Records every reseed.
class ScriptedRandom : public RandomSource {
public:
    double next() override;
    void reseed(double value) override { reseeds.append(value); }
    QQueue<double> draws;
    QList<double> reseeds;
    int drawn = 0;
};

// The time of day, the race's milliseconds and the local date and time, as a test sets them. The
// date and time are kept in UTC, so they read the same whatever zone the machine is in.
class FixedClock : public Clock {
public:
    int secondssincemidnight() override { return seconds; }
    std::int64_t milliseconds() override { return ms; }
    QDateTime localnow() override { return now; }
    int seconds = 43200;
    QDateTime now = QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
    // Stands still unless a test moves it on.
    std::int64_t ms = 0;
};

// Records every sound that would be heard, with its volume, and plays nothing.
class RecordedSounds : public Sounds {
public:
    void play(Sound sound, double volume) override {
        heard.append(sound);
        volumes.append(volume);
    }
    QList<Sound> heard;
    QList<double> volumes;
};

// Installs the fakes, a temporary program folder, a watched program end and the event pump;
// restores all.
class GameFixture {
public:
    GameFixture();
    ~GameFixture();
    QString folder() const;
    // Puts a data file into the program folder, as the game would find it beside itself.
    void writefile(const QString& name, const QByteArray& bytes) const;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FixedClock clock;
    // What would be heard, with the sound settings as a new player has them.
    RecordedSounds sounds;
    int endings = 0;

private:
    QTemporaryDir dir;
};
