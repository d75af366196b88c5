#include "common/controls.h"
#include "samples/careerstaging.h"
#include "stats/dailypractice.h"
#include "stats/statsrecorder.h"
#include "stats/todaybar.h"
#include "support/accessiblelabels.h"
#include "support/careerfixture.h"
#include "typing/frmp.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {
const QStringList tenwords = {"apple", "bread", "chair", "dance", "eagle",
                              "flute", "grape", "house", "igloo", "jelly"};

QByteArray lines(const QStringList& entries) {
    QByteArray out;
    for (const QString& e : entries)
        out += e.toLatin1() + "\r\n";
    return out;
}
} // namespace

class FrmpTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensidleandcomestothefront();
    void elevenmatchesendtheexercise();
    void restartatoncereportsandcredits_data();
    void restartatoncereportsandcredits();
    void matchisexact_data();
    void matchisexact();
    void backspaceanddeletecountasmistakes();
    void pausestopstheclockandblockstyping();
    void restartwhilepausedacceptstypingagain();
    void closingabandonstheexercise();
    void missingfileaskesforoneuntypableentry();
    void selectionnevercanbeovertyped();
    void undocannotbringbackatypedentry();
    void showstodayspractice();

private:
    frmp* open();
    void start();
    void typetarget();
    CareerFixture* fixture = nullptr;
    QPointer<frmp> practice;
    frmp* w = nullptr;
};

void FrmpTest::init() {
    fixture = new CareerFixture;
    fixture->writefile("easy.txt", lines(tenwords));
    w = open();
}

void FrmpTest::cleanup() {
    delete fixture;
}

frmp* FrmpTest::open() {
    return fixture->open(practice);
}

void FrmpTest::start() {
    w->startrestart->click();
}

void FrmpTest::typetarget() {
    QTest::keyClicks(w->typingbox, w->target->text());
}

void FrmpTest::opensidleandcomestothefront() {
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Practice Typing!"));
    // Screen readers meet it as a window named by its caption.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Practice Typing!"));
    QCOMPARE(w->level->title(), QStringLiteral("Level"));
    const QList<QRadioButton*> options = {w->easy, w->comingalongwell, w->average, w->aboveaverage,
                                          w->expert};
    QStringList captions;
    for (QRadioButton* o : options)
        captions << o->text();
    QCOMPARE(captions,
             (QStringList{"Beginner", "Coming along well", "Average", "Above Average", "Expert"}));
    QVERIFY(w->easy->isChecked());
    QCOMPARE(w->startrestart->text(), QStringLiteral("Start"));
    QCOMPARE(w->pauser->text(), QStringLiteral("Pause"));
    QVERIFY(!w->pauser->isEnabled());
    QVERIFY(w->level->isEnabled());
    QVERIFY(!w->clock->isActive());
    QCOMPARE(w->clock->interval(), 1000);
    QCOMPARE(w->elapsed->text() + w->typedshown->text() + w->leftshown->text(),
             QStringLiteral("000"));
    // The target sits right above the box, as wide; typing is blue.
    QCOMPARE(w->target->x(), w->typingbox->x());
    QCOMPARE(w->target->width(), w->typingbox->width());
    QVERIFY(w->target->geometry().bottom() < w->typingbox->y());
    QCOMPARE(w->typingbox->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::blue));
    QCOMPARE(fixture->random.reseeds, QList<double>{0});
    // Pressed again it is the same window.
    QCOMPARE(open(), w);
}

void FrmpTest::elevenmatchesendtheexercise() {
    staged(fixture->career).changetrainingby(20);
    fixture->random.draws << 0.3 << 0.0 << 0.95 << 0.42;
    start();
    QCOMPARE(w->leftshown->text(), QStringLiteral("11"));
    QCOMPARE(w->typedshown->text(), QStringLiteral("0"));
    QCOMPARE(w->startrestart->text(), QStringLiteral("Restart"));
    QVERIFY(w->pauser->isEnabled() && !w->level->isEnabled() && w->clock->isActive());
    QCOMPARE(w->target->text(), QStringLiteral("apple"));
    typetarget();
    QCOMPARE(w->target->text(), QStringLiteral("jelly"));
    QCOMPARE(w->typingbox->text(), QString());
    w->clock_Timer();
    w->clock_Timer();
    QCOMPARE(w->elapsed->text(), QStringLiteral("2s"));
    // Every figure is read by a screen reader as what it shows.
    QCOMPARE(misreadlabels(w), QStringList());
    fixture->random.reseeds.clear();
    typetarget();
    QCOMPARE(w->target->text(), QStringLiteral("eagle"));
    // The generator is reseeded with the exercise's own seconds around each pick.
    QCOMPARE(fixture->random.reseeds, (QList<double>{2, 2}));
    for (int typed = 2; typed < 11; ++typed) {
        QVERIFY(fixture->dialogs.shown.isEmpty());
        QCOMPARE(w->typedshown->text(), QString::number(typed));
        QCOMPARE(w->leftshown->text(), QString::number(11 - typed));
        typetarget();
    }
    QCOMPARE(fixture->dialogs.texts(),
             QStringList{"You took 2s to type 11 words in Easy level with 0 mistakes."});
    QCOMPARE(fixture->dialogs.shown.first().title, QStringLiteral("Result"));
    QCOMPARE(fixture->dialogs.shown.first().icon, MsgIcon::Exclamation);
    QCOMPARE(fixture->career.training(), 21);
    QCOMPARE(fixture->career.shown().training, 21);
    // Back at rest, ready for another go.
    QCOMPARE(w->startrestart->text(), QStringLiteral("Start"));
    QVERIFY(!w->pauser->isEnabled() && w->level->isEnabled() && !w->clock->isActive());
    QCOMPARE(w->elapsed->text() + w->typedshown->text() + w->leftshown->text(),
             QStringLiteral("000"));
    QCOMPARE(w->target->text(), QString());
    QVERIFY(w->words.isEmpty());
}

void FrmpTest::restartatoncereportsandcredits_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("draw");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("points");
    QTest::newRow("1") << 1 << "easy.txt" << 0.5 << "10"
                       << "Easy" << 1;
    QTest::newRow("2") << 2 << "well.txt" << 0.4 << "10"
                       << "Coming Along Well" << 2;
    QTest::newRow("3") << 3 << "avg.txt" << 0.9 << "8"
                       << "Average" << 3;
    QTest::newRow("4") << 4 << "aavg.txt" << 0.9 << "7"
                       << "Above Average" << 4;
    QTest::newRow("5") << 5 << "dif.txt" << 0.5 << "9"
                       << "Expert" << 5;
}

void FrmpTest::restartatoncereportsandcredits() {
    QFETCH(int, level);
    QFETCH(QString, file);
    QFETCH(double, draw);
    QFETCH(QString, left);
    QFETCH(QString, name);
    QFETCH(int, points);
    fixture->writefile(file, lines(tenwords));
    QList<QRadioButton*>{w->easy, w->comingalongwell, w->average, w->aboveaverage, w->expert}
        .at(level - 1)
        ->click();
    // Corrections made at rest don't carry into the exercise.
    QTest::keyClick(w->typingbox, Qt::Key_Backspace);
    fixture->random.draws << draw;
    start();
    QCOMPARE(w->leftshown->text(), left);
    start();
    QCOMPARE(fixture->dialogs.texts(),
             QStringList{"You took 0s to type 0 words in " + name + " level with 0 mistakes."});
    QCOMPARE(fixture->career.training(), points);
    QCOMPARE(w->startrestart->text(), QStringLiteral("Start"));
}

void FrmpTest::matchisexact_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("done");
    QTest::newRow("exact") << "apple" << 1;
    QTest::newRow("other case") << "Apple" << 0;
    QTest::newRow("trailing blank") << "apple " << 0;
    QTest::newRow("prefix only") << "appl" << 0;
}

void FrmpTest::matchisexact() {
    QFETCH(QString, typed);
    QFETCH(int, done);
    start();
    // All at once, as pasted: typed key by key, the target would match before the extra blank.
    w->typingbox->insert(typed);
    QCOMPARE(w->typedshown->text(), QString::number(done));
    QCOMPARE(w->typingbox->text(), done ? QString() : typed);
}

void FrmpTest::backspaceanddeletecountasmistakes() {
    start();
    QTest::keyClicks(w->typingbox, "appl ");
    QTest::keyClick(w->typingbox, Qt::Key_Left);
    QTest::keyClicks(w->typingbox, "e");
    QCOMPARE(w->typingbox->text(), QStringLiteral("apple "));
    QCOMPARE(w->typedshown->text(), QStringLiteral("0"));
    QTest::keyClick(w->typingbox, Qt::Key_End);
    QTest::keyClick(w->typingbox, Qt::Key_Backspace);
    QCOMPARE(w->typedshown->text(), QStringLiteral("1"));
    QCOMPARE(w->mistakes, 1);
    // Every release counts, even with nothing to delete; other keys don't.
    QTest::keyClick(w->typingbox, Qt::Key_Delete);
    QTest::keyClick(w->typingbox, Qt::Key_Left);
    QTest::keyClick(w->typingbox, Qt::Key_Home);
    QCOMPARE(w->mistakes, 2);
    // A held key sends repeated releases; only the last, real one counts.
    for (int i = 0; i < 5; ++i)
        QTest::sendKeyEvent(QTest::KeyAction::Release, w->typingbox, Qt::Key_Backspace, QChar(),
                            Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(w->typingbox, &repeat);
    QCOMPARE(w->mistakes, 7);
    // X11 may leave them unflagged; the press that follows with the same stamp gives them away.
    auto send = [this](QEvent::Type type, quint64 stamp) {
        QKeyEvent key(type, Qt::Key_Delete, Qt::NoModifier);
        key.setTimestamp(stamp);
        QApplication::sendEvent(w->typingbox, &key);
    };
    send(QEvent::KeyPress, 1000);
    for (quint64 stamp : {1500, 1540, 1580})
        for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress})
            send(type, stamp);
    send(QEvent::KeyRelease, 1600);
    QCOMPARE(w->mistakes, 8);
    start();
    QCOMPARE(fixture->dialogs.texts(),
             QStringList{"You took 0s to type 1 words in Easy level with 8 mistakes."});
}

void FrmpTest::pausestopstheclockandblockstyping() {
    start();
    w->clock_Timer();
    w->pauser->click();
    QCOMPARE(w->pauser->text(), QStringLiteral("Resume"));
    QVERIFY(!w->clock->isActive());
    QVERIFY(!w->typingbox->isEnabled());
    QCOMPARE(w->startrestart->text(), QStringLiteral("Restart"));
    QVERIFY(!w->level->isEnabled());
    typetarget();
    QTest::keyClick(w->typingbox, Qt::Key_Backspace);
    QCOMPARE(w->typingbox->text(), QString());
    QCOMPARE(w->typedshown->text(), QStringLiteral("0"));
    QCOMPARE(w->mistakes, 0);
    w->pauser->click();
    QCOMPARE(w->pauser->text(), QStringLiteral("Pause"));
    QVERIFY(w->clock->isActive() && w->typingbox->isEnabled());
    w->clock_Timer();
    QCOMPARE(w->elapsed->text(), QStringLiteral("2s"));
    typetarget();
    QCOMPARE(w->typedshown->text(), QStringLiteral("1"));
}

void FrmpTest::restartwhilepausedacceptstypingagain() {
    start();
    w->pauser->click();
    start();
    QCOMPARE(fixture->dialogs.shown.size(), 1);
    QCOMPARE(w->pauser->text(), QStringLiteral("Pause"));
    QVERIFY(!w->pauser->isEnabled() && w->typingbox->isEnabled() && !w->clock->isActive());
    start();
    typetarget();
    QCOMPARE(w->typedshown->text(), QStringLiteral("1"));
}

void FrmpTest::closingabandonstheexercise() {
    staged(fixture->career).changetrainingby(5);
    w->average->click();
    fixture->writefile("avg.txt", lines(tenwords));
    start();
    typetarget();
    w->clock_Timer();
    QVERIFY(w->close());
    QVERIFY(!w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(practice.isNull());
    QVERIFY(fixture->dialogs.shown.isEmpty());
    QCOMPARE(fixture->career.training(), 5);
    QCOMPARE(fixture->career.shown().training, 5);
    w = open();
    QVERIFY(w->easy->isChecked());
    QCOMPARE(w->startrestart->text(), QStringLiteral("Start"));
    QVERIFY(!w->pauser->isEnabled() && w->level->isEnabled());
    QCOMPARE(w->elapsed->text() + w->typedshown->text() + w->leftshown->text(),
             QStringLiteral("000"));
    QCOMPARE(w->target->text(), QString());
}

void FrmpTest::missingfileaskesforoneuntypableentry() {
    QFile::remove(fixture->folder() + "easy.txt");
    start();
    QCOMPARE(w->leftshown->text(), QStringLiteral("1"));
    QCOMPARE(w->target->text(), QString());
    QTest::keyClicks(w->typingbox, "a");
    QTest::keyClick(w->typingbox, Qt::Key_Backspace);
    QCOMPARE(w->typedshown->text(), QStringLiteral("0"));
    start();
    QCOMPARE(fixture->dialogs.texts(),
             QStringList{"You took 0s to type 0 words in Easy level with 1 mistakes."});
    QCOMPARE(fixture->career.training(), 1);
}

void FrmpTest::selectionnevercanbeovertyped() {
    start();
    QTest::keyClicks(w->typingbox, "appXe");
    w->typingbox->setSelection(1, 3);
    QVERIFY(!w->typingbox->hasSelectedText());
    QCOMPARE(w->typingbox->cursorPosition(), 1);
    QTest::keyClick(w->typingbox, Qt::Key_End);
    QTest::keyClick(w->typingbox, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(w->typingbox, Qt::Key_Left, Qt::ShiftModifier);
    QVERIFY(!w->typingbox->hasSelectedText());
    QTest::mouseDClick(w->typingbox, Qt::LeftButton, {}, QPoint(20, w->typingbox->height() / 2));
    QVERIFY(!w->typingbox->hasSelectedText());
    QTest::keyClick(w->typingbox, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(!w->typingbox->hasSelectedText());
    QCOMPARE(w->typingbox->cursorPosition(), 0);
    QTest::keyClicks(w->typingbox, "z");
    QCOMPARE(w->typingbox->text(), QStringLiteral("zappXe"));
    // Tab back into the box: Qt selects it all, but typing goes on at the end.
    emptytypingbox(w->typingbox);
    QTest::keyClicks(w->typingbox, "zz");
    QFocusEvent tabbedin(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w->typingbox, &tabbedin);
    QTest::keyClicks(w->typingbox, "yy");
    QCOMPARE(w->typingbox->text(), QStringLiteral("zzyy"));
}

void FrmpTest::undocannotbringbackatypedentry() {
    start();
    typetarget();
    QTest::keyClick(w->typingbox, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->typingbox->text(), QString());
    QCOMPARE(w->typedshown->text(), QStringLiteral("1"));
}

// Beside the buttons, today's practice of every activity against the goal, read with its value.
void FrmpTest::showstodayspractice() {
    TypingRecord earlier;
    earlier.ended = fixture->clock.now;
    earlier.activity = QStringLiteral("Race");
    earlier.result = QStringLiteral("Won");
    earlier.counts.tally = {6 * 60000 + 59999, 1, 5, 5, 0, 0};
    fixture->writefile("stats.dat", statsline(earlier));
    StatsRecorder recorder([] { return QStringLiteral("Tester"); });
    w->setrecorder(&recorder);
    w->practice->finishloading();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w->today);
    QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Today's practice"));
    QCOMPARE(bar->valueInterface()->currentValue().toInt(), 6);
    QCOMPARE(bar->valueInterface()->maximumValue().toInt(), 10);
    QCOMPARE(w->today->text(), QStringLiteral("Today: 6 of 10 min"));
    QCOMPARE(bar->text(QAccessible::Description), w->today->text());
    QVERIFY(w->today->geometry().right() < w->width() && w->today->y() > w->leftshown->y());
    // What ends elsewhere shows here too, and past the goal the bar stays full.
    earlier.counts.tally.milliseconds = 5 * 60000;
    recorder.record(earlier);
    QCOMPARE(w->today->text(), QStringLiteral("Today: 11 of 10 min"));
    QCOMPARE(bar->valueInterface()->currentValue().toInt(), 10);
}

QTEST_MAIN(FrmpTest)
#include "frmp_test.moc"
