#pragma once

#include "benchfolder.h"
#include "benchquick.h"
#include "common/dialogs.h"
#include "common/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

// What every benchmark of windows starts with: the game's windows without a display (unless one
// is asked for) and a temporary program folder, so nothing is written beside the build.
struct BenchSetup {
    // Windows let events run during long work through the game's event pump, as in the game.
    BenchSetup(int& argc, char** argv) : app(offscreen(argc), argv) {
        setdoevents([] { QCoreApplication::processEvents(); });
    }
    QString filepath(const QString& name) const { return folder.filepath(name); }

    QApplication app;
    BenchFolder folder;

private:
    static int& offscreen(int& argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};

// A 1 ms timer notes every turn of the event loop, so the longest gap between turns shows how
// long a window kept events waiting.
class EventGaps {
public:
    EventGaps() {
        turns.setInterval(1);
        QObject::connect(&turns, &QTimer::timeout, [this] { note(); });
    }
    void start() {
        lastturn = 0;
        longest = 0;
        clock.start();
        turns.start();
    }
    qint64 elapsed() const { return clock.nsecsElapsed(); }
    // Stops watching; the time since the last turn counts as a gap too. In nanoseconds.
    qint64 stop() {
        note();
        turns.stop();
        return longest;
    }

private:
    void note() {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - lastturn);
        lastturn = now;
    }
    QTimer turns;
    QElapsedTimer clock;
    qint64 lastturn = 0;
    qint64 longest = 0;
};

// Every box is answered at once, so nothing waits on a player.
class AnsweringDialogs : public Dialogs {
public:
    MsgResult message(const QString& text, const QString&, MsgIcon, MsgButtons buttons) override {
        last = text;
        return isyesno(buttons) ? MsgResult::Yes : MsgResult::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return QStringLiteral("Bench");
    }
    QString last;
};
