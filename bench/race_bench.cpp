// The race against a ghost: a keystroke in the race's typing box, with the best race of the
// level shown and the replay noted, against a bare QLineEdit (goal 1.1 times), a tick of the
// race clock that moves the ghost, and "replays.dat" loaded at its fullest and at its limit
// (goal 5 ms).
#include "benchsetup.h"
#include "competition/frmcars.h"
#include "competition/replaysfile.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

double microseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e3;
}

void typekey(QWidget* box, QChar c) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(box, &release);
}

// The most moves a kept race holds: an entry and a setback in turn (on Easy, which has none,
// entries alone), a tenth of a second apart.
Replay fullest(RaceLevel level) {
    Replay race{level, 0, {}};
    int left = track::startleft;
    const LevelRules& rules = rulesfor(level);
    for (int i = 1; i <= mostmoves; ++i) {
        left += i % 2 || rules.setback == 0 ? rules.playerstep : -rules.setback;
        race.moves.append({i * 100, left});
    }
    race.length = mostmoves * 100;
    return race;
}

// The median of `runs` loads of the file as it lies, in microseconds.
double loadtime(int runs) {
    QList<qint64> times;
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        clock.start();
        const ReplaysRead read = loadreplays();
        times.append(clock.nsecsElapsed());
        if (!read.trouble.isEmpty() && i == 0)
            std::printf("  (%s)\n", qPrintable(read.trouble));
    }
    std::sort(times.begin(), times.end());
    return microseconds(times.at(times.size() / 2));
}

} // namespace

int main(int argc, char* argv[]) {
    BenchSetup bench(argc, argv);
    AnsweringDialogs dialogs;
    setdialogs(&dialogs);

    // 4 levels of a best and ten races, each of the most moves kept.
    ReplayBook book;
    for (RaceLevel level :
         {RaceLevel::Easy, RaceLevel::Average, RaceLevel::Hard, RaceLevel::Expert})
        for (int i = 0; i <= keptraces; ++i)
            book.add(fullest(level));
    const QByteArray bytes = replaysbytes(book);
    if (!writesynced(bench.filepath(replaysfilename), bytes))
        return 1;
    std::printf("replays.dat at its fullest, %.0f KB: loaded in %.2f ms (goal 5 ms)\n",
                static_cast<double>(bytes.size()) / 1024, loadtime(50) / 1000);
    // At the limit: the rest of a megabyte on a line that is read last and refused.
    QByteArray padded = bytes + "\"race\",\"Easy\",1,\"";
    padded += QByteArray(largestreplays - padded.size() - 3, '1') + "\"\r\n";
    if (!writesynced(bench.filepath(replaysfilename), padded))
        return 1;
    std::printf("replays.dat at its limit, %.0f KB: loaded in %.2f ms (goal 5 ms)\n",
                static_cast<double>(padded.size()) / 1024, loadtime(50) / 1000);
    if (!writesynced(bench.filepath(replaysfilename), bytes))
        return 1;
    if (!writesynced(bench.filepath(QStringLiteral("avg.txt")),
                     QByteArray("alpha\r\nBravo\r\ncharlie delta\r\necho\r\n")))
        return 1;

    frmcars race(nullptr);
    race.startgame(300);
    race.start_Click();
    // Ticks are timed apart; a race that ends mid-measure would time the ending too.
    race.clock->stop();
    QCoreApplication::processEvents();
    QLineEdit bare; // in the same type, which costs the same to draw
    bare.setFont(race.typingbox->font());
    bare.resize(race.typingbox->size());
    bare.show();
    constexpr int rounds = 5;
    constexpr int keysperround = 2000;
    qint64 racetime = 0;
    qint64 baretime = 0;
    QElapsedTimer clock;
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < keysperround; ++k) {
            const QChar key = race.target->text().at(race.typingbox->text().size());
            clock.restart();
            typekey(race.typingbox, key);
            QCoreApplication::processEvents();
            racetime += clock.nsecsElapsed();
        }
        for (int k = 0; k < keysperround; ++k) {
            if (bare.text().size() >= 5)
                bare.clear();
            clock.restart();
            typekey(&bare, QLatin1Char('a' + k % 26));
            QCoreApplication::processEvents();
            baretime += clock.nsecsElapsed();
        }
    }
    const double perkeyrace = microseconds(racetime) / (rounds * keysperround);
    const double perkeybare = microseconds(baretime) / (rounds * keysperround);
    std::printf("keystroke: race with a ghost %.1f us, bare QLineEdit %.1f us, ratio %.2f "
                "(goal 1.1)\n",
                perkeyrace, perkeybare, perkeyrace / perkeybare);

    // The clock's tick, the ghost moved and the standing said, with the race kept running.
    constexpr int ticks = 1000;
    qint64 ticktime = 0;
    for (int t = 0; t < ticks; ++t) {
        clock.restart();
        race.clock_Timer();
        QCoreApplication::processEvents();
        ticktime += clock.nsecsElapsed();
        if (!race.clock->isActive() && race.start->isEnabled()) {
            race.startgame(300);
            race.start_Click();
            race.clock->stop();
        }
    }
    std::printf("a tick of the race clock with the ghost: %.1f us\n",
                microseconds(ticktime) / ticks);
    setdialogs(nullptr);
    return 0;
}
