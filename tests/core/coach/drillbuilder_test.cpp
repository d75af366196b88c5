#include "coach/drillbuilder.h"
#include "coach/drillwords.h"
#include "coach/languagewords.h"
#include "coach/mistypedqueue.h"

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

namespace {

// Vowels and other letters in turn: the made-up word of last resort, when the list's own pairs
// make no more.
bool alternating(const QString& word) {
    const QString vowels = QStringLiteral("aeiouy");
    for (qsizetype i = 1; i < word.size(); ++i)
        if (vowels.contains(word[i]) == vowels.contains(word[i - 1]))
            return false;
    return true;
}

} // namespace

void DrillBuilderTest::weakdrill_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("inplay");
    QTest::addColumn<QString>("keys"); // the focus, then the others
    QTest::addColumn<bool>("madeup");
    QTest::addColumn<bool>("once"); // twice as many words as entries fit: none comes twice
    QStringList fortyeight;
    for (QChar first : QStringLiteral("bdfhklmnprst"))
        for (QChar last : QStringLiteral("dlnt"))
            fortyeight.append(first + QStringLiteral("e") + last);
    const QStringList twentye =
        QStringLiteral(
            "here there where sheer beer deer leer peer veer jeer seer tree free bee see fee knee "
            "glee three flee")
            .split(' ');
    const QStringList fewq =
        QStringLiteral(
            "queen quit quiet aqua tea lake quote equal quite a tent nine tune unit ten eat "
            "lane line tin net ant tan ate tie nut")
            .split(' ');
    const QString all = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    // clang-format off
    QTest::newRow("enough words, others mixed") << twentye << all             << "er" << false << false;
    QTest::newRow("twice as many: each once")   << fortyeight << all          << "et" << false << true;
    QTest::newRow("only keys in play")          << twentye << "ehrtsb"         << "es" << true  << true;
    QTest::newRow("few words: made up")         << fewq    << "queitanl"       << "qt" << true  << true;
    QTest::newRow("capital starts a word")      << twentye + fewq << all + "TN" << "T" << true  << true;
    QTest::newRow("digits in numbers")          << twentye << "eht12345"       << "53" << false << false;
    QTest::newRow("a mark between words")       << twentye << all + ".,"       << ",." << false << false;
    QTest::newRow("a mark around a word")       << twentye << all + "()"       << "("  << false << false;
    // clang-format on
}

void DrillBuilderTest::weakdrill() {
    QFETCH(QStringList, words);
    QFETCH(QString, inplay);
    QFETCH(QString, keys);
    QFETCH(bool, madeup);
    const DrillWords model(words);
    FocusChoice choice;
    choice.focus = keys[0];
    for (QChar c : keys.mid(1))
        choice.others.append(c);
    const BuiltDrill drill = buildweakdrill(model, choice, inplay, 7);
    QCOMPARE(drill.entries.size(), drilllength);
    QCOMPARE(buildweakdrill(model, choice, inplay, 7).entries, drill.entries);
    QVERIFY(buildweakdrill(model, choice, inplay, 8).entries != drill.entries);
    QCOMPARE(drill.madeup > 0, madeup);
    // No entry twice in a row, and none twice at all where the words allow.
    for (qsizetype i = 1; i < drill.entries.size(); ++i)
        QVERIFY2(drill.entries[i] != drill.entries[i - 1], qPrintable(drill.entries[i]));
    QFETCH(bool, once);
    if (once)
        QCOMPARE(QSet<QString>(drill.entries.cbegin(), drill.entries.cend()).size(), drilllength);
    const QSet<QString> real(words.cbegin(), words.cend());
    QSet<QString> made;
    for (qsizetype i = 0; i < drill.entries.size(); ++i) {
        const QString& entry = drill.entries[i];
        QVERIFY2(entry.contains(choice.focus), qPrintable(entry));
        for (QChar c : entry)
            QVERIFY2(inplay.contains(c) || c == ' ', qPrintable(entry));
        if (choice.focus.isLetter()) {
            // A word alone, of letters alone: no punctuation glued to it.
            QVERIFY2(drillword(entry), qPrintable(entry));
            if (choice.focus.isUpper())
                QVERIFY2(entry.startsWith(choice.focus), qPrintable(entry));
        }
        if (!madeup && i % 3 == 2 && !choice.others.isEmpty())
            QVERIFY2(entry.contains(choice.others[0]), qPrintable(entry));
        const QString lower = entry.toLower();
        if (!choice.focus.isLetter() || real.contains(lower))
            continue;
        // Made up: pronounceable as the list's own words, three to eight letters, no letter
        // three times in a row, never two alike.
        QVERIFY2(model.modelled(lower) || alternating(lower), qPrintable(entry));
        QVERIFY2(entry.size() >= 3 && entry.size() <= 8, qPrintable(entry));
        for (qsizetype c = 2; c < entry.size(); ++c)
            QVERIFY2(!(lower[c] == lower[c - 1] && lower[c] == lower[c - 2]), qPrintable(entry));
        QVERIFY2(!made.contains(entry), qPrintable(entry));
        made.insert(entry);
    }
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
