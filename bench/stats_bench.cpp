// The typing statistics at scale: opens the window on a generated "stats.dat" of 100 000 lines,
// printing how long it takes until its charts are drawn and the longest time the window went
// without answering events meanwhile, how long it takes to narrow it to one career and to show
// a record that just ended, then the time to append one record. Then the coach and practice open
// on the same history, and the process's memory shows it is held once.
#include "benchsetup.h"
#include "coach/frmcoach.h"
#include "common/filewriting.h"
#include "samples/samplerecords.h"
#include "stats/frmstats.h"
#include "stats/typinghistory.h"
#include "typing/frmp.h"
#include "typing/levels.h"
#include "typing/wordlist.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int lines = 100000;

double milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

// The memory the process holds now (resident), in MB, as the kernel counts it.
double residentmb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// The bytes a record's letter pairs add to its line: the line with them against the line without.
struct PairShare {
    qint64 with = 0;
    qint64 without = 0;
    void add(const TypingRecord& record) {
        TypingRecord bare = record;
        bare.counts.pairtime.clear();
        with += statsline(record).size();
        without += statsline(bare).size();
    }
    double percent() const { return 100.0 * static_cast<double>(with - without) / without; }
};

// A whole exercise of a level's word file typed without a slip, a key every 150 to 400 ms.
TypingRecord typedexercise(const QStringList& words) {
    KeystrokeCounter counter;
    counter.restart();
    std::int64_t clock = 0;
    std::uint32_t wobble = 1;
    for (const QString& entry : words) {
        for (qsizetype n = 1; n <= entry.size(); ++n) {
            wobble = wobble * 1103515245u + 12345u;
            clock += 150 + (wobble >> 16) % 250;
            counter.changed(entry, entry.left(n), clock);
        }
        counter.changed(entry, QString(), clock);
    }
    return endedrecord(QStringLiteral("Practice"), QStringLiteral("Average"),
                       QStringLiteral("Completed"), clock, counter.finish());
}

} // namespace

int main(int argc, char* argv[]) {
    BenchSetup bench(argc, argv);
    const QString path = bench.filepath(statsfilename);
    QByteArray bytes;
    PairShare sample;
    for (int i = 0; i < lines; ++i) {
        bytes += statsline(samplerecord(i));
        if (i % 100 == 0)
            sample.add(samplerecord(i));
    }
    std::printf("letter pairs add %.1f %% to the made-up typist's lines\n", sample.percent());
    // What they add to a whole exercise typed of each level's word file, in file order.
    for (const PracticeLevel& level : practicelevels()) {
        QStringList words;
        if (!loadwords(words,
                       QCoreApplication::applicationDirPath() + QStringLiteral("/../") + level.file)
                 .ok())
            continue;
        PairShare typed;
        typed.add(typedexercise(words));
        std::printf("letter pairs add %.1f %% to the line of an exercise of %s (%lld bytes)\n",
                    typed.percent(), qPrintable(level.file), static_cast<long long>(typed.with));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();

    frmstats window;
    window.show();
    QCoreApplication::processEvents();
    const double before = residentmb();
    EventGaps gaps;
    gaps.start();
    window.load();
    while (window.loading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.repaint();
    const qint64 opened = gaps.elapsed();
    const qint64 longestgap = gaps.stop();
    std::printf("%d lines (%lld bytes): %lld records shown, charts drawn %.1f ms, longest gap "
                "between event turns %.1f ms\n",
                lines, static_cast<long long>(bytes.size()),
                static_cast<long long>(window.book().rows().size()), milliseconds(opened),
                milliseconds(longestgap));

    // What the player does with the window open: narrowing it to one career, and an exercise
    // ending while it shows all 100 000.
    QElapsedTimer narrowing;
    narrowing.start();
    window.onlycurrent->setChecked(true);
    window.onlycurrent->setChecked(false);
    const qint64 narrowed = narrowing.nsecsElapsed() / 2;
    QElapsedTimer adding;
    adding.start();
    TypingHistory::shared()->add(samplerecord(lines));
    std::printf("narrowing to one career or back %.1f ms, an exercise ending while shown %.1f ms\n",
                milliseconds(narrowed), milliseconds(adding.nsecsElapsed()));

    const double withstats = residentmb();

    // The coach and practice on the same history: neither reads it again, nor holds a copy.
    {
        EventGaps opening;
        opening.start();
        frmcoach coach;
        coach.show();
        coach.load();
        bool filled = false;
        QObject::connect(&coach, &frmcoach::historyloaded, [&filled] { filled = true; });
        while (!filled)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const qint64 filltime = opening.elapsed();
        const qint64 coachgap = opening.stop();
        opening.start();
        frmp practice(nullptr);
        practice.show();
        practice.setrecorder(nullptr);
        QCoreApplication::processEvents();
        const qint64 practicegap = opening.stop();
        std::printf("the coach opened on it, filled in %.1f ms, longest gap %.1f ms; practice "
                    "opened, longest gap %.1f ms (goal 50 ms)\n",
                    milliseconds(filltime), milliseconds(coachgap), milliseconds(practicegap));
        std::printf("memory: %.1f MB before the history, %.1f MB with the statistics open, %.1f MB "
                    "with the coach and practice open too\n",
                    before, withstats, residentmb());
    }

    // Appending to the file of 100 000 lines, one record at a time.
    const int appends = repeats(1000, 20);
    qint64 slowest = 0;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < appends; ++i) {
        const QByteArray line = statsline(samplerecord(i));
        QElapsedTimer one;
        one.start();
        if (!appendtofile(path, line))
            return 1;
        slowest = std::max(slowest, one.nsecsElapsed());
    }
    std::printf("appending one record: %.3f ms on average, %.3f ms at most (%d appends)\n",
                milliseconds(total.nsecsElapsed()) / appends, milliseconds(slowest), appends);
    return 0;
}
