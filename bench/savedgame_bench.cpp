// Saves and loads a career whose event log holds 100 000 entries (about 4 MB) through the main
// window and the Save and Load dialogs, as a player would, and times the parts on the way.
#include "benchsetup.h"
#include "career/career.h"
#include "common/dialogs.h"
#include "common/logbox.h"
#include "samples/careerstaging.h"
#include "saves/loa.h"
#include "saves/sav.h"
#include "saves/savedgame.h"
#include "shell/form1.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>

#include <cstdio>
#include <ctime>

namespace {

constexpr int entries = 100000;

QString longlog() {
    QString log;
    log.reserve(entries * 44);
    for (int i = 0; i < entries; ++i)
        log += QStringLiteral("Day %1: you won $%2, then flew on, tired.\r\n").arg(i).arg(i % 997);
    return log;
}

// Wall time, and the processor time of this thread beside it: on a machine shared with busy
// neighbours the first says what the player waits, the second what the game itself costs.
class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart() {
        wall.start();
        cpustart = cpunow();
    }
    double wallms() const { return static_cast<double>(wall.nsecsElapsed()) / 1e6; }
    double cpums() const { return cpunow() - cpustart; }
    QByteArray text() const {
        return QByteArray::number(wallms(), 'f', 1) + " ms (processor " +
               QByteArray::number(cpums(), 'f', 1) + " ms)";
    }

private:
    static double cpunow() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
    QElapsedTimer wall;
    double cpustart = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    BenchSetup bench(argc, argv);
    AnsweringDialogs dialogs;
    setdialogs(&dialogs);

    Form1 form;
    form.startnewgame();
    const QString log = longlog();
    std::printf("log: %d entries, %lld characters\n", entries, static_cast<long long>(log.size()));
    // The career's log, which the log box shows as it is put in place.
    Stopwatch watch;
    staged(form.career).setlog(log);
    std::printf("log shown: %s\n", watch.text().constData());
    watch.restart();
    const bool same = form.eventlog->text() == log;
    std::printf("LogBox get: %s, %s\n", watch.text().constData(), same ? "same text" : "DIFFERS");

    const SavedGame game{QStringLiteral("Bench"), 250, 0, 3, log, QStringLiteral("0")};
    watch.restart();
    const QByteArray bytes = savedgamebytes(game);
    std::printf("format, write: %s for %lld bytes\n", watch.text().constData(),
                static_cast<long long>(bytes.size()));
    watch.restart();
    const SavedGameRead read = readsavedgame(bytes);
    const bool readback = read.fault == SaveFault::None && read.game == game;
    std::printf("format, read: %s, %s\n", watch.text().constData(),
                readback ? "same career" : "DIFFERS");

    // The player's way: "&Save", a name, the button; "&Load", a pick, the button.
    form.opensave();
    form.savewindow->filename->setText(QStringLiteral("bench"));
    watch.restart();
    form.savewindow->go();
    const double savewall = watch.wallms();
    const double savecpu = watch.cpums();
    std::printf("Save button: %s, %s\n", watch.text().constData(), qPrintable(dialogs.last));

    watch.restart();
    form.openload();
    form.loadwindow->games->setCurrentRow(0);
    form.loadwindow->go();
    const double loadwall = watch.wallms();
    const double loadcpu = watch.cpums();
    std::printf("\"&Load\", pick and Load button: %s, %s\n", watch.text().constData(),
                qPrintable(dialogs.last));
    // Whole in the career, and as the log box shows it.
    const QString loaded = log + QStringLiteral("You travelled back to Singapore!\r\n");
    const bool whole = form.career->log() == loaded && form.eventlog->text() == loaded;
    std::printf("save and load together: %.1f ms (processor %.1f ms), log %s\n",
                savewall + loadwall, savecpu + loadcpu, whole ? "whole" : "NOT WHOLE");
    setdialogs(nullptr);
    // Anything that differs is a fault of the game, or of the benchmark: it shows as a failure.
    return same && readback && whole ? 0 : 1;
}
