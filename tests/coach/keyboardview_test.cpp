#include "coach/keyboardview.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

class KeyboardViewTest : public QObject {
    Q_OBJECT
private slots:
    void nextkeyandheatmap();
};

void KeyboardViewTest::nextkeyandheatmap() {
    KeyboardView view;
    view.resize(view.sizeHint());
    view.setlayout(KeyboardLayout::fromnames(QStringLiteral("us")));
    QCOMPARE(view.accessibleName(), QStringLiteral("Keyboard"));
    const QColor rest = view.colours(33).fill;

    view.shownext(QStringLiteral("f"));
    QCOMPARE(view.accessibleDescription(), QStringLiteral("Next key: F, left index finger"));
    QCOMPARE(view.colours(33).fill, fingercolour(Finger::LeftIndex));
    view.shownext(QStringLiteral("F"));
    QCOMPARE(view.accessibleDescription(),
             QStringLiteral("Next key: F, left index finger, with right Shift"));
    QCOMPARE(view.colours(54).fill, fingercolour(Finger::RightLittle));
    view.shownext(QStringLiteral("é"));
    QCOMPARE(view.accessibleDescription(), QStringLiteral("Next key: é, not on this keyboard"));
    QCOMPARE(view.colours(33).fill, rest);
    QCOMPARE(view.colours(54).fill, rest);

    // A dead key, then its letter; a new layout keeps the character in hand.
    view.shownext(QStringLiteral("è"));
    view.setlayout(KeyboardLayout::fromnames(QStringLiteral("us"), QStringLiteral("intl")));
    QCOMPARE(view.accessibleDescription(),
             QStringLiteral("Next key: `, left little finger, then E"));
    QVERIFY(view.steptoletter());
    QCOMPARE(view.accessibleDescription(), QStringLiteral("Next key: E, left middle finger"));
    QCOMPARE(view.colours(18).fill, fingercolour(Finger::LeftMiddle));
    QVERIFY(!view.steptoletter());

    // Both cases of a letter share its key; the hottest decides the colour.
    view.setheatmap({{QStringLiteral("f"), 0.5, QStringLiteral("50% missed")},
                     {QStringLiteral("F"), 0.1, QStringLiteral("10% missed")},
                     {QStringLiteral(" "), 0.0, QStringLiteral("0% missed")}});
    QCOMPARE(view.colours(33).fill, heatcolour(1));
    QCOMPARE(view.colours(57).fill, heatcolour(0));
    const QPoint f = view.keyrect(33).center().toPoint();
    QHelpEvent help(QEvent::ToolTip, f, view.mapToGlobal(f));
    QCoreApplication::sendEvent(&view, &help);
    QCOMPARE(QToolTip::text(), QStringLiteral("f: 50% missed\nF: 10% missed"));
    QCOMPARE(view.tooltipat(view.keyrect(57).center().toPoint()),
             QStringLiteral("Space: 0% missed"));
    QCOMPARE(view.tooltipat(view.keyrect(16).center().toPoint()), QString());

    // Every cap's text reads on its fill, at rest, lit and hot, in a light and a dark palette.
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        dark.setColor(role, QColor(0x30, 0x30, 0x30));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    for (const QPalette& palette : {QPalette(QColor(0xef, 0xef, 0xef)), dark}) {
        view.setPalette(palette);
        view.shownext(QStringLiteral("@"));
        for (const PhysicalKey& key : physicalkeys()) {
            const KeyColours look = view.colours(key.code);
            QVERIFY2(contrast(look.fill, look.text) >= 4.5, qPrintable(QString::number(key.code)));
        }
        QVERIFY(!view.grab().isNull());
    }
}

QTEST_MAIN(KeyboardViewTest)
#include "keyboardview_test.moc"
