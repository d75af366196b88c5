// The race against a ghost: a keystroke in the race's typing box, with the best race of the
// level shown and the replay noted and with it hidden, against a bare QLineEdit (goal 1.1
// times), a tick of the race clock that moves the ghost, and "replays.dat" loaded at its
// fullest and at its limit (goal 5 ms).
#include "benchsetup.h"
#include "competition/frmcars.h"
#include "competition/replaysfile.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>

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
    const int rounds = repeats(10, 1);
    const int keysperround = repeats(2000, 200);
    // With the ghost shown, with it hidden ("Race my best" off), and a bare box, in turn.
    // Each key's own time, so a busy moment of the machine moves the medians little.
    std::array<QList<qint64>, 3> times;
    QElapsedTimer clock;
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t way = 0; way < times.size(); ++way) {
            if (way < 2)
                race.racemybest->setChecked(way == 0);
            QCoreApplication::processEvents();
            for (int k = 0; k < keysperround; ++k) {
                QWidget* box = way < 2 ? static_cast<QWidget*>(race.typingbox) : &bare;
                QChar key = QLatin1Char('a' + k % 26);
                if (way < 2)
                    key = race.target->text().at(race.typingbox->text().size());
                else if (bare.text().size() >= 5)
                    bare.clear();
                clock.restart();
                typekey(box, key);
                QCoreApplication::processEvents();
                times[way].append(clock.nsecsElapsed());
            }
        }
    }
    race.racemybest->setChecked(true);
    // The median leaves out the keys that end an entry; the mean takes them in.
    const auto median = [](const QList<qint64>& all) {
        QList<qint64> keys = all;
        std::sort(keys.begin(), keys.end());
        return microseconds(keys.at(keys.size() / 2));
    };
    const auto mean = [](const QList<qint64>& keys) {
        return microseconds(std::accumulate(keys.cbegin(), keys.cend(), qint64(0))) /
               static_cast<double>(keys.size());
    };
    const auto report = [&times](const char* what, double (*figure)(const QList<qint64>&)) {
        const double ghost = figure(times[0]);
        const double noghost = figure(times[1]);
        const double barebox = figure(times[2]);
        std::printf("keystroke (%s): race with its ghost %.1f us, without %.1f us, bare "
                    "QLineEdit %.1f us, ratio %.2f (goal 1.1), with the ghost against without "
                    "%.2f\n",
                    what, ghost, noghost, barebox, ghost / barebox, ghost / noghost);
    };
    report("median", median);
    report("mean", mean);

    // The clock's tick, the ghost moved and the standing said, with the race kept running.
    const int ticks = repeats(1000, 100);
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
