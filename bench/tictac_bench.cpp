// One reply of the tic-tac-toe opponent that searches 60 000 learned strategies, none of them
// matching, timed over several replies; a 1 ms timer meanwhile records the longest time the
// window went without an event-loop turn.
#include "benchsetup.h"
#include "tictactoe/tictac.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// As many as brain.dat holds at the most the game reads of it.
constexpr int strategies = 60000;
constexpr int replies = 20;

double milliseconds(qint64 ns) {
    return static_cast<double>(ns) / 1e6;
}

// The reply's own work, apart from whatever else the machine runs meanwhile.
qint64 cpuns() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

struct Figures {
    double mean = 0;
    double cpumean = 0;
    double slowest = 0;
    double longestgap = 0;
};

Figures measure(tictac& window) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longestgap = 0;
    bool measuring = false;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (!measuring)
            return;
        const qint64 now = clock.nsecsElapsed();
        longestgap = std::max(longestgap, now - last);
        last = now;
    });
    ticker.start();

    std::vector<double> times;
    qint64 cpu = 0;
    for (int i = 0; i < replies; ++i) {
        // The computer opened on the centre; the player answers in a corner. Neither record
        // occurs in any strategy, so both searches run to the end.
        window.startreset_Click();
        Board centre;
        centre[4] = QStringLiteral("O");
        window.match.setgame(centre, {}, QStringLiteral("5"), 1);
        window.showgame();
        measuring = true;
        const qint64 start = clock.nsecsElapsed();
        last = start;
        const qint64 cpustart = cpuns();
        window.cell_Click(9);
        cpu += cpuns() - cpustart;
        const qint64 end = clock.nsecsElapsed();
        longestgap = std::max(longestgap, end - last);
        measuring = false;
        times.push_back(milliseconds(end - start));
        if (window.compmoves->text().size() != 2)
            std::printf("reply %d took %lld cells\n", i,
                        static_cast<long long>(window.compmoves->text().size() - 1));
    }
    Figures f;
    for (double t : times)
        f.mean += t / replies;
    f.cpumean = milliseconds(cpu) / replies;
    f.slowest = *std::max_element(times.begin(), times.end());
    f.longestgap = milliseconds(longestgap);
    return f;
}

void report(const char* what, const Figures& f) {
    std::printf("%s: reply mean %.2f ms (%.2f ms of processor time), slowest %.2f ms; longest gap "
                "between event-loop turns %.2f ms\n",
                what, f.mean, f.cpumean, f.slowest, f.longestgap);
}

} // namespace

int main(int argc, char* argv[]) {
    BenchSetup bench(argc, argv);
    {
        QByteArray brain;
        for (int i = 0; i < strategies; ++i)
            brain += "\"2468\"\r\n";
        QFile file(bench.filepath(QStringLiteral("brain.dat")));
        if (!file.open(QIODevice::WriteOnly) || file.write(brain) != brain.size())
            return 1;
    }

    QElapsedTimer timer;
    timer.start();
    tictac window(nullptr);
    std::printf("window load with %lld strategies: %.2f ms\n",
                static_cast<long long>(window.strategies().size()),
                milliseconds(timer.nsecsElapsed()));
    window.show();
    report("accessibility off", measure(window));
    QAccessible::setActive(true);
    report("accessibility on", measure(window));
    return 0;
}
