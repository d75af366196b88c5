// The typing coach at scale: the confidence of every key from a 100 000-line "stats.dat", a word
// list loaded, a weak-keys drill built from it and that history, a 10 MB own text loaded with the
// longest time the window kept events waiting, and the cost of a keystroke in the coach's typing
// box against a bare QLineEdit.
#include "benchsetup.h"
#include "coach/coachhistory.h"
#include "coach/drillbuilder.h"
#include "coach/drillwords.h"
#include "coach/frmcoach.h"
#include "coach/keyplan.h"
#include "coach/languagewords.h"
#include "samples/samplerecords.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace {

double milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

// Synced, as the game leaves stats.dat: pages still being written out are slower to read.
bool writebytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           ::fsync(file.handle()) == 0;
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
    if (!writebytes(bench.filepath(statsfilename), stats))
        return 1;

    // The history is read on a thread of its own while the window answers; this is its time.
    QElapsedTimer clock;
    clock.start();
    const CoachHistory history = loadcoachhistory(apppath());
    const qint64 read = clock.nsecsElapsed();
    std::printf("confidence of %lld keys from 100 000 records in %.1f ms (goal 100 ms, off the "
                "window's thread)\n",
                static_cast<long long>(history.keys.all().size()), milliseconds(read));

    for (const CoachLanguage& language : coachlanguages()) {
        clock.restart();
        LanguageWords list = loadlanguagewords(language.code);
        const qint64 loaded = clock.nsecsElapsed();
        const qsizetype count = list.words.size();
        clock.restart();
        const QList<QChar> letters = letterorder(list.words);
        const DrillWords model(std::move(list.words));
        const qint64 modelled = clock.nsecsElapsed();
        // The keys in play and the focus from that history, then the drill: all Start does.
        clock.restart();
        const QList<QChar> order = keyorder(letters, Stages{true, true, true});
        auto stat = [&](QChar key) { return history.keys.stat(key); };
        const QString inplay = keysinplay(order, QString(order.constData(), order.size() - 3),
                                          [&](QChar key) { return reachedtarget(stat(key), 35); });
        const FocusChoice keys =
            choosefocus(inplay, [&](QChar key) { return confidence(stat(key), 35); });
        const BuiltDrill drill = buildweakdrill(model, keys, inplay, 1);
        const qint64 built = clock.nsecsElapsed();
        std::printf("%s: %lld words loaded in %.1f ms (goal 50 ms), modelled in %.1f ms; drill of "
                    "%lld entries on '%s' built in %.2f ms (goal 20 ms)\n",
                    qPrintable(language.name), static_cast<long long>(count), milliseconds(loaded),
                    milliseconds(modelled), static_cast<long long>(drill.entries.size()),
                    qPrintable(QString(keys.focus)), milliseconds(built));
    }

    // A 10 MB text of sentences of eight words.
    QByteArray text;
    for (std::uint64_t i = 0; text.size() < 10 * 1024 * 1024; ++i)
        text += madeword(i) + (i % 8 == 7 ? ". " : " ") + (i % 80 == 79 ? "\n" : "");
    const QString textpath = bench.filepath(QStringLiteral("long.txt"));
    if (!writebytes(textpath, text))
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
    constexpr int rounds = 5;
    constexpr int keysperround = 2000;
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
