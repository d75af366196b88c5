#include "common/layout.h"
#include "competition/frmcars.h"
#include "competition/ghostcar.h"
#include "competition/replaysfile.h"
#include "support/accessiblelabels.h"
#include "support/careerfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(RaceLevel)

class FrmcarsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startputstheraceunderway();
    void typingatargetmovestheplayer();
    void correctionkeysonrelease_data();
    void correctionkeysonrelease();
    void carsaredrawnatthenearestpixel();
    void heldorundonekeysdonotcounttwice();
    void endings_data();
    void endings();
    void secondstartloadseachentryonce();
    void closeboxdiscardstherace();
    void racingyourbest();

private:
    void openrace(qint32 prize);
    void ticks(int count);

    CareerFixture* fixture = nullptr;
    QPointer<frmcars> race;
};

void FrmcarsTest::init() {
    fixture = new CareerFixture;
    fixture->writefile("avg.txt", "alpha\r\nBravo\r\ncharlie delta\r\n");
}

void FrmcarsTest::cleanup() {
    delete fixture;
}

void FrmcarsTest::openrace(qint32 prize) {
    fixture->window(race)->startgame(prize);
}

void FrmcarsTest::ticks(int count) {
    for (int i = 0; i < count; ++i)
        race->clock_Timer();
}

void FrmcarsTest::startputstheraceunderway() {
    fixture->clock.seconds = 777;
    fixture->random.draws << 0.5;
    openrace(300);
    QVERIFY(race->isVisible() && !race->typingbox->isEnabled() && !race->clock->isActive());
    // Opened again after Back, the focus is on Start, not on Back where Space would forfeit.
    QCOMPARE(race->focusWidget(), race->start);
    race->back->setFocus();
    race->back->click();
    openrace(300);
    QCOMPARE(race->focusWidget(), race->start);
    race->start->click();
    QCOMPARE(race->words(), (QStringList{"alpha", "Bravo", "charlie delta"}));
    QCOMPARE(race->target->text(), QStringLiteral("Bravo"));
    QCOMPARE(fixture->random.reseeds.mid(fixture->random.reseeds.size() - 2),
             (QList<double>{777, 777}));
    QVERIFY(race->typingbox->isEnabled() && race->clock->isActive());
    QVERIFY(!race->start->isEnabled() && !race->levelframe->isEnabled());
    // The typing box never holds a selection.
    race->typingbox->setText("alp");
    race->typingbox->selectAll();
    QVERIFY(!race->typingbox->hasSelectedText());
    // Focus given back by Shift+Tab selects nothing and keeps the caret where typing goes on.
    QFocusEvent tabbedin(QEvent::FocusIn, Qt::BacktabFocusReason);
    QApplication::sendEvent(race->typingbox, &tabbedin);
    QTest::keyClicks(race->typingbox, "ha");
    QCOMPARE(race->typingbox->text(), QStringLiteral("alpha"));
}

void FrmcarsTest::typingatargetmovestheplayer() {
    fixture->random.draws << 0.5 << 0.9;
    openrace(600);
    race->start_Click();
    // Case counts, and nothing is trimmed.
    for (const char* near : {"bravo", " Bravo"}) {
        QTest::keyClicks(race->typingbox, near);
        race->typingbox->clear();
    }
    QCOMPARE(race->race().playerleft, 120);
    QTest::keyClicks(race->typingbox, "Bravo");
    QCOMPARE(race->race().playerleft, 120 + 175);
    QCOMPARE(race->typingbox->text(), QString());
    QCOMPARE(race->target->text(), QStringLiteral("charlie delta"));
    // Every figure and text is read by a screen reader as what it shows.
    QCOMPARE(misreadlabels(race), QStringList());
}

void FrmcarsTest::correctionkeysonrelease_data() {
    QTest::addColumn<RaceLevel>("level");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("left");
    QTest::newRow("Expert backspaces from the start")
        << RaceLevel::Expert << int(Qt::Key_Backspace) << 0;
    QTest::newRow("Easy backspace") << RaceLevel::Easy << int(Qt::Key_Backspace) << 120;
    QTest::newRow("Easy delete") << RaceLevel::Easy << int(Qt::Key_Delete) << 120;
    QTest::newRow("Average delete") << RaceLevel::Average << int(Qt::Key_Delete) << 20;
    QTest::newRow("other keys") << RaceLevel::Expert << int(Qt::Key_Left) << 120;
}

void FrmcarsTest::correctionkeysonrelease() {
    QFETCH(RaceLevel, level);
    QFETCH(int, key);
    QFETCH(int, left);
    openrace(2000);
    race->setlevel(level);
    race->start_Click();
    // A held key repeats its release; only the real one counts.
    QKeyEvent repeated(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(race->typingbox, &repeated);
    QCOMPARE(race->race().playerleft, 120);
    QTest::keyClick(race->typingbox, static_cast<Qt::Key>(key));
    QTest::keyClick(race->typingbox, static_cast<Qt::Key>(key));
    QCOMPARE(race->race().playerleft, left);
}

void FrmcarsTest::heldorundonekeysdonotcounttwice() {
    fixture->random.draws << 0.5 << 0.9;
    openrace(900);
    race->start_Click();
    QTest::keyClicks(race->typingbox, "Bravo");
    QCOMPARE(race->race().playerleft, 120 + 175);
    // Undo can't bring the typed entry back to score again.
    QTest::keyClick(race->typingbox, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(race->race().playerleft, 120 + 175);
    // A held Backspace arriving as same-stamp release and press pairs costs one setback.
    for (quint64 stamp : {500, 540})
        for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent key(type, Qt::Key_Backspace, Qt::NoModifier);
            key.setTimestamp(stamp);
            QCoreApplication::sendEvent(race->typingbox, &key);
        }
    QKeyEvent last(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier);
    last.setTimestamp(600);
    QCoreApplication::sendEvent(race->typingbox, &last);
    QCOMPARE(race->race().playerleft, 120 + 175 - 120);
}

void FrmcarsTest::carsaredrawnatthenearestpixel() {
    openrace(300);
    race->start_Click();
    ticks(1); // 127 twips: 8.47 pixels
    QCOMPARE(race->opponentcar->x(), 8);
    ticks(1); // 134 twips: 8.93 pixels
    QCOMPARE(race->opponentcar->x(), 9);
}

void FrmcarsTest::endings_data() {
    QTest::addColumn<RaceLevel>("level");
    QTest::addColumn<int>("ticksbefore");
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("back");
    QTest::addColumn<bool>("won");
    QTest::newRow("win") << RaceLevel::Easy << 0 << 35 << false << true;
    QTest::newRow("loss a step short") << RaceLevel::Hard << 858 << 48 << false << false;
    QTest::newRow("same tick") << RaceLevel::Expert << 715 << 49 << false << false;
    QTest::newRow("back") << RaceLevel::Average << 1226 << 0 << true << false;
}

// The decisive tick comes after the given ticks and typed entries.
void FrmcarsTest::endings() {
    QFETCH(RaceLevel, level);
    QFETCH(int, ticksbefore);
    QFETCH(int, entries);
    QFETCH(bool, back);
    QFETCH(bool, won);
    openrace(523);
    race->setlevel(level);
    race->start_Click();
    if (back)
        race->back->click();
    QCOMPARE(race->isVisible(), !back);
    ticks(ticksbefore);
    for (int i = 0; i < entries; ++i)
        QTest::keyClicks(race->typingbox, race->target->text());
    QVERIFY(fixture->dialogs.shown.isEmpty());
    ticks(1);
    QCOMPARE(fixture->dialogs.texts(),
             QStringList{won ? "You won! Price money is for you!" : "You lost!!!"});
    QCOMPARE(fixture->dialogs.shown.last().title, won ? "So good!" : "Too bad!");
    QCOMPARE(fixture->dialogs.shown.last().icon, MsgIcon::Exclamation);
    QCOMPARE(fixture->career.money(), won ? 250 + 523 : 250);
    QCOMPARE(fixture->career.training(), won ? 10 : 0);
    // At rest, hidden, the level kept.
    QVERIFY(!race->isVisible() && !race->clock->isActive() && !race->typingbox->isEnabled());
    QVERIFY(race->start->isEnabled() && race->levelframe->isEnabled());
    QCOMPARE(race->currentprize(), 0);
    QCOMPARE(race->yourcar->x(), 8);
    QCOMPARE(race->level(), level);
}

void FrmcarsTest::secondstartloadseachentryonce() {
    openrace(900);
    race->start_Click();
    ticks(716);
    openrace(900);
    race->start_Click();
    QCOMPARE(race->words().size(), 3);
}

void FrmcarsTest::closeboxdiscardstherace() {
    openrace(100);
    race->start_Click();
    ticks(5);
    race->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!race);
    QVERIFY(fixture->dialogs.shown.isEmpty());
    QCOMPARE(fixture->career.money(), 250);
    // Afresh: Average while no prize overrules it, the cars at the start.
    openrace(5000);
    QCOMPARE(race->level(), RaceLevel::Average);
    QCOMPARE(race->opponentcar->x(), 8);
}

// The first race at a level is the ghost of the second, which moves as that race's car moved,
// says how the player stands against it and whether the race is a new best, and changes
// nothing the race's own rules decide.
void FrmcarsTest::racingyourbest() {
    openrace(300);
    QVERIFY(!race->ghost->isVisible() && !race->racemybest->isVisible());
    race->start_Click();
    for (int entry = 1; entry <= 35; ++entry) {
        fixture->clock.ms += 1000;
        QTest::keyClicks(race->typingbox, race->target->text());
    }
    ticks(1);
    // The first race at the level beat nothing: no "New best!".
    QCOMPARE(race->ghostline->text(),
             QStringLiteral("To the finish in 35.0 s, your first race at this level."));

    // The next race shows the last one's verdict no more.
    openrace(300);
    QCOMPARE(race->ghostline->text(), QString());
    QVERIFY(race->ghost->isVisible() && race->racemybest->isVisible());
    QVERIFY(race->racemybest->isChecked());
    race->start_Click();
    fixture->clock.ms += 2500;
    ticks(1);
    QCOMPARE(race->ghost->x(), twips(120 + 2 * 250));
    QCOMPARE(race->ghost->y(), race->yourcar->y());
    QCOMPARE(race->ghostline->text(), QStringLiteral("2 entries behind your best"));
    fixture->clock.ms += 500;
    for (int entry = 1; entry <= 35; ++entry) {
        QTest::keyClicks(race->typingbox, race->target->text());
        if (entry == 15) {
            ticks(1); // the fifteenth entry at 15.6 s, the ghost's at 15.0
            QCOMPARE(race->ghostline->text(), QStringLiteral("0.6 s behind your best"));
        }
        fixture->clock.ms += 900;
    }
    // Both cars and the ghost are named for a screen reader; the figures read as they show.
    QStringList names;
    for (QWidget* car : {static_cast<QWidget*>(race->opponentcar),
                         static_cast<QWidget*>(race->yourcar), static_cast<QWidget*>(race->ghost)})
        names << QAccessible::queryAccessibleInterface(car)->text(QAccessible::Name);
    QCOMPARE(names, (QStringList{"Opponent", "Your Car", "Your best"}));
    QCOMPARE(misreadlabels(race), QStringList());
    ticks(1);
    QCOMPARE(race->ghostline->text(),
             QStringLiteral("To the finish in 33.6 s, 1.4 s faster than your best. New best!"));
    // The race's own rules and words, as they are.
    QCOMPARE(fixture->dialogs.texts(), QStringList(2, "You won! Price money is for you!"));
    QCOMPARE(fixture->career.money(), 250 + 2 * 300);

    // "Race my best" off hides the ghost, and stays off after the window is gone.
    openrace(300);
    race->racemybest->click();
    QVERIFY(!race->ghost->isVisible());
    race->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    openrace(300);
    QVERIFY(race->racemybest->isVisible() && !race->racemybest->isChecked());
    QVERIFY(!race->ghost->isVisible());
    QCOMPARE(loadreplays().book.recent[1].size(), 2);
}

QTEST_MAIN(FrmcarsTest)
#include "frmcars_test.moc"
