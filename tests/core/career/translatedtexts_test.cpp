// Under a translation, what the player reads changes and what rules and files read does not.
#include "career/country.h"
#include "saves/savedgame.h"
#include "services/rewardbag.h"
#include "typing/levels.h"
#include "typing/practice.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <functional>

namespace {

// Marks every text it is asked for, so a text that went through translation shows it.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return *source ? QStringLiteral("<%1>").arg(QString::fromUtf8(source)) : QString();
    }
};

using Text = std::function<QString()>;

} // namespace

Q_DECLARE_METATYPE(Text)
Q_DECLARE_METATYPE(Country)

class TranslatedTextsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::installTranslator(&marking); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&marking); }
    void texts_data();
    void texts();
    void fares_data();
    void fares();

private:
    MarkingTranslator marking;
};

void TranslatedTextsTest::texts_data() {
    QTest::addColumn<Text>("text");
    QTest::addColumn<QString>("expected");
    const PracticeLevel& easy = practicelevels().front();
    // Read by the player: translated.
    QTest::newRow("menu caption") << Text([] { return countrycaption(countries[1]); })
                                  << "<Malaysia [$200]>";
    QTest::newRow("arrival") << Text([] { return countryarrival(Country::China); })
                             << "<You arrived in china!>";
    QTest::newRow("bag") << Text([] { return bagmessage(baglot(1)); }) << "<Nothing happened!>";
    QTest::newRow("level button") << Text([&easy] { return shownlevelcaption(easy); })
                                  << "<Beginner>";
    QTest::newRow("result") << Text([&easy] {
        return resultmessage(12, 3, shownlevelname(easy), 1);
    }) << "<You took 12s to type 3 words in <Easy> level with 1 mistakes.>";
    QTest::newRow("save field") << Text([] {
        return savefaultmessage(readsavedgame("\"Ann\",x,0,0,\"\",0\r\n"), QStringLiteral("a.kvr"));
    }) << "<a.kvr can't be loaded: its <money> is not a whole number.>";
    // Values of the files and rules: the statistics' level word, the field at fault.
    QTest::newRow("level word") << Text([&easy] { return easy.name; }) << "Easy";
    QTest::newRow("fault field") << Text([] {
        return readsavedgame("\"Ann\",x,0,0,\"\",0\r\n").field;
    }) << "money";
}

void TranslatedTextsTest::texts() {
    QFETCH(Text, text);
    QFETCH(QString, expected);
    QCOMPARE(text(), expected);
}

void TranslatedTextsTest::fares_data() {
    QTest::addColumn<Country>("country");
    QTest::addColumn<int>("fare");
    QTest::newRow("Singapore") << Country::Singapore << 500;
    QTest::newRow("Malaysia") << Country::Malaysia << 200;
    QTest::newRow("China") << Country::China << 560;
    QTest::newRow("Japan") << Country::Japan << 700;
    QTest::newRow("America") << Country::America << 800;
}

// The fare stays the game's, whatever a translated caption writes.
void TranslatedTextsTest::fares() {
    QFETCH(Country, country);
    QFETCH(int, fare);
    QCOMPARE(countryfare(country), fare);
}

QTEST_GUILESS_MAIN(TranslatedTextsTest)
#include "translatedtexts_test.moc"
