#include "coach/drillbuilder.h"
#include "coach/drillwords.h"
#include "coach/keyplan.h"
#include "coach/languagewords.h"
#include "keyboard/layoutlanguage.h"

#include <QElapsedTimer>
#include <QTest>

class LanguageWordsTest : public QObject {
    Q_OBJECT
private slots:
    void reader_data();
    void reader();
    void shipped_data();
    void shipped();
    void language_data();
    void language();
    void layouts_data();
    void layouts();
};

void LanguageWordsTest::reader_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("damaged");
    // clang-format off
    QTest::newRow("a word a line")          << QByteArray("# list\nthe\nof\r\nand\n")  << QStringList{"the", "of", "and"} << false;
    QTest::newRow("glued punctuation out")  << QByteArray("map;\nStop!\n'Type\nmap\n") << QStringList{"map"}              << false;
    QTest::newRow("inner marks stay")       << QByteArray("don't\nwell-known\n--x\n")  << QStringList{"don't", "well-known"} << false;
    QTest::newRow("digits and blanks out")  << QByteArray("r2d2\ntwo words\n\n")       << QStringList{}                   << true;
    QTest::newRow("once each")              << QByteArray("über\nu\xcc\x88" "ber\n")    << QStringList{QString::fromUtf8("über")} << false;
    QTest::newRow("not UTF-8")              << QByteArray("caf\xe9\n")                 << QStringList{}                   << true;
    QTest::newRow("a NUL byte")             << QByteArray("a\0b\n", 4)                 << QStringList{}                   << true;
    QTest::newRow("empty")                  << QByteArray()                            << QStringList{}                   << true;
    // clang-format on
}

void LanguageWordsTest::reader() {
    QFETCH(QByteArray, bytes);
    const LanguageWords list = readlanguagewords(bytes, QStringLiteral("de"));
    QTEST(list.words, "words");
    QTEST(!list.error.isEmpty(), "damaged");
    if (!list.error.isEmpty()) {
        QVERIFY2(list.error.startsWith(QLatin1String("The German word list")),
                 qPrintable(list.error));
        // Even so a drill comes, of made-up words.
        const DrillWords model(list.words);
        const QString inplay = QStringLiteral("etaoin");
        const BuiltDrill drill = buildweakdrill(model, {QLatin1Char('t'), {}}, inplay, 3);
        QCOMPARE(drill.entries.size(), drilllength);
    }
}

void LanguageWordsTest::shipped_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("letters");   // those its own words need, the commonest first
    QTest::addColumn<QString>("rare");      // letters in at least one of them; the rest in 20
    QTest::addColumn<QStringList>("first"); // among its first 20 words
    const QString latin = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    // clang-format off
    QTest::newRow("English")    << "en" << latin                                   << ""          << QStringList{"the", "of", "and", "to", "a", "in"};
    QTest::newRow("German")     << "de" << latin + "äöüß"                          << "q"         << QStringList{"ich", "ist", "nicht", "und", "das", "die"};
    QTest::newRow("French")     << "fr" << latin + "éèçêàâîôûùœëï"                 << "àâîôûùœëïw" << QStringList{"de", "la", "et", "à", "le", "les"};
    QTest::newRow("Spanish")    << "es" << latin + "áéíóúñü"                       << "kwü"       << QStringList{"que", "de", "no", "a", "la", "el"};
    QTest::newRow("Italian")    << "it" << QStringLiteral("abcdefghilmnopqrstuvz") + "àòèéìù" << "èéìù" << QStringList{"e", "non", "che", "di", "è"};
    QTest::newRow("Portuguese") << "pt" << latin + "ãõçáéêíóúâôà"                  << "kwyâôà"       << QStringList{"que", "não", "de", "a", "é"};
    // clang-format on
    QCOMPARE(coachlanguages().size(), 6);
}

void LanguageWordsTest::shipped() {
    QFETCH(QString, language);
    QElapsedTimer clock;
    clock.start();
    const LanguageWords list = loadlanguagewords(language);
    QVERIFY2(list.error.isEmpty(), qPrintable(list.error));
    QVERIFY2(list.words.size() >= 6000 && list.words.size() <= 10000,
             qPrintable(QString::number(list.words.size())));
    const QList<QChar> order = letterorder(list.words);
    // Every letter of the language is on the ladder, its accents in its common words.
    QFETCH(QString, letters);
    QFETCH(QString, rare);
    for (QChar letter : letters) {
        QVERIFY2(order.contains(letter), qPrintable(QString(letter)));
        const qsizetype holding =
            std::count_if(list.words.cbegin(), list.words.cend(),
                          [&](const QString& w) { return w.contains(letter); });
        QVERIFY2(holding >= (rare.contains(letter) ? 1 : 20), qPrintable(QString(letter)));
    }
    QFETCH(QStringList, first);
    for (const QString& word : first)
        QVERIFY2(list.words.indexOf(word) < 20, qPrintable(word));
    for (const QString& word : list.words) {
        QVERIFY2(drillword(word), qPrintable(word));
        // Names and abbreviations are left out; German capitalises its nouns.
        if (language != QLatin1String("de"))
            QVERIFY2(word == word.toLower(), qPrintable(word));
        QVERIFY2(word.size() < 2 || word.sliced(1) == word.sliced(1).toLower(), qPrintable(word));
    }
    // The six most frequent letters of every language make real words to start on.
    const QString firstsix = QString(order.constData(), firstkeys);
    const DrillWords model(list.words);
    const BuiltDrill drill = buildweakdrill(model, {order[5], {order[4]}}, firstsix, 1);
    QCOMPARE(drill.entries.size(), drilllength);
    QVERIFY2(drill.madeup == 0, qPrintable(firstsix + ": " + drill.entries.join(' ')));
}

void LanguageWordsTest::language_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("note");
    // clang-format off
    QTest::newRow("the layout's")           << ""   << "de"  << "de" << false;
    QTest::newRow("the player's choice")    << "fr" << "de"  << "fr" << false;
    QTest::newRow("no language: English")   << ""   << ""    << "en" << false;
    QTest::newRow("no list for it: English")<< ""   << "rus" << "en" << true;
    QTest::newRow("unknown choice")         << "xx" << "it"  << "it" << false;
    // clang-format on
}

void LanguageWordsTest::language() {
    QFETCH(QString, chosen);
    QFETCH(QString, layout);
    QString note;
    QTEST(drilllanguage(chosen, layout, note), "expected");
    QTEST(!note.isEmpty(), "note");
}

void LanguageWordsTest::layouts_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("us")       << "English (US)"                        << "en";
    QTest::newRow("us(intl)") << "English (US, intl., with dead keys)" << "en";
    QTest::newRow("de")       << "German"                              << "de";
    QTest::newRow("fr")       << "French"                              << "fr";
    QTest::newRow("br")       << "Portuguese (Brazil)"                 << "pt";
    QTest::newRow("unknown")  << "No such layout"                      << "";
    // clang-format on
}

void LanguageWordsTest::layouts() {
    QFETCH(QString, description);
    QTEST(layoutlanguage(description), "expected");
}

QTEST_APPLESS_MAIN(LanguageWordsTest)
#include "languagewords_test.moc"
