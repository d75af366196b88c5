#include "keyboard/layouttyper.h"
#include "keyboard/learnchoices.h"

#include <QTest>

namespace {

// Keys by their evdev codes, as a US keyboard names them: "30" taps a, "+42" holds the left
// Shift down, "-42" lets it go. What each tap typed, and "?" for a tap left to the typing box.
QString typeall(LayoutTyper& typer, const QString& steps) {
    QString out;
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool held = step.front() == QLatin1Char('+');
        const bool let = step.front() == QLatin1Char('-');
        const int code = step.sliced(held || let ? 1 : 0).toInt();
        if (held) {
            typer.press(code);
        } else if (let) {
            typer.release(code);
        } else {
            const TypedKey typed = typer.press(code);
            typer.release(code);
            out += typed.handled ? typed.text : QStringLiteral("?");
        }
    }
    return out;
}

} // namespace

class LayoutTyperTest : public QObject {
    Q_OBJECT
private slots:
    void keysbyplace_data();
    void keysbyplace();
    void choices();
};

void LayoutTyperTest::keysbyplace_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("table"); // dead keys composed by the small table alone
    // clang-format off
    QTest::newRow("US as it is")                  << "us"             << "30 31 32 33"          << "asdf" << false;
    QTest::newRow("Dvorak's home row")            << "us(dvorak)"     << "30 31 32 33 34 36 37 38 39" << "aoeuihtns" << false;
    QTest::newRow("Dvorak's top row")             << "us(dvorak)"     << "16 17 18 19 20"       << "',.py" << false;
    QTest::newRow("Dvorak with Shift")            << "us(dvorak)"     << "+42 35 -42 35 +54 27 -54" << "Dd+" << false;
    QTest::newRow("Colemak")                      << "us(colemak)"    << "18 19 31 32 33 49"    << "fprstk" << false;
    QTest::newRow("Colemak-DH")                   << "us(colemak_dh)" << "34 35 33"             << "gmt" << false;
    QTest::newRow("Workman")                      << "us(workman)"    << "17 18 32 33"          << "drht" << false;
    QTest::newRow("BÉPO's letters")               << "fr(bepo)"       << "16 17 20 30 31 32 33" << "béèauie" << false;
    QTest::newRow("BÉPO's dead circumflex")       << "fr(bepo)"       << "21 19 21 33 21 57"    << "ôê^" << false;
    QTest::newRow("Neo 2's home row")             << "de(neo)"        << "30 31 32 33 34"       << "uiaeo" << false;
    QTest::newRow("Neo 2's third level by Caps")  << "de(neo)"        << "+58 32 33 -58 32"     << "{}a" << false;
    QTest::newRow("dead keys of US intl.")        << "us(intl)"       << "40 18 40 57 41 30 +42 41 -42 49" << "é'àñ" << false;
    QTest::newRow("AltGr of German")              << "de"             << "+100 16 -100 16 21"   << "@qz" << false;
    QTest::newRow("keys left to the box")         << "us(dvorak)"     << "14 28 105 15 1"       << "?????" << false;
    QTest::newRow("Ctrl and Alt make shortcuts")  << "us(dvorak)"     << "+29 30 -29 +56 31 -56 30" << "??a" << false;
    QTest::newRow("dead keys by the table")       << "us(intl)"       << "40 18 40 57 41 30 +42 41 -42 49 40 16" << "é´àñ" << true;
    QTest::newRow("BÉPO by the table")            << "fr(bepo)"       << "21 19 21 33 21 57"    << "ôê^" << true;
    QTest::newRow("no such layout")               << "xx(none)"       << "30"                   << "?" << false;
    // clang-format on
}

// Each key pressed by its place types what the learnt layout types there.
void LayoutTyperTest::keysbyplace() {
    QFETCH(QString, layout);
    QFETCH(QString, steps);
    QFETCH(bool, table);
    LayoutTyper typer(layout, table ? LayoutTyper::Compose::Table : LayoutTyper::Compose::Locale);
    QCOMPARE(typer.isempty(), layout == QLatin1String("xx(none)"));
    QTEST(typeall(typer, steps), "typed");
    // A reset lets go of every key held, and of a dead key waiting.
    typer.reset();
    QTEST(typeall(typer, steps), "typed");
}

// The desktop's own first, then the alternatives asked for most, then the rest in their order.
void LayoutTyperTest::choices() {
    const QList<KeyboardLayoutName> names = {
        {"de", "neo", "German (Neo 2)"},
        {"de", "dvorak", "German (Dvorak)"},
        {"de", "", "German"},
        {"us", "", "English (US)"},
        {"us", "dvorak", "English (Dvorak)"},
        {"us", "colemak", "English (Colemak)"},
    };
    QStringList keys;
    for (const LearnChoice& choice : learnchoices(names))
        keys << choice.key;
    QCOMPARE(keys,
             (QStringList{"", "us(dvorak)", "us(colemak)", "de(neo)", "de(dvorak)", "de", "us"}));
    QCOMPARE(learnrow(learnchoices(names), QStringLiteral("de(neo)")), 3);
    QCOMPARE(learnrow(learnchoices(names), QStringLiteral("fr(bepo)")), -1);
}

QTEST_APPLESS_MAIN(LayoutTyperTest)
#include "layouttyper_test.moc"
