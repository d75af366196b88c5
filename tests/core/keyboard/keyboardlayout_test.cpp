#include "keyboard/keyboardchoice.h"
#include "keyboard/keyboardchooser.h"
#include "keyboard/keyboardlayout.h"
#include "keyboard/keyboardphysical.h"
#include "support/fakes.h"

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
    void labels_data();
    void labels();
    void unknownlayout();
    void physicaltable();
    void rulesfile_data();
    void rulesfile();
    void chooser();
    void keptchoice_data();
    void keptchoice();
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

void KeyboardLayoutTest::labels_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("us: 1 shifted") << "us" << "" << 2 << 1 << "!";
    QTest::newRow("us: no third level without AltGr") << "us" << "" << 16 << 2 << "";
    QTest::newRow("de: AltGr q") << "de" << "" << 16 << 2 << "@";
    QTest::newRow("de: dead circumflex shows its accent") << "de" << "" << 41 << 0 << "^";
    QTest::newRow("us intl: dead grave shows its accent") << "us" << "intl" << 41 << 0 << "`";
    QTest::newRow("us: Tab types no cap text") << "us" << "" << 15 << 0 << "";
    QTest::newRow("us: keypad 7 without Num Lock") << "us" << "" << 71 << 0 << "";
    QTest::newRow("us: code past the table") << "us" << "" << 300 << 0 << "";
    QTest::newRow("us: level past the table") << "us" << "" << 16 << 4 << "";
    // clang-format on
}

void KeyboardLayoutTest::labels() {
    QFETCH(QString, layout);
    QFETCH(QString, variant);
    QFETCH(int, code);
    QFETCH(int, level);
    QFETCH(QString, expected);
    QCOMPARE(KeyboardLayout::fromnames(layout, variant).text(code, level), expected);
}

void KeyboardLayoutTest::unknownlayout() {
    QVERIFY(KeyboardLayout::fromnames(QStringLiteral("no-such-layout")).isempty());
    QVERIFY(KeyboardLayout().presses(QStringLiteral("a")).isEmpty());
}

// 105 keys, each code once, no two overlapping, all on the board.
void KeyboardLayoutTest::physicaltable() {
    const auto keys = physicalkeys();
    QCOMPARE(keys.size(), size_t(105));
    const QRectF board(QPointF(0, 0), physicalsize());
    QList<QPair<int, QRectF>> parts;
    for (const PhysicalKey& key : keys) {
        QCOMPARE(physicalkey(key.code), &key);
        for (const QRectF& part : keyparts(key)) {
            QVERIFY(board.contains(part));
            for (const auto& [code, other] : std::as_const(parts))
                QVERIFY2(!part.intersects(other),
                         qPrintable(QStringLiteral("%1 %2").arg(key.code).arg(code)));
            parts.append({key.code, part});
        }
    }
}

void KeyboardLayoutTest::rulesfile_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("expected");
    const QByteArray model =
        "<modelList><model><configItem><name>pc105</name><description>PC</description></configItem></model></modelList>";
    const QByteArray us =
        "<layout><configItem><name>us</name><description>English (US)</description><languageList><iso639Id>eng</iso639Id></languageList></configItem><variantList><variant><configItem><name>intl</name><description>English (US, intl.)</description></configItem></variant></variantList></layout>";
    const QByteArray de =
        "<layout><configItem><name>de</name><description>German</description></configItem></layout>";
    const QByteArray option =
        "<optionList><group><configItem><name>grp</name><description>Switching</description></configItem></group></optionList>";
    // clang-format off
    QTest::newRow("models and options skipped, sorted by description") << "<xkbConfigRegistry>" + model + "<layoutList>" + us + de + "</layoutList>" + option + "</xkbConfigRegistry>" << "us us(intl) de";
    QTest::newRow("damaged") << "<xkbConfigRegistry><layoutList>" + us + "<layout>" << "";
    QTest::newRow("empty") << QByteArray() << "";
    // clang-format on
}

void KeyboardLayoutTest::rulesfile() {
    QFETCH(QByteArray, xml);
    QFETCH(QString, expected);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(xml);
    file.close();
    QStringList keys;
    for (const KeyboardLayoutName& name : xkblayoutnames(file.fileName()))
        keys << (name.variant.isEmpty() ? name.layout : name.layout + '(' + name.variant + ')');
    QCOMPARE(keys.join(' '), expected);
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
void KeyboardLayoutTest::keptchoice_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("choice"); // "<none>" when the file keeps none
    QTest::addColumn<QString>("reading");
    // clang-format off
    QTest::newRow("as written")        << QByteArray("\"de\"\r\n")          << "de"       << "whole";
    QTest::newRow("no line end")       << QByteArray("\"us\"")              << "us"       << "whole";
    QTest::newRow("CR alone")          << QByteArray("\"us(intl)\"\r")      << "us(intl)" << "whole";
    QTest::newRow("a second line")     << QByteArray("\"de\"\r\"fr\"\n")     << "de"       << "damaged";
    QTest::newRow("system keyboard")   << QByteArray("\"\"\r\n")            << ""         << "whole";
    QTest::newRow("empty file")        << QByteArray()                     << "<none>"   << "damaged";
    QTest::newRow("unclosed quote")    << QByteArray("\"us\r\n")           << "<none>"   << "damaged";
    QTest::newRow("far too long")      << QByteArray(300, 'x')             << "<none>"   << "damaged";
    QTest::newRow("no layout's name")  << QByteArray("\"d e\"\r\n")        << "<none>"   << "damaged";
    QTest::newRow("a NUL")             << QByteArray("\"de\"\0\r\n", 7)    << "de"       << "damaged";
    // clang-format on
}

void KeyboardLayoutTest::keptchoice() {
    QFETCH(QByteArray, bytes);
    std::optional<QString> choice;
    QTEST(readingname(readkeyboardchoice(bytes, choice)), "reading");
    QTEST(choice.value_or(QStringLiteral("<none>")), "choice");
}

QTEST_GUILESS_MAIN(KeyboardLayoutTest)
#include "keyboardlayout_test.moc"
