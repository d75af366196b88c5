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
    QTest::addColumn<bool>("ended");    // the career was cleared by an ending, its panel not yet
    QTest::addColumn<QString>("after"); // training, rank, what the log gained
    QTest::newRow("Beginner") << 0 << 0 << false << "1 0 ";
    QTest::newRow("Expert") << 4 << 0 << false << "5 0 ";
    QTest::newRow("past 15") << 0 << 15 << false << "16 1 You have been promoted to rank 1.\r\n";
    // The panel still shows the cleared career's points: the credit adds to those.
    QTest::newRow("after an ending")
        << 0 << 42 << true << "43 2 You have been promoted to rank 2.\r\n";
}

void PracticeCreditTest::credit() {
    QFETCH(int, level);
    QFETCH(int, training);
    QFETCH(bool, ended);
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, 250, 0, training});
    if (ended)
        staged(career).resetvalues();
    const qsizetype before = career.log().size();
    PracticeCredit(&career).credit(level);
    QCOMPARE(career.shown().training, career.training());
    QTEST(QStringLiteral("%1 %2 %3")
              .arg(career.training())
              .arg(career.rank())
              .arg(career.log().mid(before)),
          "after");
}

QTEST_GUILESS_MAIN(PracticeCreditTest)
#include "practicecredit_test.moc"
