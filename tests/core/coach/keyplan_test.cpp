#include "coach/coachplan.h"
#include "coach/keyplan.h"
#include "support/fakes.h"

#include <QTest>

Q_DECLARE_METATYPE(Stages)

class KeyPlanTest : public QObject {
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void joining_data();
    void joining();
    void stageofakey_data();
    void stageofakey();
    void focus_data();
    void focus();
    void planfile_data();
    void planfile();
    void learntlayouts_data();
    void learntlayouts();
};

void KeyPlanTest::order_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<Stages>("stages");
    QTest::addColumn<QString>("expected");
    const QStringList words = {"tee", "set", "Ute", "süß"};
    // clang-format off
    QTest::newRow("letters by frequency")  << words << Stages{}                 << "etsußü";
    QTest::newRow("capitals follow")       << words << Stages{true, false, false} << "etsußüETSUÜ";
    QTest::newRow("then digits and marks") << QStringList{"a"} << Stages{false, true, true} << "a1234567890.,'-?!:;\"()";
    QTest::newRow("no words, no letters")  << QStringList{} << Stages{} << "";
    QTest::newRow("symbols as code has them") << QStringList{"a"} << Stages{false, false, false, true} << "a_=/*-#&{}$>[]<|+\\@`%^~";
    QTest::newRow("a mark and a symbol once") << QStringList{"a"} << Stages{false, false, true, true} << "a.,'-?!:;\"()_=/*#&{}$>[]<|+\\@`%^~";
    // clang-format on
}

void KeyPlanTest::order() {
    QFETCH(QStringList, words);
    QFETCH(Stages, stages);
    const QList<QChar> keys = keyorder(letterorder(words), stages);
    QTEST(QString(keys.constData(), keys.size()), "expected");
}

void KeyPlanTest::joining_data() {
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("reached");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("a new player starts with six")    << "etaoinsr" << ""        << ""         << "etaoin";
    QTest::newRow("one in play short: none joins")   << "etaoinsr" << ""        << "etaoi"    << "etaoin";
    QTest::newRow("all six reached: the next joins") << "etaoinsr" << ""        << "etaoin"   << "etaoins";
    QTest::newRow("no history waits its turn")       << "etaoinsr" << ""        << "etaoinr"  << "etaoins";
    QTest::newRow("both reached: both join")         << "etaoinsr" << ""        << "etaoinsr" << "etaoinsr";
    QTest::newRow("kept keys stay, reached or not")  << "etaoinsr" << "etaoins" << ""         << "etaoins";
    QTest::newRow("a stage turned off waits")        << "etaoinsr" << "etaoinsE"<< ""         << "etaoins";
    QTest::newRow("fewer keys than six")             << "abc"      << ""        << ""         << "abc";
    // clang-format on
}

void KeyPlanTest::joining() {
    QFETCH(QString, order);
    QFETCH(QString, kept);
    QFETCH(QString, reached);
    const QString got = keysinplay(QList<QChar>(order.cbegin(), order.cend()), kept,
                                   [&](QChar key) { return reached.contains(key); });
    QTEST(got, "expected");
}

namespace {

// "c", "d", "p": the stages turned on.
Stages stagesof(const QString& on) {
    return {on.contains('c'), on.contains('d'), on.contains('p')};
}

} // namespace

// A key asked for from the statistics turns on the stage that teaches it, and only that one.
void KeyPlanTest::stageofakey_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    // clang-format off
    QTest::newRow("a letter needs none")      << "t"  << ""   << "";
    QTest::newRow("a capital")                << "T"  << "d"  << "cd";
    QTest::newRow("a digit")                  << "7"  << ""   << "d";
    QTest::newRow("a mark")                   << ";"  << "c"  << "cp";
    QTest::newRow("already on")               << "T"  << "c"  << "c";
    QTest::newRow("not the language's")       << "\u00e9" << ""   << "";
    QTest::newRow("a capital of no letter")   << "\u00c9" << ""   << "";
    // clang-format on
}

void KeyPlanTest::stageofakey() {
    QFETCH(QString, key);
    QFETCH(QString, before);
    const QString letters = QStringLiteral("etaoin");
    const Stages got =
        withstageof(key.front(), QList<QChar>(letters.cbegin(), letters.cend()), stagesof(before));
    QFETCH(QString, after);
    QCOMPARE(got, stagesof(after));
}

void KeyPlanTest::focus_data() {
    QTest::addColumn<QString>("confidences"); // key=percent, blank-separated, in joining order
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected"); // focus, then the others
    // clang-format off
    QTest::newRow("lowest first")         << "e=90 t=20 a=50 o=70" << ""  << "tao";
    QTest::newRow("ties: first to join")  << "e=50 t=50 a=50"      << ""  << "eta";
    QTest::newRow("never typed is lowest")<< "e=90 t=0 a=50"       << ""  << "tae";
    QTest::newRow("the player's choice")  << "e=90 t=20 a=50"      << "e" << "eta";
    QTest::newRow("chosen not in play")   << "e=90 t=20 a=50"      << "q" << "tae";
    QTest::newRow("nothing in play")      << ""                    << ""  << "";
    // clang-format on
}

void KeyPlanTest::focus() {
    QFETCH(QString, confidences);
    QFETCH(QString, chosen);
    QHash<QChar, double> of;
    QString inplay;
    for (const QString& item : confidences.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        inplay.append(item[0]);
        of.insert(item[0], item.mid(2).toDouble() / 100);
    }
    const FocusChoice choice = choosefocus(
        inplay, [&](QChar key) { return of.value(key); }, chosen.isEmpty() ? QChar() : chosen[0]);
    QString got = choice.focus.isNull() ? QString() : QString(choice.focus);
    for (QChar c : choice.others)
        got += c;
    QTEST(got, "expected");
}

void KeyPlanTest::planfile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("german"); // the keys in play in German
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tries"); // the German keys' tallies
    QTest::addColumn<QString>("flat");  // and their back-off
    const QByteArray head = "\"keystrider-coach\",1,";
    // clang-format off
    QTest::newRow("as written")      << head + "\"words\",\"de\",\"capitals\",1,\"digits\",0,\"punctuation\",0,\"target\",42,\"text\",\"%2Fhome%2Fzo%C3%AB%2Fa%2C%22b.txt\",\"inplay\",\"de\",\"101 110 223\"\r\n" << "whole" << "de" << "enß" << 42 << "/home/zoë/a,\"b.txt" << "" << "";
    QTest::newRow("unknown names")   << head + "\"words\",\"\",\"later\",\"x\"\r\n"   << "whole"   << ""   << ""   << 35  << "" << "" << "";
    QTest::newRow("LF, no end")      << head + "\"inplay\",\"de\",\"97\""             << "whole"   << ""   << "a"  << 35  << "" << "" << "";
    QTest::newRow("other tag")       << QByteArray("\"keystrider-stats\",1\r\n")      << "damaged" << ""   << ""   << 35  << "" << "" << "";
    QTest::newRow("bad flag")        << head + "\"capitals\",2,\"target\",40\r\n"     << "damaged" << ""   << ""   << 40  << "" << "" << "";
    // A key that is none is dropped alone, the others kept in their order.
    QTest::newRow("control key")     << head + "\"inplay\",\"de\",\"101 9 110\"\r\n"  << "damaged" << ""   << "en" << 35  << "" << "" << "";
    QTest::newRow("no-break space")  << head + "\"inplay\",\"de\",\"160 97\"\r\n"     << "damaged" << ""   << "a"  << 35  << "" << "" << "";
    QTest::newRow("key twice")       << head + "\"inplay\",\"de\",\"97 97\"\r\n"      << "damaged" << ""   << "a"  << 35  << "" << "" << "";
    QTest::newRow("surrogate key")   << head + "\"inplay\",\"de\",\"55357 97\"\r\n"   << "damaged" << ""   << "a"  << 35  << "" << "" << "";
    QTest::newRow("bad language")    << head + "\"words\",\"D E\",\"target\",40\r\n"  << "damaged" << ""   << ""   << 40  << "" << "" << "";
    QTest::newRow("name, no value")  << head + "\"target\",40,\"words\"\r\n"          << "damaged" << ""   << ""   << 40  << "" << "" << "";
    QTest::newRow("empty")           << QByteArray()                                   << "damaged" << ""   << ""   << 35  << "" << "" << "";
    QTest::newRow("too slow")        << head + "\"target\",9\r\n"                     << "damaged" << ""   << ""   << 10  << "" << "" << "";
    QTest::newRow("too fast")        << head + "\"target\",151\r\n"                   << "damaged" << ""   << ""   << 150 << "" << "" << "";
    QTest::newRow("beyond 64 bits")  << head + "\"target\",99999999999999999999\r\n"  << "damaged" << ""   << ""   << 150 << "" << "" << "";
    QTest::newRow("not a number")    << head + "\"target\",\"fast\"\r\n"              << "damaged" << ""   << ""   << 35  << "" << "" << "";
    QTest::newRow("text not encoded")<< head + "\"text\",\"/home/zo\xc3\xab\"\r\n"     << "damaged" << ""   << ""   << 35  << "" << "" << "";
    QTest::newRow("no text")         << head + "\"text\",\"\",\"target\",10\r\n"      << "whole"   << ""   << ""   << 10  << "" << "" << "";
    QTest::newRow("tallies")         << head + "\"tries\",\"de\",\"112:3:150:0\"\r\n"   << "whole"   << ""   << ""   << 35  << "" << "112:3:150:0" << "";
    QTest::newRow("torn tallies")    << head + "\"tries\",\"de\",\"112:3 97:1:10:0\"\r\n" << "damaged" << "" << "" << 35  << "" << "97:1:10:0" << "";
    QTest::newRow("impossible tally")<< head + "\"tries\",\"de\",\"112:2:-140:1 97:1:10:0\"\r\n" << "damaged" << "" << "" << 35 << "" << "97:1:10:0" << "";
    QTest::newRow("a later version") << QByteArray("\"keystrider-coach\",2,\"target\",40,\"pace\",1\r\n") << "newer" << "" << "" << 40  << "" << "" << "";
    // A held key's back-off: a name and one value, so an older copy skips it whole; one that
    // can't be read is dropped alone.
    QTest::newRow("back-off")        << head + "\"tries\",\"de\",\"112:3:150:0\",\"flat\",\"de 112:2:493\"\r\n" << "whole" << "" << "" << 35 << "" << "112:3:150:0" << "112:2:493";
    QTest::newRow("back-off first")  << head + "\"flat\",\"de 112:2:493\",\"tries\",\"de\",\"112:3:150:0\"\r\n" << "whole" << "" << "" << 35 << "" << "112:3:150:0" << "112:2:493";
    QTest::newRow("torn back-off")   << head + "\"tries\",\"de\",\"112:3:150:0\",\"flat\",\"de 112:2\"\r\n" << "damaged" << "" << "" << 35 << "" << "112:3:150:0" << "";
    QTest::newRow("back-off, no language") << head + "\"flat\",\"112:2:493\"\r\n" << "damaged" << "" << "" << 35 << "" << "" << "";
    // clang-format on
}

void KeyPlanTest::planfile() {
    QFETCH(QByteArray, bytes);
    CoachPlan plan;
    QTEST(readingname(readcoachplan(bytes, plan)), "reading");
    QTEST(plan.language, "language");
    QTEST(plan.inplay.value(QStringLiteral("de")), "german");
    QTEST(plan.targetwpm, "target");
    QTEST(plan.text, "text");
    QTEST(triestext(plan.tries.value(QStringLiteral("de"))), "tries");
    QTEST(flattext(plan.tries.value(QStringLiteral("de"))), "flat");
    // Written again, it reads back the same, and whole.
    CoachPlan again;
    QCOMPARE(readcoachplan(coachplanline(plan), again), Reading::Whole);
    QCOMPARE(again, plan);
}

void KeyPlanTest::learntlayouts_data() {
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("learning");
    QTest::addColumn<QString>("inplay");  // the English keys in play of the layout learnt
    QTest::addColumn<int>("target");      // and its target
    QTest::addColumn<QString>("desktop"); // the English keys in play of the desktop's
    QTest::addColumn<bool>("symbols");
    // clang-format off
    QTest::newRow("an older file: the desktop's")   << QByteArray("\"words\",\"\"")  << "whole" << "" << "etaoins" << 40 << "etaoins" << false;
    QTest::newRow("the Symbols stage on")           << QByteArray("\"symbols\",1") << "whole" << "" << "etaoins" << 40 << "etaoins" << true;
    QTest::newRow("Dvorak learnt, the desktop kept") << QByteArray("\"learn\",\"us(dvorak)\",\"layouttarget\",\"us(dvorak) 20\",\"layoutinplay\",\"us(dvorak) en 101 116\",\"layouttries\",\"us(dvorak) en 116:3:150:0\",\"layoutflat\",\"us(dvorak) en 116:2:493\"") << "whole" << "us(dvorak)" << "et" << 20 << "etaoins" << false;
    QTest::newRow("learnt first, then back")        << QByteArray("\"layoutinplay\",\"us(dvorak) en 101\"") << "whole" << "" << "etaoins" << 40 << "etaoins" << false;
    QTest::newRow("a layout never learnt begins")   << QByteArray("\"learn\",\"fr(bepo)\"") << "whole" << "fr(bepo)" << "" << 35 << "etaoins" << false;
    QTest::newRow("a layout name with a blank")     << QByteArray("\"learn\",\"us dvorak\"") << "damaged" << "" << "etaoins" << 40 << "etaoins" << false;
    QTest::newRow("a learnt layout's bad language") << QByteArray("\"learn\",\"us(dvorak)\",\"layoutinplay\",\"us(dvorak) EN 101\"") << "damaged" << "us(dvorak)" << "" << 35 << "etaoins" << false;
    QTest::newRow("a learnt target out of range")   << QByteArray("\"learn\",\"us(dvorak)\",\"layouttarget\",\"us(dvorak) 900\"") << "damaged" << "us(dvorak)" << "" << 150 << "etaoins" << false;
    // clang-format on
}

// Each layout learnt keeps its own keys in play, tallies and target beside the desktop's, which
// keeps the names an older copy reads; going back to the desktop's loses none of them.
void KeyPlanTest::learntlayouts() {
    QFETCH(QByteArray, fields);
    const QByteArray head =
        "\"keystrider-coach\",1,\"target\",40,\"inplay\",\"en\",\"101 116 97 111 105 110 115\",";
    CoachPlan plan;
    QTEST(readingname(readcoachplan(head + fields + "\r\n", plan)), "reading");
    QTEST(plan.learning, "learning");
    QTEST(plan.inplay.value(QStringLiteral("en")), "inplay");
    QTEST(plan.targetwpm, "target");
    QTEST(plan.stages.symbols, "symbols");
    CoachPlan again;
    QCOMPARE(readcoachplan(coachplanline(plan), again), Reading::Whole);
    QCOMPARE(again, plan);
    const QString learnt = plan.learning;
    const TriesByKey tries = plan.tries.value(QStringLiteral("en"));
    plan.learn(QString());
    QTEST(plan.inplay.value(QStringLiteral("en")), "desktop");
    QCOMPARE(plan.targetwpm, 40);
    plan.learn(learnt);
    QTEST(plan.inplay.value(QStringLiteral("en")), "inplay");
    QCOMPARE(plan.tries.value(QStringLiteral("en")), tries);
}

QTEST_APPLESS_MAIN(KeyPlanTest)
#include "keyplan_test.moc"
