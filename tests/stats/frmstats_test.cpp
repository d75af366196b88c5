#include "career/form1.h"
#include "common/sidewindow.h"
#include "competition/frmcars.h"
#include "stats/frmstats.h"
#include "stats/samplerecords.h"
#include "support/fakes.h"
#include "typing/frmp.h"

#include <QChartView>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

class FrmstatsTest : public QObject {
    Q_OBJECT
private slots:
    void exercisesandracesshowastheyend();
};

namespace {
QStringList row(const QAbstractItemModel* model, int r) {
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c)
        cells << model->index(r, c).data().toString();
    return cells.mid(2); // the date and the career are the clock's and the test's
}
} // namespace

void FrmstatsTest::exercisesandracesshowastheyend() {
    GameFixture fixture;
    fixture.writefile("easy.txt", "\"apple\"\r\n");
    fixture.writefile("avg.txt", "\"pear\"\r\n");
    Form1 form;
    form.playername = QStringLiteral("Ace");
    form.updatestatus();

    const QList<QAction*> others = form.fasdfasfas->actions();
    const qsizetype at = others.indexOf(form.stats);
    QVERIFY(at > 0 && others.at(at - 1)->isSeparator());
    QCOMPARE(form.stats->text(), QStringLiteral("Typing &Statistics"));

    form.stats->trigger();
    frmstats* w = form.statswindow;
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Typing Statistics"));
    w->finishloading();
    QCOMPARE(w->pages->currentWidget(), w->emptylabel);
    QCOMPARE(w->emptylabel->text(), QStringLiteral("No exercise or race recorded yet."));
    form.stats->trigger();
    QCOMPARE(form.statswindow, w); // single: the same window again

    // A practice ended by Restart after a wrong key, its correction and one entry.
    form.Command1_Click();
    frmp* practice = form.practicewindow;
    practice->Command1->click();
    QTest::keyClicks(practice->txttype, QStringLiteral("x"));
    QTest::keyClick(practice->txttype, Qt::Key_Backspace);
    QTest::keyClicks(practice->txttype, practice->lbltype->text());
    practice->Command1->click();
    QCOMPARE(w->pages->currentWidget(), w->tabs);
    QAbstractItemModel* records = w->recordstable->model();
    QCOMPARE(records->rowCount(), 1);
    QStringList cells = row(records, 0);
    cells.removeAt(3); // the speed follows the real clock
    QCOMPARE(cells, (QStringList{"Practice", "Easy", "Restarted", "83 %", "1"}));

    // A race lost to the clock, newest first above the exercise.
    frmcars* race = sidewindow(form.racewindow, &form);
    race->startgame(100);
    race->Command2_Click();
    QTest::keyClicks(race->Text1, race->Label3->text());
    while (race->Timer1->isActive())
        race->Timer1_Timer();
    QCOMPARE(fixture.dialogs.shown.last().text, QStringLiteral("You lost!!!"));
    QCOMPARE(records->rowCount(), 2);
    QCOMPARE(row(records, 0).mid(0, 3), (QStringList{"Race", "Easy", "Lost"}));
    QVERIFY(w->summarylabel->text().startsWith(QStringLiteral("1 exercise and 1 race recorded")));
    QVERIFY(!w->progresschart->accessibleName().isEmpty());
    QVERIFY(!w->keyschart->accessibleName().isEmpty());

    // Narrowed to the career in play, another career's records go.
    w->onlycurrent->setChecked(true);
    QCOMPARE(records->rowCount(), 2);
    form.playername = QStringLiteral("Bea");
    form.updatestatus();
    w->onlycurrent->setChecked(false);
    w->onlycurrent->setChecked(true);
    QCOMPARE(w->pages->currentWidget(), w->emptylabel);

    // After a restart of the window the file gives the same records; a damaged line is counted.
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form.statswindow);
    QFile file(QDir(fixture.folder()).filePath(QStringLiteral("stats.dat")));
    QVERIFY(file.open(QIODevice::Append));
    file.write("\"keystrider-stats\",1,\"ended\"\r\n");
    file.close();
    form.stats->trigger();
    w = form.statswindow;
    records = w->recordstable->model();
    QVERIFY(w->loading());
    // One that ends while the file is read goes into the file and the window, and shows once.
    const TypingRecord ended = samplerecord(0);
    form.recordtyping(ended);
    w->finishloading();
    QCOMPARE(w->book().rows().size(), 3);
    QCOMPARE(row(records, 0).mid(0, 3), (QStringList{"Practice", "Easy", "Completed"}));
    QVERIFY(w->summarylabel->text().endsWith(QStringLiteral("1 unreadable line skipped.")));

    // A folder that refuses the file is told once, however many exercises end.
    QVERIFY(file.remove() && QDir(fixture.folder()).mkdir(QStringLiteral("stats.dat")));
    const qsizetype boxes = fixture.dialogs.shown.size();
    form.recordtyping(ended);
    form.recordtyping(ended);
    QCOMPARE(fixture.dialogs.shown.size(), boxes + 1);
    QVERIFY(fixture.dialogs.shown.last().text.startsWith(QStringLiteral("stats.dat could not")));
    QCOMPARE(w->book().rows().size(), 3);
    delete form.practicewindow;
    delete form.racewindow;
    delete form.statswindow;
}

QTEST_MAIN(FrmstatsTest)
#include "frmstats_test.moc"
