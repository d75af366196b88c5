#include "typing/frmp.h"
#include "typing/levels.h"
#include "typing/wordlist.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

// The word files the game ships: each level's file is there, every entry can be typed and read in
// full, and an exercise takes one to three minutes at the speed a player of that level types.
class WordFilesTest : public QObject {
    Q_OBJECT
private slots:
    void everylevelhasaworthwhilefile_data();
    void everylevelhasaworthwhilefile();
};

void WordFilesTest::everylevelhasaworthwhilefile_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("wpm");
    // Beginner at 15 words a minute, Expert at 45, the levels between in proportion.
    QTest::newRow("easy.txt") << 0 << 15.0;
    QTest::newRow("well.txt") << 1 << 22.5;
    QTest::newRow("avg.txt") << 2 << 30.0;
    QTest::newRow("aavg.txt") << 3 << 37.5;
    QTest::newRow("dif.txt") << 4 << 45.0;
}

void WordFilesTest::everylevelhasaworthwhilefile() {
    QFETCH(int, level);
    QFETCH(double, wpm);
    const PracticeLevel& rules = practicelevels().at(level);
    QCOMPARE(rules.file, QString::fromLatin1(QTest::currentDataTag()));
    const QString path = QFINDTESTDATA("../../words/" + rules.file);
    QVERIFY2(!path.isEmpty(), qPrintable(rules.file));
    QStringList entries;
    loadwords(entries, path);
    QVERIFY(!entries.isEmpty());
    frmp window(nullptr);
    const QFontMetrics metrics(window.target->font());
    qsizetype characters = 0;
    for (const QString& entry : entries) {
        QVERIFY2(!entry.isEmpty() && entry == entry.trimmed(), qPrintable(entry));
        QVERIFY2(metrics.horizontalAdvance(entry) < window.target->width(), qPrintable(entry));
        characters += entry.size();
    }
    if (rules.file == QLatin1String("dif.txt"))
        QVERIFY(entries.filter(QStringLiteral(",")).size() >= entries.size() / 2);

    // The shortest and the longest exercise the length formula can ask for, at five characters
    // a word.
    const double meanlength = double(characters) / double(entries.size());
    const double shortest =
        exerciselength(entries.size(), rules.divisor, std::nextafter(1.0f, 0.0f)) * meanlength / 5 /
        wpm;
    const double longest =
        exerciselength(entries.size(), rules.divisor, 0.0f) * meanlength / 5 / wpm;
    qInfo("%s: %lld entries, mean length %.1f, %.1f to %.1f minutes", qPrintable(rules.file),
          qlonglong(entries.size()), meanlength, shortest, longest);
    QVERIFY2(shortest >= 1.0, qPrintable(QString::number(shortest)));
    QVERIFY2(longest <= 3.0, qPrintable(QString::number(longest)));
}

QTEST_MAIN(WordFilesTest)
#include "wordfiles_test.moc"
