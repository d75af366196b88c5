#include "coach/drillbuilder.h"
#include "coach/mistypedqueue.h"
#include "coach/wordpool.h"

#include <QSet>
#include <QTest>

#include <algorithm>

class DrillBuilderTest : public QObject {
    Q_OBJECT
private slots:
    void weakdrill_data();
    void weakdrill();
    void mistyped_data();
    void mistyped();
    void mistypedweighted();
};

void DrillBuilderTest::weakdrill_data() {
    QTest::addColumn<QString>("sources");
    QTest::addColumn<QString>("keys"); // the focus, then the others
    QTest::addColumn<bool>("madeup");
    const QString twentye =
        "here there where sheer beer deer leer peer veer jeer seer tree free bee see fee knee glee three flee";
    const QString onlytree = "bee see fee knee glee flee tee wee pee lee gee dee zee vee yee tree";
    // clang-format off
    QTest::newRow("enough words")            << twentye                            << "er" << false;
    QTest::newRow("others mixed in")         << onlytree                           << "er" << false;
    QTest::newRow("few words")               << "queen quit quiet aqua tea lake"   << "qu" << true;
    QTest::newRow("one word")                << "zoo"                              << "z"  << true;
    QTest::newRow("entries split at blanks") << "the quick brown fox, jumps over"  << "x"  << true;
    QTest::newRow("letters past ASCII")      << "äpfel über ärger"                 << "ä"  << true;
    QTest::newRow("space between words")     << "one two three"                    << " w" << false;
    // clang-format on
}

void DrillBuilderTest::weakdrill() {
    QFETCH(QString, sources);
    QFETCH(QString, keys);
    QFETCH(bool, madeup);
    WordPool pool;
    pool.addtexts({sources, sources}); // a word that comes twice is one word
    FocusChoice choice;
    choice.focus = keys[0];
    for (QChar c : keys.mid(1))
        choice.others.append(c);
    const QStringList drill = buildweakdrill(pool, choice, 7);
    QCOMPARE(drill.size(), drilllength);
    QCOMPARE(buildweakdrill(pool, choice, 7), drill);
    QVERIFY(buildweakdrill(pool, choice, 8) != drill);
    const QSet<QString> real(pool.words().cbegin(), pool.words().cend());
    int made = 0;
    for (qsizetype i = 0; i < drill.size(); ++i) {
        const QString& entry = drill[i];
        QVERIFY2(entry.contains(choice.focus), qPrintable(entry));
        for (QChar c : entry)
            QVERIFY2(sources.contains(c), qPrintable(entry));
        const QStringList parts = entry.split(QLatin1Char(' '));
        made += std::all_of(parts.cbegin(), parts.cend(),
                            [&](const QString& part) { return real.contains(part); })
                    ? 0
                    : 1;
        if (!madeup && i % 3 == 2)
            QVERIFY2(entry.contains(choice.others[0]), qPrintable(entry));
    }
    QCOMPARE(made > 0, madeup);
}

void DrillBuilderTest::mistyped_data() {
    QTest::addColumn<int>("entries"); // "e0" to "eN", mistyped once each
    QTest::addColumn<QList<bool>>("wrongkeys");
    QTest::addColumn<int>("left");
    // clang-format off
    QTest::newRow("none mistyped")          << 0  << QList<bool>{}                   << 0;
    QTest::newRow("typed right, gone")      << 1  << QList<bool>{false}              << 0;
    QTest::newRow("wrong key, back again")  << 1  << QList<bool>{true, true, false}  << 0;
    QTest::newRow("back behind the others") << 2  << QList<bool>{true, false}        << 1;
    QTest::newRow("twenty at most")         << 30 << QList<bool>{}                   << 20;
    // clang-format on
}

void DrillBuilderTest::mistyped() {
    QFETCH(int, entries);
    QFETCH(QList<bool>, wrongkeys);
    QFETCH(int, left);
    QHash<QString, std::int64_t> tally;
    for (int i = 0; i < entries; ++i)
        tally.insert(QStringLiteral("e%1").arg(i), 1);
    tally.insert(QStringLiteral("never"), 0);
    MistypedQueue queue(tally, 3);
    QString wrongone;
    for (bool wrong : wrongkeys) {
        if (wrong)
            wrongone = queue.current();
        queue.typed(wrong);
    }
    QCOMPARE(queue.left(), left);
    if (left > 0 && !wrongone.isEmpty())
        QCOMPARE(queue.current(), wrongone);
}

void DrillBuilderTest::mistypedweighted() {
    // Mistyped a hundred times against once: it should nearly always come first.
    const QHash<QString, std::int64_t> tally = {{"often", 100}, {"once", 1}};
    int first = 0;
    for (std::uint64_t seed = 0; seed < 200; ++seed)
        first += MistypedQueue(tally, seed).current() == QLatin1String("often") ? 1 : 0;
    QVERIFY2(first > 180, qPrintable(QString::number(first)));
}

QTEST_APPLESS_MAIN(DrillBuilderTest)
#include "drillbuilder_test.moc"
