// Counted texts: English reads "0 days", "1 day", "2 days" from the sources alone, with no
// catalogue loaded, and the same with its own; French counts none as it counts one.
#include "coach/keytries.h"
#include "language/catalogues.h"
#include "stats/practicestreak.h"

#include <QCoreApplication>
#include <QTest>

#include <optional>

class CountsTest : public QObject {
    Q_OBJECT
private slots:
    void counted_data();
    void counted();
};

namespace {

// Drills of p that leave it one, two or three drills from 35 WPM.
QList<FocusDrill> rising(int more) {
    switch (more) {
    case 1:
        return {{0.6, 340, 0}, {0.8, 330, 0}};
    case 2:
        return {{0.5, 340, 0}, {0.6, 330, 0}, {0.7, 330, 0}};
    default:
        return {{0.4, 340, 0}, {0.5, 330, 0}, {0.6, 330, 0}};
    }
}

} // namespace

void CountsTest::counted_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    const QString nbsp(QChar(0xa0));
    const QString frstreak = " record 4" + nbsp + "; gels de série en réserve" + nbsp + ": 1 sur 2";
    // clang-format off
    QTest::newRow("en streak 0") << "" << "streak" << 0 << "0 days, best 4; 1 of 2 streak freezes held";
    QTest::newRow("en streak 1") << "" << "streak" << 1 << "1 day, best 4; 1 of 2 streak freezes held";
    QTest::newRow("en streak 2") << "" << "streak" << 2 << "2 days, best 4; 1 of 2 streak freezes held";
    QTest::newRow("en forecast 1") << "" << "forecast" << 1 << "About one more drill of p to reach the target.";
    QTest::newRow("en forecast 2") << "" << "forecast" << 2 << "About 2 more drills of p to reach the target.";
    // English's own catalogue holds its plural forms unfilled: loading it changes nothing.
    QTest::newRow("en catalogue streak 0") << "en" << "streak" << 0 << "0 days, best 4; 1 of 2 streak freezes held";
    QTest::newRow("en catalogue forecast 2") << "en" << "forecast" << 2 << "About 2 more drills of p to reach the target.";
    QTest::newRow("fr streak 0") << "fr" << "streak" << 0 << "0 jour," + frstreak;
    QTest::newRow("fr streak 1") << "fr" << "streak" << 1 << "1 jour," + frstreak;
    QTest::newRow("fr streak 2") << "fr" << "streak" << 2 << "2 jours," + frstreak;
    QTest::newRow("fr forecast 3") << "fr" << "forecast" << 3 << "Environ 3 séances de plus sur p pour atteindre la cible.";
    QTest::newRow("de streak 0") << "de" << "streak" << 0 << "0 Tage, Rekord 4; 1 von 2 Serien-Jokern übrig";
    // clang-format on
}

void CountsTest::counted() {
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(int, count);
    std::optional<Catalogues> loaded;
    if (!language.isEmpty()) {
        loaded.emplace();
        loaded->load(language, {QStringLiteral(BUILD_FOLDER)});
        QCOMPARE(loaded->language(), language);
        loaded->install();
    }
    const QString said = text == QLatin1String("streak")
                             ? streaktext(PracticeStreak{count, 4, 1, {}})
                             : forecast(QLatin1Char('p'), rising(count), 35);
    QTEST(said, "expected");
}

QTEST_GUILESS_MAIN(CountsTest)
#include "counts_test.moc"
