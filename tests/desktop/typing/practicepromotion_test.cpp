#include "samples/careerstaging.h"
#include "support/careerfixture.h"
#include "typing/frmp.h"

#include <QPushButton>
#include <QTest>

// The points a practice earns reach the career as shown training, whose change runs the
// promotion check.
class PracticePromotionTest : public QObject {
    Q_OBJECT
private slots:
    void creditedpointspromote();
};

void PracticePromotionTest::creditedpointspromote() {
    CareerFixture fixture;
    staged(fixture.career).changetrainingby(15);
    QPointer<frmp> practice;
    frmp* w = fixture.window(practice);
    w->startrestart->click();
    w->startrestart->click();
    QCOMPARE(fixture.career.training(), 16);
    QCOMPARE(fixture.career.rank(), qint16(1));
    QVERIFY(fixture.career.log().contains("You have been promoted to rank 1.\r\n"));
}

QTEST_MAIN(PracticePromotionTest)
#include "practicepromotion_test.moc"
