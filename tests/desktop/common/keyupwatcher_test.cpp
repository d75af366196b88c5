#include "common/keyupwatcher.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

class KeyUpWatcherTest : public QObject {
    Q_OBJECT
private slots:
    void heldkeyscountonce_data();
    void heldkeyscountonce();
    void disabledboxreportsnothing();
};

struct Sent {
    QEvent::Type type;
    quint64 stamp;
    bool flagged;
};
Q_DECLARE_METATYPE(QList<Sent>)

void KeyUpWatcherTest::heldkeyscountonce_data() {
    QTest::addColumn<QList<Sent>>("events");
    QTest::addColumn<int>("net");
    const auto P = QEvent::KeyPress;
    const auto R = QEvent::KeyRelease;
    QTest::newRow("one keystroke") << QList<Sent>{{P, 10, false}, {R, 20, false}} << 1;
    QTest::newRow("two keystrokes")
        << QList<Sent>{{P, 10, false}, {R, 20, false}, {P, 30, false}, {R, 40, false}} << 2;
    QTest::newRow("repeats flagged by Qt")
        << QList<Sent>{{P, 10, false}, {R, 50, true}, {P, 50, true}, {R, 90, false}} << 1;
    QTest::newRow("repeats as unflagged same-stamp pairs")
        << QList<Sent>{{P, 10, false}, {R, 50, false}, {P, 50, false},
                       {R, 60, false}, {P, 60, false}, {R, 90, false}}
        << 1;
    QTest::newRow("a quick second press is no repeat")
        << QList<Sent>{{P, 10, false}, {R, 20, false}, {P, 21, false}, {R, 30, false}} << 2;
}

void KeyUpWatcherTest::heldkeyscountonce() {
    QFETCH(QList<Sent>, events);
    QFETCH(int, net);
    QLineEdit box;
    auto* watcher = new KeyUpWatcher(&box);
    int count = 0;
    connect(watcher, &KeyUpWatcher::keyup, [&](int key) {
        QCOMPARE(key, int(Qt::Key_Backspace));
        ++count;
    });
    connect(watcher, &KeyUpWatcher::keyupretracted, [&] { --count; });
    for (const Sent& e : events) {
        QKeyEvent key(e.type, Qt::Key_Backspace, Qt::NoModifier, QString(), e.flagged);
        key.setTimestamp(e.stamp);
        QApplication::sendEvent(&box, &key);
    }
    QCOMPARE(count, net);
}

void KeyUpWatcherTest::disabledboxreportsnothing() {
    QLineEdit box;
    auto* watcher = new KeyUpWatcher(&box);
    int count = 0;
    connect(watcher, &KeyUpWatcher::keyup, [&] { ++count; });
    box.setEnabled(false);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(count, 0);
}

QTEST_MAIN(KeyUpWatcherTest)
#include "keyupwatcher_test.moc"
