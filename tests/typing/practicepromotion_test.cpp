#include "career/career.h"
#include "career/form1.h"
#include "common/logbox.h"
#include "common/watchlabel.h"
#include "support/fakes.h"
#include "typing/frmp.h"

#include <QPushButton>
#include <QTest>

// The points a practice earns reach the career through the training label, whose change runs
// the promotion check.
class PracticePromotionTest : public QObject {
    Q_OBJECT
private slots:
    void creditedpointspromote();
};

void PracticePromotionTest::creditedpointspromote() {
    GameFixture fixture;
    Form1 form;
    form.career->settraining(15);
    form.updatestatus();
    form.opentraining();
    frmp* w = form.practicewindow;
    w->startrestart->click();
    w->startrestart->click();
    QCOMPARE(form.career->training(), 16);
    QCOMPARE(form.career->rank(), qint16(1));
    QVERIFY(form.eventlog->text().contains("You have been promoted to rank 1.\r\n"));
    delete w;
}

QTEST_MAIN(PracticePromotionTest)
#include "practicepromotion_test.moc"
