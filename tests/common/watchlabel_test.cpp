#include "common/watchlabel.h"

#include <QTest>

class WatchLabelTest : public QObject {
    Q_OBJECT
private slots:
    void firesonlyonanewtext();
    void runsnestedinsidethewrite();
};

void WatchLabelTest::firesonlyonanewtext() {
    WatchLabel label;
    int fired = 0;
    connect(&label, &WatchLabel::changed, [&] { ++fired; });
    label.setText("5");
    label.setText("5");
    QCOMPARE(fired, 1);
    label.setText("");
    QCOMPARE(fired, 2);
    label.setText("");
    QCOMPARE(fired, 2);
}

void WatchLabelTest::runsnestedinsidethewrite() {
    WatchLabel first;
    WatchLabel second;
    QStringList order;
    connect(&first, &WatchLabel::changed, [&] {
        order << "first:" + first.text();
        second.setText(first.text() + "!");
        order << "first done";
    });
    connect(&second, &WatchLabel::changed, [&] { order << "second:" + second.text(); });
    first.setText("a");
    order << "after write";
    QCOMPARE(order, (QStringList{"first:a", "second:a!", "first done", "after write"}));
}

QTEST_MAIN(WatchLabelTest)
#include "watchlabel_test.moc"
