#include "keyboard/keyboardview.h"
#include "keyboard/x11keyboard.h"

#include <QHelpEvent>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

class KeyboardViewTest : public QObject {
    Q_OBJECT
private slots:
    void systemkeymap();
    void nextkeyandheatmap();
    void describedagain_data();
    void describedagain();
    void repaintedasafresh_data();
    void repaintedasafresh();
    void capsreadatthesmallestsize_data();
    void capsreadatthesmallestsize();
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
    QCOMPARE(view.accessibleDescription(),
             QStringLiteral("Next key: é, type E, left middle finger"));
    view.shownext(QStringLiteral("€"));
    QCOMPARE(view.accessibleDescription(), QStringLiteral("Next key: €, not on this keyboard"));
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
    QTextDocument tip; // as the tooltip shows it
    tip.setHtml(QToolTip::text());
    QCOMPARE(tip.toPlainText(), QStringLiteral("f: 50% missed\nF: 10% missed"));
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

// What the drawing works out once per character must come out the same each time the character
// comes again, and anew for another layout. Steps: a character to show, "+" for the next press,
// "us" or "intl" for a layout.
void KeyboardViewTest::describedagain_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("lit");
    const QString deadgrave = QStringLiteral("Next key: `, left little finger, then E");
    QTest::newRow("again after its letter") << QStringList{"è", "+", "è"} << deadgrave << 41;
    QTest::newRow("its letter alone")
        << QStringList{"è", "+", "e"} << QStringLiteral("Next key: E, left middle finger") << 18;
    QTest::newRow("gone with the layout")
        << QStringList{"è", "us"} << QStringLiteral("Next key: è, type E, left middle finger")
        << 18;
    QTest::newRow("back with the layout") << QStringList{"è", "us", "intl", "è"} << deadgrave << 41;
    QTest::newRow("capital after small")
        << QStringList{"f", "F"}
        << QStringLiteral("Next key: F, left index finger, with right Shift") << 54;
    QTest::newRow("nothing next") << QStringList{"f", ""} << QString() << 0;
}

void KeyboardViewTest::describedagain() {
    QFETCH(QStringList, steps);
    QFETCH(QString, description);
    QFETCH(int, lit);
    KeyboardView view;
    view.resize(view.sizeHint());
    view.setlayout(KeyboardLayout::fromnames(QStringLiteral("us"), QStringLiteral("intl")));
    const QColor rest = view.colours(lit ? lit : 33).fill;
    for (const QString& step : steps) {
        if (step == QLatin1String("+"))
            QVERIFY(view.steptoletter());
        else if (step == QLatin1String("us"))
            view.setlayout(KeyboardLayout::fromnames(QStringLiteral("us")));
        else if (step == QLatin1String("intl"))
            view.setlayout(KeyboardLayout::fromnames(QStringLiteral("us"), QStringLiteral("intl")));
        else
            view.shownext(step);
    }
    QCOMPARE(view.accessibleDescription(), description);
    if (lit)
        QVERIFY(view.colours(lit).fill != rest);
}

namespace {

// What the window shows, as its last paints left it: unlike grab(), paints nothing afresh.
QImage onscreen(const KeyboardLayout& layout, const QStringList& characters) {
    KeyboardView view;
    view.setlayout(layout);
    view.resize(view.sizeHint());
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return {};
    for (const QString& character : characters) {
        view.shownext(character);
        QCoreApplication::processEvents();
    }
    return view.screen()->grabWindow(view.winId()).toImage();
}

} // namespace

// Repainting only the keys that change must leave the keyboard as drawing it whole would.
void KeyboardViewTest::repaintedasafresh_data() {
    QTest::addColumn<QStringList>("characters");
    QTest::newRow("neighbours") << QStringList{"f", "g", "h"};
    QTest::newRow("both ends") << QStringList{"q", "p", "z", "/"};
    QTest::newRow("shift held over capitals") << QStringList{"A", "S", "D"};
    QTest::newRow("shift let go") << QStringList{"A", "a", "P"};
    QTest::newRow("nothing next") << QStringList{"f", "", "j", ""};
}

void KeyboardViewTest::repaintedasafresh() {
    QFETCH(QStringList, characters);
    const KeyboardLayout us = KeyboardLayout::fromnames(QStringLiteral("us"));
    const QImage stepped = onscreen(us, characters);
    QVERIFY(!stepped.isNull());
    QCOMPARE(stepped, onscreen(us, {characters.last()}));
}

void KeyboardViewTest::capsreadatthesmallestsize_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("code"); // a key that carries many texts, and how many
    QTest::addColumn<int>("texts");
    QTest::newRow("us") << "us" << 2 << 2;  // 1 !
    QTest::newRow("de") << "de" << 8 << 4;  // 7 / { ⅞
    QTest::newRow("fr") << "fr" << 11 << 4; // à 0 @ and one more
}

// At its smallest, every text on every cap, the third and fourth levels too, is 8 px or more,
// lies within its cap and clear of the cap's other texts.
void KeyboardViewTest::capsreadatthesmallestsize() {
    QFETCH(QString, layout);
    QFETCH(int, code);
    QFETCH(int, texts);
    KeyboardView view;
    view.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    view.setlayout(KeyboardLayout::fromnames(layout));
    view.resize(view.minimumSizeHint());
    QCOMPARE(view.caplabels(code).size(), texts);
    for (const PhysicalKey& key : physicalkeys()) {
        const QRectF cap = view.keyrect(key.code).adjusted(-1, -1, 1, 1);
        QList<QRectF> taken;
        for (const CapLabel& label : view.caplabels(key.code)) {
            const QString where = QStringLiteral("%1 on key %2").arg(label.text).arg(key.code);
            QVERIFY2(label.pixels >= smallestcappixels, qPrintable(where));
            QFont font = view.font();
            font.setPixelSize(label.pixels);
            const QRectF drawn =
                QFontMetricsF(font).boundingRect(label.area, label.flags, label.text);
            QVERIFY2(cap.contains(drawn), qPrintable(where));
            for (const QRectF& other : std::as_const(taken))
                QVERIFY2(!other.intersects(drawn), qPrintable(where));
            taken.append(drawn);
        }
    }
}

// The X server's own keymap, where there is one to read.
void KeyboardViewTest::systemkeymap() {
    X11Keyboard server;
    if (!server.available())
        QSKIP("no X server");
    const KeyboardLayout own = server.layout();
    QVERIFY(!own.isempty());
    QVERIFY(!own.presses(QStringLiteral(" ")).isEmpty());
    QCOMPARE(own.presses(QStringLiteral(" ")).front().code, 57);
}

QTEST_MAIN(KeyboardViewTest)
#include "keyboardview_test.moc"
