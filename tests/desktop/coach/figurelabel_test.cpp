#include "coach/figurelabel.h"

#include <QTest>

#include <functional>

// A figure label keeps its figures drawn; whatever it shows must still look as a label made
// afresh in the same state would.
class FigureLabelTest : public QObject {
    Q_OBJECT
private slots:
    void drawnasafresh_data();
    void drawnasafresh();
};

using Change = std::function<void(QLabel&)>;

void FigureLabelTest::drawnasafresh_data() {
    QTest::addColumn<Change>("change");
    const Change dark = [](QLabel& l) {
        QPalette p = l.palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::yellow);
        l.setPalette(p);
    };
    QTest::newRow("figure shown before") << Change([](QLabel& l) { l.setText("41 WPM"); });
    QTest::newRow("new figure") << Change([](QLabel& l) { l.setText("43 WPM"); });
    QTest::newRow("palette") << dark;
    QTest::newRow("font") << Change([](QLabel& l) { l.setFont(QFont(l.font().family(), 20)); });
    QTest::newRow("disabled") << Change([](QLabel& l) { l.setEnabled(false); });
    QTest::newRow("resized") << Change([](QLabel& l) { l.resize(140, 30); });
}

void FigureLabelTest::drawnasafresh() {
    QFETCH(Change, change);
    QWidget window;
    FigureLabel kept(QStringLiteral("41 WPM"), &window);
    kept.resize(100, 20);
    kept.grab(); // draws and keeps "41 WPM"
    kept.setText(QStringLiteral("42 WPM"));
    kept.grab();
    change(kept);
    FigureLabel fresh(QStringLiteral("42 WPM"), &window);
    fresh.resize(100, 20);
    change(fresh);
    QCOMPARE(kept.grab().toImage(), fresh.grab().toImage());
}

QTEST_MAIN(FigureLabelTest)
#include "figurelabel_test.moc"
