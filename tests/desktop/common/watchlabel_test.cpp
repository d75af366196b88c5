// A value of the status panel too wide for it shows whole in its tooltip, as its font draws it:
// the main window takes its font only as it first shows, after a name may already be set.
#include "common/watchlabel.h"

#include "common/controls.h"

#include <QTest>

class WatchLabelTest : public QObject {
    Q_OBJECT
private slots:
    void tooltipfollowsthefont_data();
    void tooltipfollowsthefont();
};

void WatchLabelTest::tooltipfollowsthefont_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cut");
    // clang-format off
    QTest::newRow("grows past the edge") << 6  << 30 << "Maximiliane"                        << true;
    QTest::newRow("shrinks inside")      << 30 << 6  << "Maximiliane"                        << false;
    QTest::newRow("fits in both")        << 6  << 8  << "Ace"                                << false;
    QTest::newRow("cut in both")         << 24 << 30 << "Maximiliane Wolkenstein-Rabenhorst" << true;
    // clang-format on
}

void WatchLabelTest::tooltipfollowsthefont() {
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QString, text);
    QFETCH(bool, cut);
    QWidget panel;
    panel.setFont(QFont(QStringLiteral("Arial"), before));
    auto* label = new WatchLabel(&panel);
    label->setGeometry(0, 0, 120, 40);
    label->setText(text);
    panel.setFont(QFont(QStringLiteral("Arial"), after));
    QCOMPARE(label->iscut(), cut);
    QCOMPARE(label->toolTip(), cut ? plaintooltip(text) : QString());
}

QTEST_MAIN(WatchLabelTest)
#include "watchlabel_test.moc"
