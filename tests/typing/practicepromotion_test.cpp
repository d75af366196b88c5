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
    form.training = 15;
    form.updatestatus();
    form.Command1_Click();
    frmp* w = form.practicewindow;
    w->Command1->click();
    w->Command1->click();
    QCOMPARE(form.training, 16);
    QCOMPARE(form.rank, qint16(1));
    QVERIFY(form.txtlog->text().contains("You have been promoted to rank 1.\r\n"));
    delete w;
}

QTEST_MAIN(PracticePromotionTest)
#include "practicepromotion_test.moc"
