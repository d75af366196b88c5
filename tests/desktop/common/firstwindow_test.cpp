// What waits for the first window: nothing of it runs before a window is on screen, it runs in
// the order it was asked for, and not at all once what it belongs to is gone.
#include "common/firstwindow.h"

#include <QTest>
#include <QWidget>

class FirstWindowTest : public QObject {
    Q_OBJECT
private slots:
    void waitsforthefirstwindow();
};

void FirstWindowTest::waitsforthefirstwindow() {
    QStringList ran;
    QObject owner;
    auto* gone = new QObject;
    afterfirstwindow(&owner, [&] { ran << "icon"; });
    afterfirstwindow(gone, [&] { ran << "gone"; });
    afterfirstwindow(&owner, [&] { ran << "sound"; });
    delete gone;
    // Events come and go, but no window is up yet.
    QCoreApplication::processEvents();
    QTest::qWait(0);
    QVERIFY(ran.isEmpty());

    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitFor([&] { return !ran.isEmpty(); }));
    QCOMPARE(ran, (QStringList{"icon", "sound"}));
    // Asked once the first window was up: it runs soon after, not at the next window.
    afterfirstwindow(&owner, [&] { ran << "late"; });
    QVERIFY(QTest::qWaitFor([&] { return ran.size() == 3; }));
    QCOMPARE(ran.last(), QStringLiteral("late"));
}

QTEST_MAIN(FirstWindowTest)
#include "firstwindow_test.moc"
