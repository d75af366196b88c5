// The main window stays hidden at the start, and takes its fonts only as it first shows, or,
// for its log, as the log is first given text: either way the player sees them as always.
#include "common/logbox.h"
#include "common/watchlabel.h"
#include "samples/careerstaging.h"
#include "support/form1fixture.h"

#include <QTest>

class StartFontsTest : public QObject {
    Q_OBJECT
private slots:
    void fontsonceshown_data();
    void fontsonceshown();
};

void StartFontsTest::fontsonceshown_data() {
    QTest::addColumn<bool>("logfirst");
    QTest::newRow("shown first") << false;
    QTest::newRow("log written while hidden") << true;
}

void StartFontsTest::fontsonceshown() {
    QFETCH(bool, logfirst);
    Form1Fixture fixture(Form1Fixture::Fresh);
    Form1& form = fixture.form;
    if (logfirst) {
        staged(form.career).setstate({QStringLiteral("Ace"), 250, 0, 15, 0});
        form.eventlog->appendatend(QStringLiteral("Day one\r\n"));
        QVERIFY(form.eventlog->font().bold());
    }
    form.show();
    QCOMPARE(form.font().family(), QStringLiteral("Arial"));
    QCOMPARE(form.font().pointSizeF(), 9.0);
    QCOMPARE(form.shownname->font(), form.font());
    const QFont log = form.eventlog->font();
    QCOMPARE(log.family(), QStringLiteral("Arial"));
    QCOMPARE(log.pointSizeF(), 9.0);
    QVERIFY(log.bold());
    // Sized for its font: the menu bar in Arial, its items and the panel beneath.
    QCOMPARE(form.size(), form.sizeHint());
    QCOMPARE(form.minimumSize(), form.maximumSize());
}

QTEST_MAIN(StartFontsTest)
#include "startfonts_test.moc"
