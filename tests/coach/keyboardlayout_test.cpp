#include "coach/keyboardchooser.h"
#include "coach/keyboardlayout.h"

#include <QTemporaryFile>
#include <QTest>

namespace {

// "33" one key; "33+54" with that Shift; "18+100" with AltGr; "41 18" a dead key, then a key.
QString strokes(const QList<KeyPress>& presses) {
    QStringList words;
    for (const KeyPress& press : presses) {
        QString word = QString::number(press.code);
        for (int modifier : {press.shiftcode, press.altgrcode})
            if (modifier)
                word += '+' + QString::number(modifier);
        words << word;
    }
    return words.join(' ');
}

} // namespace

class KeyboardLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void presses_data();
    void presses();
    void unknownlayout();
    void chooser();
    void systemkeymap();
};

// Evdev codes: the top letter row runs 16 to 27, home 30 to 40, bottom 44 to 53; 42 is the left
// Shift, 54 the right, 100 the right Alt; 41 is left of 1 (2), 7 is the 6 key.
void KeyboardLayoutTest::presses_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("us: q first letter of the top row") << "us" << "" << "q" << "16";
    QTest::newRow("fr: a first letter of the top row") << "fr" << "" << "a" << "16";
    QTest::newRow("us: y") << "us" << "" << "y" << "21";
    QTest::newRow("de: z where us has y") << "de" << "" << "z" << "21";
    QTest::newRow("de: y where us has z") << "de" << "" << "y" << "44";
    QTest::newRow("us: é not on this keyboard") << "us" << "" << "é" << "";
    QTest::newRow("us: euro not on this keyboard") << "us" << "" << "€" << "";
    QTest::newRow("us: capital on the left hand, right Shift") << "us" << "" << "F" << "33+54";
    QTest::newRow("us: colon on the right hand, left Shift") << "us" << "" << ":" << "39+42";
    QTest::newRow("us: space") << "us" << "" << " " << "57";
    QTest::newRow("fr: digits need Shift") << "fr" << "" << "1" << "2+54";
    QTest::newRow("fr: é plain") << "fr" << "" << "é" << "3";
    QTest::newRow("de: ß plain") << "de" << "" << "ß" << "12";
    QTest::newRow("de: @ with AltGr") << "de" << "" << "@" << "16+100";
    QTest::newRow("de: slash on the digit row, not the keypad") << "de" << "" << "/" << "8+42";
    QTest::newRow("de: ô by dead circumflex") << "de" << "" << "ô" << "41 24";
    QTest::newRow("us intl: è by dead grave") << "us" << "intl" << "è" << "41 18";
    QTest::newRow("us intl: ê by shifted dead circumflex") << "us" << "intl" << "ê" << "7+42 18";
    QTest::newRow("us intl: é with AltGr beats the dead key") << "us" << "intl" << "é" << "18+100";
    QTest::newRow("us: two characters are no key") << "us" << "" << "ab" << "";
    QTest::newRow("us: empty") << "us" << "" << "" << "";
    // clang-format on
}

void KeyboardLayoutTest::presses() {
    QFETCH(QString, layout);
    QFETCH(QString, variant);
    QFETCH(QString, character);
    QFETCH(QString, expected);
    const KeyboardLayout keyboard = KeyboardLayout::fromnames(layout, variant);
    QVERIFY(!keyboard.isempty());
    QCOMPARE(strokes(keyboard.presses(character)), expected);
}

void KeyboardLayoutTest::unknownlayout() {
    QVERIFY(KeyboardLayout::fromnames(QStringLiteral("no-such-layout")).isempty());
    QVERIFY(KeyboardLayout().presses(QStringLiteral("a")).isEmpty());
}

void KeyboardLayoutTest::chooser() {
    // The installed list knows us and its variants, and without X11 starts at plain us.
    KeyboardChooser installed(xkblayoutnames(), false);
    QVERIFY(installed.count() > 50);
    QCOMPARE(installed.key(), QStringLiteral("us"));
    QCOMPARE(installed.caption(installed.current()), QStringLiteral("English (US)"));
    QVERIFY(installed.choose(QStringLiteral("us(intl)")));
    QCOMPARE(installed.load().presses(QStringLiteral("è")).size(), 2);
    QVERIFY(!installed.choose(QStringLiteral("xx")));
    QCOMPARE(installed.key(), QStringLiteral("us(intl)"));
    // No rules file: us alone. A name that no longer compiles falls back to us.
    KeyboardChooser bare(xkblayoutnames(QStringLiteral("/nonexistent/evdev.xml")), false);
    QCOMPARE(bare.count(), 1);
    QCOMPARE(bare.load().description(), QStringLiteral("English (US)"));
    KeyboardChooser stale({{QStringLiteral("xx"), {}, QStringLiteral("Gone")}}, false);
    QCOMPARE(stale.load().description(), QStringLiteral("English (US)"));
    // On X11 the player's own keymap comes first.
    KeyboardChooser onx11(xkblayoutnames(), true);
    QCOMPARE(onx11.caption(0), QStringLiteral("System keyboard"));
    QCOMPARE(onx11.key(), QString());
}

// Runs where there is an X server (QT_QPA_PLATFORM=xcb under Xvfb); skipped offscreen.
void KeyboardLayoutTest::systemkeymap() {
    if (!KeyboardLayout::systemavailable())
        QSKIP("no X server");
    const KeyboardLayout own = KeyboardLayout::fromsystem();
    QVERIFY(!own.isempty());
    QCOMPARE(strokes(own.presses(QStringLiteral(" "))), QStringLiteral("57"));
}

QTEST_MAIN(KeyboardLayoutTest)
#include "keyboardlayout_test.moc"
