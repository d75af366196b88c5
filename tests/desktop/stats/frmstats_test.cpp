#include "career/career.h"
#include "coach/frmcoach.h"
#include "common/sidewindow.h"
#include "competition/frmcars.h"
#include "keyboard/keyboardchoice.h"
#include "keyboard/keyboardview.h"
#include "samples/careerstaging.h"
#include "samples/samplerecords.h"
#include "shell/form1.h"
#include "stats/calendartab.h"
#include "stats/calendarview.h"
#include "stats/dailypractice.h"
#include "stats/frmstats.h"
#include "stats/keystab.h"
#include "stats/statsrecorder.h"
#include "stats/todaybar.h"
#include "support/accessiblelabels.h"
#include "support/fakes.h"
#include "support/form1fixture.h"
#include "support/keyboardwalk.h"
#include "typing/frmp.h"

#include <QAccessible>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

class FrmstatsTest : public QObject {
    Q_OBJECT
private slots:
    void exercisesandracesshowastheyend();
    void tableslettabgo();
    void calendarandpairs();
    void layoutsapart();
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
    Form1Fixture fixture(Form1Fixture::Fresh);
    fixture.writefile("easy.txt", "\"apple\"\r\n");
    fixture.writefile("avg.txt", "\"pear\"\r\n");
    Form1& form = fixture.form;
    staged(form.career).setstate({QStringLiteral("Ace"), 0, 0, 0, 0});

    const QList<QAction*> others = form.othersmenu->actions();
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

    // Start and Restart at once give the message as ever, but say nothing of the typing.
    form.opentraining();
    frmp* practice = form.practicewindow;
    practice->startrestart->click();
    practice->startrestart->click();
    QCOMPARE(fixture.dialogs.shown.size(), 1);
    QCOMPARE(w->pages->currentWidget(), w->emptylabel);

    // A practice ended by Restart after a wrong key, its correction and one entry.
    practice->startrestart->click();
    QTest::keyClicks(practice->typingbox, QStringLiteral("x"));
    QTest::keyClick(practice->typingbox, Qt::Key_Backspace);
    QTest::keyClicks(practice->typingbox, practice->target->text());
    practice->startrestart->click();
    QCOMPARE(w->pages->currentWidget(), w->tabs);
    QAbstractItemModel* records = w->recordstable->model();
    QCOMPARE(records->rowCount(), 1);
    QStringList cells = row(records, 0);
    cells.removeAt(3); // the speed follows the real clock
    QCOMPARE(cells, (QStringList{"Practice", "Easy", "Restarted", "83 %", "1"}));
    // One record is one point, on an axis of whole records; few keys rank yet.
    const auto* speeds = qobject_cast<QLineSeries*>(w->progresschart->chart()->series().first());
    QCOMPARE(speeds->count(), 1);
    QVERIFY(speeds->pointsVisible());
    const auto* along =
        qobject_cast<QValueAxis*>(w->progresschart->chart()->axes(Qt::Horizontal).first());
    QCOMPARE((QList<double>{along->min(), along->max(), along->tickInterval()}),
             (QList<double>{0, 2, 1}));
    QCOMPARE(w->keyspages->currentWidget(), w->keysnotice);
    QCOMPARE(w->keysnotice->text(),
             QStringLiteral("A key is ranked once it has come up 20 times."));
    // The summary, and every figure, is read as what it shows.
    QCOMPARE(misreadlabels(w), QStringList());
    QCOMPARE(along->titleText(), QStringLiteral("Exercise, race or drill, oldest first"));
    // The charts follow a dark palette, and back.
    QPalette dark = w->palette();
    dark.setColor(QPalette::Window, Qt::black);
    w->setPalette(dark);
    QCOMPARE(w->keyschart->chart()->theme(), QChart::ChartThemeDark);
    w->setPalette(QPalette());
    QCOMPARE(w->progresschart->chart()->theme(), QChart::ChartThemeLight);

    // A race lost to the clock, newest first above the exercise.
    frmcars* race = form.race();
    race->startgame(100);
    race->start_Click();
    QTest::keyClicks(race->typingbox, race->target->text());
    while (race->clock->isActive())
        race->clock_Timer();
    QCOMPARE(fixture.dialogs.shown.last().text, QStringLiteral("You lost!!!"));
    QCOMPARE(records->rowCount(), 2);
    QCOMPARE(row(records, 0).mid(0, 3), (QStringList{"Race", "Easy", "Lost"}));
    QVERIFY(w->summarylabel->text().startsWith(QStringLiteral("1 exercise and 1 race recorded")));
    QVERIFY(!w->progresschart->accessibleName().isEmpty());
    QVERIFY(!w->keyschart->accessibleName().isEmpty());

    // Narrowed to the career in play, another career's records go.
    w->onlycurrent->setChecked(true);
    QCOMPARE(records->rowCount(), 2);
    staged(form.career).setstate({QStringLiteral("Bea"), 0, 0, 0, 0});
    w->onlycurrent->setChecked(false);
    w->onlycurrent->setChecked(true);
    QCOMPARE(w->pages->currentWidget(), w->emptylabel);

    // The records shown go to a CSV file; one that can't be written changes nothing.
    w->onlycurrent->setChecked(false);
    const QString csv = QDir(fixture.folder()).filePath(QStringLiteral("out.csv"));
    fixture.dialogs.files << csv << fixture.folder() + QStringLiteral("/no/such/folder.csv");
    w->exportbutton->click();
    QCOMPARE(fixture.dialogs.shown.last().title, QStringLiteral("Export Typing Statistics"));
    QCOMPARE(fixture.dialogs.shown.last().text, QDir::home().filePath("typing-statistics.csv"));
    QFile exported(csv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = exported.readAll().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QByteArray("Date,Career,Activity,Level,Result,Speed (WPM),Accuracy,"
                                  "Mistakes,Typing ms,Entries,Matched,Typed,Wrong,Corrections,"
                                  "Pairs timed,Pair ms,Typed instead\r"));
    QVERIFY(lines[1].contains(",Ace,Practice,Easy,Restarted,"));
    // The pairs' time follows the real clock.
    QVERIFY(lines[1].contains(",1,5,6,1,1,"));
    exported.close();
    const qsizetype before = fixture.dialogs.shown.size();
    w->exportbutton->click();
    QCOMPARE(fixture.dialogs.shown.size(), before + 2);
    QVERIFY(fixture.dialogs.shown.last().text.contains(QStringLiteral("could not be written")));

    // A career whose name the file keeps with a single quote still owns its records.
    staged(form.career).setstate({QStringLiteral("Bo\"b"), 0, 0, 0, 0});
    form.typingrecorder->record(samplerecord(1));

    // After a restart of the window the same records show at once: the history is read once a
    // run, and what ends meanwhile, with the window closed too, joins it.
    QTest::keyClick(w, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form.statswindow);
    const TypingRecord ended = samplerecord(0);
    form.typingrecorder->record(ended);
    form.stats->trigger();
    w = form.statswindow;
    records = w->recordstable->model();
    QVERIFY(!w->loading());
    w->onlycurrent->setChecked(true);
    QCOMPARE(records->rowCount(), 2);
    w->onlycurrent->setChecked(false);
    QCOMPARE(w->book().rows().size(), 4);
    QCOMPARE(row(records, 0).mid(0, 3), (QStringList{"Practice", "Easy", "Completed"}));
    QFile file(QDir(fixture.folder()).filePath(QStringLiteral("stats.dat")));
    // The coach's drills are counted apart from exercises and races.
    TypingRecord drilled = samplerecord(1);
    drilled.activity = QStringLiteral("Drill");
    form.typingrecorder->record(drilled);
    QCOMPARE(w->summarylabel->text().section(QLatin1Char(','), 0, 1),
             QStringLiteral("3 exercises, 1 race and 1 drill recorded"));

    // Enough records for keys to rank by time: the far reach to ; is the slowest, and the
    // heat map by time gives each key's numbers.
    for (int i = 2; i < 10; ++i)
        form.typingrecorder->record(samplerecord(i));
    w->tabs->setCurrentWidget(w->keyspages);
    QCOMPARE(w->keyspages->currentIndex(), 1);
    QTableWidget* slow = w->keys->slowtable;
    QCOMPARE(slow->accessibleName(), QStringLiteral("Slowest keys"));
    QCOMPARE(slow->rowCount(), 10);
    QCOMPARE(slow->item(0, 0)->text(), QStringLiteral(";"));
    QVERIFY(slow->item(0, 1)->text().endsWith(QStringLiteral(" ms")));
    w->keys->bytime->click();
    QCOMPARE(w->keyschart->accessibleName(), QStringLiteral("Slowest keys"));
    const QPoint semicolon = w->keys->heatmap->keyrect(39).center().toPoint();
    QVERIFY(w->keys->heatmap->tooltipat(semicolon).contains(QStringLiteral("ms on average")));
    w->keys->bymiss->click();
    QVERIFY(w->keys->heatmap->tooltipat(semicolon).contains(QStringLiteral("missed")));
    // The way to the coach opens it, as its menu item does.
    QCOMPARE(w->keys->practise->accessibleName(), QStringLiteral("Practise These Keys"));
    w->keys->practise->click();
    QVERIFY(form.coachwindow && form.coachwindow->isVisible());

    // A folder that refuses the file is told once, however many exercises end.
    QVERIFY(file.remove() && QDir(fixture.folder()).mkdir(QStringLiteral("stats.dat")));
    const qsizetype boxes = fixture.dialogs.shown.size();
    form.typingrecorder->record(ended);
    form.typingrecorder->record(ended);
    QCOMPARE(fixture.dialogs.shown.size(), boxes + 1);
    QVERIFY(fixture.dialogs.shown.last().text.startsWith(QStringLiteral("stats.dat could not")));
    QCOMPARE(w->book().rows().size(), 13);
    delete form.coachwindow;
    delete form.practicewindow;
    delete form.racewindow;
    delete form.statswindow;
}

// On every page Tab moves on from each table (the arrow keys move inside it) and passes the charts
// by; the row of tabs is named for a screen reader.
void FrmstatsTest::tableslettabgo() {
    GameFixture fixture;
    StatsRecorder recorder([] { return QStringLiteral("Ace"); });
    frmstats w;
    w.setrecorder(&recorder);
    w.finishloading();
    for (int i = 0; i < 10; ++i)
        recorder.record(samplerecord(i));
    QCOMPARE(w.tabs->accessibleName(), QStringLiteral("Statistics pages"));
    const QList<QWidget*> tables{w.keystable, w.keys->slowtable, w.entriestable, w.recordstable};
    for (int page = 0; page < w.tabs->count(); ++page) {
        w.tabs->setCurrentIndex(page);
        const QList<QWidget*> walk = tabwalk(&w, 12);
        for (qsizetype i = 1; i < walk.size(); ++i)
            QVERIFY2(walk[i] != walk[i - 1] && !qobject_cast<QChartView*>(walk[i]),
                     qPrintable(walk[i]->objectName()));
        for (QWidget* table : tables)
            QCOMPARE(walk.contains(table), table->isVisible());
    }
}

// A player who practised the last three days: the streak, today current on the calendar, the arrow
// keys moving between the days and a screen reader reading each; the goal set here is kept. The
// slowest letter pairs rank beside the keys.
void FrmstatsTest::calendarandpairs() {
    GameFixture fixture;
    QByteArray bytes;
    for (int i = 0; i < 39; ++i) {
        TypingRecord r = samplerecord(i);
        r.ended = QDateTime(fixture.clock.now.date().addDays(-(i % 3)), QTime(10, i), Qt::UTC);
        r.counts.tally.milliseconds = 4 * 60000;
        bytes += statsline(r);
    }
    fixture.writefile(statsfilename, bytes);
    frmstats w;
    w.load();
    w.finishloading();
    w.tabs->setCurrentWidget(w.calendar);
    w.show();
    CalendarTab* page = w.calendar;
    QCOMPARE(page->streak->text(), QStringLiteral("3 days, best 3; 0 of 2 streak freezes held"));
    QCOMPARE(page->today->text(), QStringLiteral("Today: 52 of 10 min"));
    QCOMPARE(misreadlabels(&w), QStringList());

    CalendarView* view = page->calendar;
    auto current = [view] { return view->days()->day(view->currentIndex()); };
    QVERIFY(current() && current()->today);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down); // tomorrow is none of the calendar's days
    QVERIFY(current()->today);
    QTest::keyClick(view, Qt::Key_Up);
    QCOMPARE(current()->date, QDate(2026, 12, 7));
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(current()->date, QDate(2026, 11, 30));
    const QModelIndex monday = view->currentIndex();
    QAccessibleInterface* cell =
        QAccessible::queryAccessibleInterface(view)->tableInterface()->cellAt(monday.row(),
                                                                              monday.column());
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Monday 30 November 2026"));
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("nothing typed"));
    QTest::keyClick(view, Qt::Key_Right);
    const QModelIndex yesterday = view->currentIndex();
    cell = QAccessible::queryAccessibleInterface(view)->tableInterface()->cellAt(
        yesterday.row(), yesterday.column());
    QCOMPARE(cell->text(QAccessible::Description),
             QStringLiteral("52 min typed, 3.7 WPM, 95 % accurate, goal of 10 min met"));
    QVERIFY(yesterday.data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("Monday 7")));

    // The goal set here is kept; raised past today's practice, today no longer counts.
    page->goal->setValue(60);
    QCOMPARE(DailyPractice().goal(), 60);
    QCOMPARE(page->streak->text(), QStringLiteral("2 days, best 2; 0 of 2 streak freezes held"));
    QCOMPARE(page->today->text(), QStringLiteral("Today: 52 of 60 min"));
    QCOMPARE(view->currentIndex(), yesterday); // the day moved to stays

    QTableWidget* pairs = w.keys->pairtable;
    QCOMPARE(pairs->accessibleName(), QStringLiteral("Slowest pairs"));
    QVERIFY(pairs->rowCount() > 0);
    QVERIFY(pairs->item(0, 4)->text().toInt() >= 20);
}

// A player who learnt Dvorak in the coach: the window offers each layout's records apart, once
// there is more than one, and the heat map draws the layout shown.
void FrmstatsTest::layoutsapart() {
    GameFixture fixture;
    StatsRecorder recorder([] { return QStringLiteral("Ace"); });
    frmstats w;
    w.setrecorder(&recorder);
    w.finishloading();
    for (int i = 0; i < 3; ++i)
        recorder.record(samplerecord(i));
    QVERIFY(w.layoutbox->isHidden() && w.lbllayout->isHidden());
    const QString desktopdrawn = w.keys->heatmap->layout().description();
    for (int i = 3; i < 5; ++i) {
        TypingRecord r = samplerecord(i);
        r.layout = QStringLiteral("us(dvorak)");
        recorder.record(r);
    }
    QVERIFY(!w.layoutbox->isHidden() && !w.lbllayout->isHidden());
    QCOMPARE(w.layoutbox->accessibleName(), w.lbllayout->text());
    QCOMPARE(w.onlycurrent->nextInFocusChain(), w.layoutbox);
    QCOMPARE(w.layoutbox->count(), 3);
    QCOMPARE(w.layoutbox->itemText(0), QStringLiteral("All layouts"));
    QCOMPARE(w.layoutbox->itemText(1), QStringLiteral("As the desktop types"));
    QCOMPARE(w.recordstable->model()->rowCount(), 5);

    // Chosen by keyboard, as a player does, and kept while records come.
    w.layoutbox->setFocus();
    QTest::keyClick(w.layoutbox, Qt::Key_End);
    QCOMPARE(w.layoutbox->currentData().toString(), QStringLiteral("us(dvorak)"));
    QCOMPARE(w.recordstable->model()->rowCount(), 2);
    QCOMPARE(w.keys->heatmap->layout().description(),
             layoutofchoice(QStringLiteral("us(dvorak)")).description());
    recorder.record(samplerecord(5));
    QCOMPARE(w.recordstable->model()->rowCount(), 2);
    QCOMPARE(w.summarylabel->text().section(QLatin1Char(','), 0, 0),
             QStringLiteral("1 exercise and 1 race recorded"));
    QTest::keyClick(w.layoutbox, Qt::Key_Up);
    QCOMPARE(w.recordstable->model()->rowCount(), 4);
    QCOMPARE(w.keys->heatmap->layout().description(), desktopdrawn);
    QTest::keyClick(w.layoutbox, Qt::Key_Home);
    QCOMPARE(w.recordstable->model()->rowCount(), 6);
    QCOMPARE(misreadlabels(&w), QStringList());
}

QTEST_MAIN(FrmstatsTest)
#include "frmstats_test.moc"
