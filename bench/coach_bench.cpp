// The typing coach's window at scale: opened on a 100 000-line "stats.dat" and a 10 MB own text
// loaded, each with the longest time the window kept events waiting, and the cost of a keystroke
// in the coach's typing box against a bare QLineEdit. Its planning alone is coachplan_bench's.
#include "benchsetup.h"
#include "coach/drillbuilder.h"
#include "coach/frmcoach.h"
#include "samples/samplerecords.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>

namespace {

double milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

// A made-up word of three to eight letters, the same for the same number.
QByteArray madeword(std::uint64_t n) {
    SeededDraw draw(n);
    QByteArray word;
    const qsizetype length = 3 + draw.below(6);
    for (qsizetype i = 0; i < length; ++i)
        word += static_cast<char>('a' + draw.below(26));
    return word;
}

void typekey(QWidget* box, QChar c) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(box, &release);
}

} // namespace

int main(int argc, char* argv[]) {
    BenchSetup bench(argc, argv);
    QByteArray stats;
    for (int i = 0; i < 100000; ++i)
        stats += statsline(samplerecord(i));
    if (!writesynced(bench.filepath(statsfilename), stats))
        return 1;

    QElapsedTimer clock;
    // A 10 MB text of sentences of eight words.
    QByteArray text;
    for (std::uint64_t i = 0; text.size() < 10 * 1024 * 1024; ++i)
        text += madeword(i) + (i % 8 == 7 ? ". " : " ") + (i % 80 == 79 ? "\n" : "");
    const QString textpath = bench.filepath(QStringLiteral("long.txt"));
    if (!writesynced(textpath, text))
        return 1;
    {
        // Opening the coach on that history: drawn at once, filled in as the records come.
        EventGaps opening;
        opening.start();
        frmcoach opened;
        opened.show();
        opened.load();
        bool filled = false;
        QObject::connect(&opened, &frmcoach::historyloaded, [&filled] { filled = true; });
        while (!filled)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const qint64 filltime = opening.elapsed();
        std::printf("the coach opened on 100 000 records, filled in %.1f ms, longest gap between "
                    "event turns %.1f ms (goal 50 ms)\n",
                    milliseconds(filltime), milliseconds(opening.stop()));
    }
    frmcoach window;
    window.show();
    window.load();
    window.finishloading();
    QCoreApplication::processEvents();
    EventGaps gaps;
    bool loaded = false;
    QObject::connect(&window, &frmcoach::textloaded, [&loaded] { loaded = true; });
    gaps.start();
    window.loadtext(textpath);
    while (!loaded)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 loadtime = gaps.elapsed();
    const qint64 longestgap = gaps.stop();
    std::printf("10 MB own text loaded in %.1f ms (goal 200 ms), longest gap between event turns "
                "%.1f ms (goal 50 ms)\n",
                milliseconds(loadtime), milliseconds(longestgap));

    // The same keys into the coach's box during a drill and into a bare QLineEdit, each window
    // painting what changed after every key, taking turns so both see the same machine.
    window.optweak->setChecked(true);
    window.startstop->click();
    QLineEdit bare; // in the same type, which costs the same to draw
    bare.setFont(window.txttype->font());
    bare.resize(window.txttype->size());
    bare.show();
    const int rounds = repeats(5, 1);
    const int keysperround = repeats(2000, 200);
    qint64 coachtime = 0;
    qint64 endtime = 0;
    int coachkeys = 0;
    int ends = 0;
    qint64 baretime = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < keysperround; ++k) {
            // A new drill is the Start button's cost, not a keystroke's: so is painting what
            // Start changed (the drill options greyed, the button's caption).
            if (!window.drilling()) {
                window.startstop->click();
                QCoreApplication::processEvents();
            }
            const QChar key = window.lbltype->text().at(window.txttype->text().size());
            clock.restart();
            typekey(window.txttype, key);
            QCoreApplication::processEvents();
            // The key that ends a drill also records it and sums it up: timed on its own.
            if (window.drilling()) {
                coachtime += clock.nsecsElapsed();
                ++coachkeys;
            } else {
                endtime += clock.nsecsElapsed();
                ++ends;
            }
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
    const double perkeycoach = milliseconds(coachtime) * 1000 / std::max(1, coachkeys);
    const double perkeybare = milliseconds(baretime) * 1000 / (rounds * keysperround);
    std::printf("keystroke: coach %.1f us, bare QLineEdit %.1f us, ratio %.2f (goal 1.3)\n",
                perkeycoach, perkeybare, perkeycoach / perkeybare);
    std::printf("the key that ends a drill: %.2f ms, %d drills (goal 50 ms)\n",
                milliseconds(endtime) / std::max(1, ends), ends);
    return 0;
}
