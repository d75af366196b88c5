#include "coach/drill.h"
#include "coach/languagewords.h"
#include "competition/competitiondraw.h"
#include "competition/replay.h"
#include "stats/practicecalendar.h"
#include "stats/statsexport.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

namespace {

// Marks every text it is asked for, so a text that went through translation shows it.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

} // namespace

// Under another language the screen follows it, while what files hold and what the game
// compares with them stays English: a player's files travel between languages.
class ShownWordsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::installTranslator(&marking); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&marking); }

    void filewordsstayenglish_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("english");
        QTest::newRow("export's header")
            << QString::fromUtf8(statscsv(StatsBook(), {}))
            << "Date,Career,Activity,Level,Result,Speed (WPM),Accuracy,Mistakes,Typing ms,"
               "Entries,Matched,Typed,Wrong,Corrections,Pairs timed,Pair ms,Typed instead\r\n";
        QTest::newRow("a country drawn") << competitioncountry(5) << "Japan";
        QTest::newRow("a race level") << levelname(RaceLevel::Expert) << "Expert";
        QTest::newRow("a drill's level") << weakkeysname << "Weak keys";
        QTest::newRow("an own text's level") << owntextname << "Own text";
    }
    void filewordsstayenglish() {
        QFETCH(QString, word);
        QFETCH(QString, english);
        QCOMPARE(word, english);
    }

    void shownwordsfollow_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("marked");
        QTest::newRow("a language's name") << languagename(QStringLiteral("de")) << "[German]";
        QTest::newRow("a country listed")
            << QCoreApplication::translate("Country", competitioncountry(1).toUtf8())
            << "[Singapore]";
        QTest::newRow("a column's heading")
            << QCoreApplication::translate("StatsExport", recordcolumns()[1].toUtf8())
            << "[Career]";
        QTest::newRow("a calendar day") << calendardayfigures(CalendarDay{}) << "[nothing typed]";
    }
    void shownwordsfollow() {
        QFETCH(QString, shown);
        QFETCH(QString, marked);
        QCOMPARE(shown, marked);
    }

private:
    MarkingTranslator marking;
};

QTEST_GUILESS_MAIN(ShownWordsTest)
#include "shownwords_test.moc"
