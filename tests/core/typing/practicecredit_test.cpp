#include "career/career.h"
#include "samples/careerstaging.h"
#include "support/fakes.h"
#include "typing/practicecredit.h"

#include <QTest>

// What an exercise that ends earns, as the career then stands.
class PracticeCreditTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void credit_data();
    void credit();

private:
    GameFixture* fixture = nullptr;
};

void PracticeCreditTest::credit_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("training");
    QTest::addColumn<bool>("reset"); // the career was cleared by an ending before
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("log"); // what the credit adds to it
    const QString none;
    // clang-format off
    QTest::newRow("Beginner")                          << 0 << 0 << false << 1 << 0 << none;
    QTest::newRow("Coming along well")                 << 1 << 0 << false << 2 << 0 << none;
    QTest::newRow("Average")                           << 2 << 0 << false << 3 << 0 << none;
    QTest::newRow("Above Average")                     << 3 << 0 << false << 4 << 0 << none;
    QTest::newRow("Expert")                            << 4 << 0 << false << 5 << 0 << none;
    QTest::newRow("past 15 promotes")                  << 0 << 15 << false << 16 << 1 << "You have been promoted to rank 1.\r\n";
    QTest::newRow("Expert past 250 reaches rank 8")    << 4 << 246 << false << 251 << 8 << "You have been promoted to rank 8.\r\n";
    // The panel still shows the cleared career's points: the credit adds to those.
    QTest::newRow("after an ending, the points shown") << 0 << 42 << true << 43 << 2 << "You have been promoted to rank 2.\r\n";
    QTest::newRow("the top stays")                     << 4 << 2147483647 << false << 2147483647 << 8 << none;
    // clang-format on
}

void PracticeCreditTest::credit() {
    QFETCH(int, level);
    QFETCH(int, training);
    QFETCH(bool, reset);
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, 250, 0, training});
    if (reset)
        staged(career).resetvalues();
    const QString before = career.log();
    PracticeCredit(&career).credit(level);
    QTEST(career.log().mid(before.size()), "log");
    QTEST(int(career.training()), "after");
    QTEST(int(career.shown().training), "after");
    QTEST(int(career.rank()), "rank");
}

QTEST_GUILESS_MAIN(PracticeCreditTest)
#include "practicecredit_test.moc"
