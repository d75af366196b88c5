#include "stats/pairtimes.h"
#include "stats/statshistory.h"

#include <QTest>

namespace {

// "th 300x20 t 150x40 h 150x40": records, each of pairs (two letters) and keys (one), each
// typed in so many ms so many times. The pairs' timings are their second keys' too.
QByteArray history(const QStringList& records) {
    QByteArray bytes;
    for (const QString& record : records) {
        TypingRecord r;
        r.ended = QDateTime(QDate(2026, 12, 8), QTime(12, 0));
        r.activity = QStringLiteral("Practice");
        r.result = QStringLiteral("Completed");
        const QStringList parts = record.split(QLatin1Char(' '));
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
            const qint64 ms = parts[i + 1].section(QLatin1Char('x'), 0, 0).toLongLong();
            const qint64 times = parts[i + 1].section(QLatin1Char('x'), 1).toLongLong();
            const QString& name = parts[i];
            r.counts.keytime[name.back()].add(ms * times, times);
            if (name.size() == 2)
                r.counts.pairtime[letterpair(name[0], name[1])].add(ms * times, times);
            r.counts.tally.charstyped += 2 * times;
        }
        bytes += statsline(r);
    }
    return bytes;
}

QString standings(const QList<PairStanding>& ranked) {
    QStringList out;
    for (const PairStanding& s : ranked)
        out << QStringLiteral("%1 %2").arg(pairname(s.pair)).arg(qRound(s.slowerby()));
    return out.join(QStringLiteral(", "));
}

} // namespace

class PairTimesTest : public QObject {
    Q_OBJECT
private slots:
    void ranking_data();
    void ranking();
    void smoothingbyparts();
};

void PairTimesTest::ranking_data() {
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("weights"); // words of the language, none for even weights
    QTest::addColumn<QString>("letters"); // the keys in play, none for all
    QTest::addColumn<QString>("ranked");  // pair and ms slower than its second key alone
    const QString keys = QStringLiteral("t 150x40 h 150x40 j 300x40 u 200x40");
    // clang-format off
    QTest::newRow("19 timings don't rank") << QStringList{keys + " th 400x19"} << "" << "" << "";
    QTest::newRow("20 timings rank") << QStringList{keys + " th 400x20"} << "" << "" << "th 167";
    // Each pair against its second key alone: how slow j is makes ju no slower.
    QTest::newRow("slow for its key ranks first") << QStringList{keys + " th 380x20 ju 420x20"} << "" << "" << "th 153, ju 147";
    // One slow key makes every pair it ends as slow as itself: slow for themselves, they are not.
    QTest::newRow("one slow key fills no list") << QStringList{keys + " p 700x40 mp 700x20 sp 700x20 ap 700x20 th 400x20"} << "" << "" << "th 167, ap 0, mp 0, sp 0";
    QTest::newRow("a pair as fast as its keys") << QStringList{keys + " th 150x20"} << "" << "" << "th 0";
    // th comes far more often in the words: slower by less, it still ranks first. A pair the
    // words lack weighs nothing: ju's slowness is none, and no pair is slower.
    QTest::newRow("common pairs weigh more") << QStringList{keys + " th 300x20 ju 420x20"} << "the then that with jump" << "" << "th 100, ju 147";
    QTest::newRow("a pair the words lack weighs nothing") << QStringList{keys + " th 300x20 ju 420x20"} << "the" << "" << "th 100, ju 147";
    QTest::newRow("only pairs of the keys in play") << QStringList{keys + " th 300x20 ju 420x20"} << "" << "jut" << "ju 147";
    QTest::newRow("a capital pair weighs as its letters") << QStringList{keys + " Th 380x20 uh 300x20"} << "the jug" << "" << "Th 135, uh 55";
    // The keys' figures hold their pairs' timings too. Recent typing counts most: slow long ago,
    // quick of late.
    QTest::newRow("recent timings count most") << QStringList{keys + " th 900x20", keys + " th 200x30"} << "" << "" << "th 58";
    // clang-format on
}

void PairTimesTest::ranking() {
    QFETCH(QStringList, records);
    QFETCH(QString, weights);
    QFETCH(QString, letters);
    const StatsHistory h = readstatshistory(history(records), 1);
    const PairWeights w =
        weights.isEmpty() ? PairWeights() : pairweights(weights.split(QLatin1Char(' ')));
    QTEST(standings(rankpairs(h.pairs(), w, 10, letters.isEmpty() ? QString() : letters)),
          "ranked");
}

// Read in parts at once, the smoothed times are those of reading in order.
void PairTimesTest::smoothingbyparts() {
    QStringList records;
    for (int i = 0; i < 300; ++i)
        records << QStringLiteral("t %1x3 h 150x2 th %2x%3")
                       .arg(100 + i % 7)
                       .arg(200 + i % 50)
                       .arg(1 + i % 3);
    const QByteArray bytes = history(records);
    const StatsHistory once = readstatshistory(bytes, 1);
    const StatsHistory parts = readstatshistory(bytes, 4);
    const LetterPair th = letterpair(QLatin1Char('t'), QLatin1Char('h'));
    QCOMPARE(parts.pairs().pair(th).timed, once.pairs().pair(th).timed);
    QVERIFY(qAbs(parts.pairs().pair(th).ms - once.pairs().pair(th).ms) < 1e-9);
    QVERIFY(qAbs(parts.pairs().key(QLatin1Char('h')).ms - once.pairs().key(QLatin1Char('h')).ms) <
            1e-9);
    // The first record sets the figure; each timing after moves it a tenth of the way.
    const StatsHistory two = readstatshistory(history({"h 300x1 th 300x1", "h 200x1 th 200x1"}), 1);
    QCOMPARE(two.pairs().pair(th).ms, 290.0);
    // The keys' figures that pairs are weighed against start likewise; h was timed twice a record.
    QCOMPARE(two.pairs().key(QLatin1Char('h')).ms, 281.0);
}

QTEST_GUILESS_MAIN(PairTimesTest)
#include "pairtimes_test.moc"
