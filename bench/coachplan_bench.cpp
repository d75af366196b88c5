// The typing coach's planning at scale, with no window: the confidence of every key from a
// 100 000-line "stats.dat", each language's word list loaded, and a weak-keys drill and a
// weak-pairs drill built from that list and history.
#include "benchfolder.h"
#include "coach/drillbuilder.h"
#include "coach/drillwords.h"
#include "coach/keyplan.h"
#include "coach/languagewords.h"
#include "coach/weakpairsdrill.h"
#include "samples/samplerecords.h"
#include "stats/statshistory.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {
double milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    BenchFolder bench;
    QByteArray stats;
    for (int i = 0; i < 100000; ++i)
        stats += statsline(samplerecord(i));
    if (!writesynced(bench.filepath(statsfilename), stats))
        return 1;

    // The history is read once, on a thread of its own while the windows answer: every record
    // for the statistics and each key's confidence for the coach. This is its time.
    QElapsedTimer clock;
    clock.start();
    const StatsHistory history = loadstatshistory(apppath());
    const qint64 read = clock.nsecsElapsed();
    std::printf("the typing history of 100 000 records, with the confidence of %lld keys, read in "
                "%.1f ms (goal 200 ms, off the windows' thread)\n",
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
        // The pairs' weights are worked out once, as the words come; then the drill.
        clock.restart();
        const PairDrill pairs =
            buildpairdrill(model.words(), history.pairs(), pairweights(model.words()), inplay, 1);
        const qint64 pairsbuilt = clock.nsecsElapsed();
        std::printf("%s: %lld words loaded in %.1f ms (goal 50 ms), modelled in %.1f ms; drill of "
                    "%lld entries on '%s' built in %.2f ms (goal 20 ms); weak-pairs drill of %lld "
                    "entries on %lld pairs, words weighed and built in %.2f ms (goal 20 ms)\n",
                    qPrintable(language.name), static_cast<long long>(count), milliseconds(loaded),
                    milliseconds(modelled), static_cast<long long>(drill.entries.size()),
                    qPrintable(QString(keys.focus)), milliseconds(built),
                    static_cast<long long>(pairs.entries.size()),
                    static_cast<long long>(pairs.pairs.size()), milliseconds(pairsbuilt));
    }
    return 0;
}
