// Every window, menu and prompt the screenshot tool's tour reaches, read under the
// pseudo-language en_XA, in which every text that went through tr() reads "[Ñéxt Ðáý]": a text
// that reads plain anywhere escaped tr(). All of them are listed at once, where they were met.
#include "support/fakes.h"
#include "support/windowtexts.h"
#include "windowtour.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QWidget>

#include <cstdio>

class UntranslatedTest : public QObject {
    Q_OBJECT
private slots:
    void readsplain_data();
    void readsplain();
    void everytexttranslated();
};

namespace {

// The game's own names, and what the tour's made-up players typed and keep: never translated.
const QStringList kept{
    QStringLiteral("Keystrider"),
    QStringLiteral("QuendleSoft"),
    QStringLiteral("Vivo re Zazede"),
    QStringLiteral("Vivo Re Zazede"),
    QStringLiteral("Vivovu Dev Ezi Doz"),
    QStringLiteral("KVR"),
    QStringLiteral("Quick Fingers"),
    QStringLiteral("Ace"),
    QStringLiteral("Bea"),
    QStringLiteral("Ann"),
    QStringLiteral("Old"),
    QStringLiteral("Player2"),
    QStringLiteral("Tester"),
    QStringLiteral("USB STICK"),
    QStringLiteral("ana"),
    QStringLiteral("media"),
};

// Controls that show what files or the player hold, not the game's texts: the words to type,
// what was typed, the event log as written, the names of saved games and of the hall of fame;
// and the keyboard layouts, named as xkeyboard-config names them.
const QSet<QString> holdingdata{
    QStringLiteral("target"),   QStringLiteral("typingbox"), QStringLiteral("Text1"),
    QStringLiteral("List1"),    QStringLiteral("games"),     QStringLiteral("filename"),
    QStringLiteral("roster"),   QStringLiteral("eventlog"),  QStringLiteral("layoutbox"),
    QStringLiteral("learnbox"),
};

// Where a control's name is shared, the window tells: the race's entry to type, the practice's
// and the coach's text to type.
const QSet<QString> holdingdatain{
    QStringLiteral("frmcars: Label3"),
    QStringLiteral("frmp: lbltype"),
    QStringLiteral("frmcoach: lbltype"),
};

// Qt's own texts (standard buttons, a tab bar's scroll buttons) come from Qt's catalogues,
// which the pseudo-language has none of; a finished language's flow checks them.
bool qtsown(const QString& control, const QString& text) {
    static const QSet<QString> texts{QStringLiteral("OK"), QStringLiteral("Cancel"),
                                     QStringLiteral("Scroll Left"), QStringLiteral("Scroll Right")};
    return texts.contains(text) &&
           (control == QLatin1String("(unnamed)") || control.startsWith(QLatin1String("Scroll")));
}

// The Language menu's languages, each named in its own language whatever the windows speak.
bool ownname(const QString& control) {
    return control.startsWith(QLatin1String("language-")) &&
           control != QLatin1String("language-system");
}

} // namespace

// What of a text reads plain: every "[…]" taken out, inner ones first (a translated text
// put into another), then the game's names, the players' data, numbers and signs.
QString leftover(QString text) {
    static const QRegularExpression bracketed(QStringLiteral("\\[[^\\[\\]]*\\]"));
    static const QRegularExpression filename(QStringLiteral("\\S*\\.(kvr|dat|txt|csv)\\b"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(bracketed);
    }
    for (const QString& name : kept)
        text.remove(name);
    text.remove(filename);
    // A word is two letters or more: a key's letter alone ("F") is the keyboard's.
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    QStringList words;
    for (const QRegularExpressionMatch& found : word.globalMatch(text))
        words.append(found.captured());
    return words.join(QLatin1Char(' '));
}

void UntranslatedTest::readsplain_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::newRow("translated") << "[&Ñéxt Ðáý]"
                                << "";
    QTest::newRow("a translated text in another") << "[Wóñ [Ñéw Ýórk] 5]"
                                                  << "";
    QTest::newRow("a number and money outside") << "$25000 (3)"
                                                << "";
    QTest::newRow("the game's names and a player's") << "Keystrider - Ace"
                                                     << "";
    QTest::newRow("a saved game's file") << "[Lóáðéð] Quick Fingers.kvr"
                                         << "";
    QTest::newRow("a key's letter") << "F"
                                    << "";
    QTest::newRow("plain") << "Next Day"
                           << "Next Day";
    QTest::newRow("plain beside translated") << "[Ráñk] Speed: 40 WPM"
                                             << "Speed WPM";
}

void UntranslatedTest::readsplain() {
    QFETCH(QString, text);
    QTEST(leftover(text), "plain");
}

void UntranslatedTest::everytexttranslated() {
    GameFixture fixture;
    preparetour();
    QStringList plain;
    QSet<QString> seen;
    tourwindows([&](const TourStop& stop) {
        for (QWidget* window : stop.windows)
            for (const ShownText& shown : showntexts(window)) {
                const QString control =
                    shown.where.section(QLatin1String(": "), 1).section(QLatin1Char(' '), 0, 0);
                const QString window = shown.where.section(QLatin1String(": "), 0, 0);
                if (holdingdata.contains(control) ||
                    holdingdatain.contains(window + QStringLiteral(": ") + control) ||
                    ownname(control) || qtsown(control, shown.text) ||
                    leftover(shown.text).isEmpty())
                    continue;
                // Each control's text once, where the tour first met it.
                const QString met = shown.where.section(QLatin1String(": "), 1) + shown.text;
                if (!seen.contains(met)) {
                    seen.insert(met);
                    plain.append(
                        QStringLiteral("%1 › %2: %3").arg(stop.name, shown.where, shown.text));
                }
            }
    });
    // The whole list, which a failure's message would cut short.
    if (!plain.isEmpty())
        std::fprintf(stderr,
                     "Untranslated under en_XA, as \"picture › window: control: text\":\n%s\n",
                     qPrintable(plain.join(QLatin1Char('\n'))));
    QVERIFY2(
        plain.isEmpty(),
        qPrintable(
            QStringLiteral("%1 texts read plain under en_XA, listed above").arg(plain.size())));
}

QTEST_MAIN(UntranslatedTest)
#include "untranslated_test.moc"
