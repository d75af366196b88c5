#include "coach/coachplan.h"
#include "coach/coachplanner.h"
#include "coach/drillbuilder.h"
#include "coach/drillwords.h"
#include "coach/keyplan.h"
#include "stats/keystrokes.h"
#include "stats/statsfile.h"
#include "support/fakes.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// What the player chooses of the drills: a focus kept until cleared, keys left out, and the keys
// they mix up drilled side by side.
class DrillChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
    void planfile_data();
    void planfile();
    void mixedwith_data();
    void mixedwith();
    void mixedindrill();
};

namespace {

// Every key in play typed well but r, missed half the time; a was typed for s five times.
void keephistory(const GameFixture& fixture) {
    KeystrokeCounts counts;
    counts.tally.charstyped = 40 * 6;
    for (QChar c : QStringLiteral("eisatr")) {
        counts.expected.insert(c, 40);
        counts.keytime.insert(c, KeyTime{40 * 100, 40});
    }
    counts.missed.insert(QLatin1Char('r'), 20);
    counts.instead.insert(keyswap(QLatin1Char('s'), QLatin1Char('a')), 5);
    fixture.writefile(statsfilename,
                      statsline(endedrecord("Drill", "Weak keys", "Completed", 1000, counts)));
    CoachPlan plan;
    plan.inplay.insert(QStringLiteral("en"), QStringLiteral("eisatr"));
    fixture.writefile(coachplanfilename, coachplanline(plan));
}

std::unique_ptr<CoachPlanner> readycoach() {
    auto planner = std::make_unique<CoachPlanner>([](const QString&) { return true; });
    planner->load(QString());
    planner->finishloading();
    return planner;
}

} // namespace

// Steps, each a word and most a key: "keep s" (Space or a click on s), "out s" (left out), "in s"
// (taken back), "pick s" (the arrow keys: the next drill only), "drill" (a drill started and
// stopped), "reopen" (the coach made anew from the files), "dvorak" and "desktop" (the layout
// learnt, Dvorak, or the desktop's).
void DrillChoiceTest::choose_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("leftout");
    // clang-format off
    QTest::newRow("the weakest, none chosen")   << ""                        << "r" << ""  << "";
    QTest::newRow("chosen")                     << "keep s"                  << "s" << "s" << "";
    QTest::newRow("chosen again: cleared")      << "keep s keep s"           << "r" << ""  << "";
    QTest::newRow("another chosen")             << "keep s keep t"           << "t" << "t" << "";
    QTest::newRow("kept past a drill")          << "keep s drill"            << "s" << "s" << "";
    QTest::newRow("kept past a restart")        << "keep s reopen"           << "s" << "s" << "";
    QTest::newRow("a pick is for one drill")    << "keep s pick t drill"     << "s" << "s" << "";
    // r, the one key below the target, holds n back no longer: n joins, and is the weakest.
    QTest::newRow("left out: the next joins")   << "out r"                   << "n" << ""  << "r";
    QTest::newRow("left out past a restart")    << "out r out i reopen"      << "n" << ""  << "ri";
    QTest::newRow("taken back, n stays")        << "out r in r"              << "n" << ""  << "";
    QTest::newRow("a focus left out is cleared")<< "keep s out s"            << "r" << ""  << "s";
    QTest::newRow("chosen takes it back")       << "out s keep s"            << "s" << "s" << "";
    QTest::newRow("a key not yet in play")      << "out z reopen"            << "r" << ""  << "z";
    // Each layout has its own; Dvorak, never typed, starts from its first key.
    QTest::newRow("Dvorak's are its own")       << "keep s out i dvorak"     << "e" << ""  << "";
    QTest::newRow("back, the desktop's stay")   << "keep s out i dvorak keep t out r desktop" << "s" << "s" << "i";
    QTest::newRow("Dvorak's past a restart")    << "dvorak keep t out r reopen" << "t" << "t" << "r";
    QTest::newRow("Dvorak's, back after it")    << "dvorak keep t out r reopen desktop" << "r" << "" << "";
    // clang-format on
}

void DrillChoiceTest::choose() {
    QFETCH(QString, steps);
    GameFixture fixture;
    keephistory(fixture);
    auto planner = readycoach();
    const QStringList words = steps.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& step = words[i];
        const bool alone = step == QLatin1String("drill") || step == QLatin1String("reopen") ||
                           step == QLatin1String("dvorak") || step == QLatin1String("desktop");
        const QChar key = alone ? QChar() : words[++i].front();
        if (step.startsWith(QLatin1String("keep")))
            planner->keepfocus(key);
        else if (step.startsWith(QLatin1String("out")))
            planner->leaveout(key, true);
        else if (step.startsWith(QLatin1String("in")))
            planner->leaveout(key, false);
        else if (step.startsWith(QLatin1String("pick")))
            planner->pickfocus(key);
        else if (step == QLatin1String("drill")) {
            planner->start();
            QVERIFY(planner->drilling());
            planner->stop();
        } else if (step == QLatin1String("reopen"))
            planner = readycoach();
        else if (step == QLatin1String("dvorak"))
            planner->learn(QStringLiteral("us(dvorak)"), QStringLiteral("English (Dvorak)"));
        else if (step == QLatin1String("desktop"))
            planner->learn(QString(), QStringLiteral("English (US)"));
    }
    QTEST(QString(planner->focus()), "focus");
    QTEST(planner->chosenkey().isNull() ? QString() : QString(planner->chosenkey()), "chosen");
    QTEST(planner->leftout(), "leftout");
    // A drill holds no key left out.
    QFETCH(QString, leftout);
    QSignalSpy entries(planner.get(), &CoachPlanner::entrychanged);
    planner->start();
    QVERIFY(planner->drilling());
    for (int i = 0; i < 5 && planner->drilling(); ++i) {
        const QString entry = entries.isEmpty() ? QString() : entries.last().first().toString();
        for (QChar key : leftout)
            QVERIFY2(!entry.contains(key), qPrintable(entry));
        planner->typed(entry);
    }
}

// The focus and the keys left out, as coachplan.dat keeps them beside the rest.
void DrillChoiceTest::planfile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("focus");   // of English
    QTest::addColumn<QString>("leftout"); // of English
    QTest::addColumn<bool>("damaged");
    const QByteArray head = "\"keystrider-coach\",1,\"target\",35";
    // clang-format off
    QTest::newRow("older file: none")    << head + "\r\n"                                          << "" << "" << false;
    QTest::newRow("both")                << head + ",\"focus\",\"en 115\",\"leftout\",\"en 114 122\"\r\n" << "s" << "rz" << false;
    QTest::newRow("another language's")  << head + ",\"focus\",\"de 115\"\r\n"                     << "" << "" << false;
    QTest::newRow("two keys in focus")   << head + ",\"focus\",\"en 115 114\"\r\n"                 << "" << "" << true;
    QTest::newRow("no language")         << head + ",\"leftout\",\"\"\r\n"                         << "" << "" << true;
    QTest::newRow("a blank left out")    << head + ",\"leftout\",\"en 32 114\"\r\n"                << "" << "r" << true;
    // Each layout's own: the names without "layout" are the desktop's, whichever is learnt.
    const QByteArray both = head + ",\"focus\",\"en 115\",\"leftout\",\"en 114\","
                                   "\"layoutfocus\",\"us(dvorak) en 116\",\"layoutleftout\",\"us(dvorak) en 105 122\"";
    const QByteArray learnt = head + ",\"learn\",\"us(dvorak)\"";
    QTest::newRow("Dvorak's kept aside")      << both + "\r\n"                                          << "s" << "r"  << false;
    QTest::newRow("Dvorak learnt")            << both + ",\"learn\",\"us(dvorak)\"\r\n"                 << "t" << "iz" << false;
    QTest::newRow("a layout never chosen")    << both + ",\"learn\",\"fr(bepo)\"\r\n"                   << ""  << ""   << false;
    QTest::newRow("a learnt focus of two")    << learnt + ",\"layoutfocus\",\"us(dvorak) en 116 105\"\r\n" << ""  << ""   << true;
    QTest::newRow("a learnt bad language")    << learnt + ",\"layoutfocus\",\"us(dvorak) EN 116\"\r\n"  << ""  << ""   << true;
    QTest::newRow("a learnt focus, no key")   << learnt + ",\"layoutfocus\",\"us(dvorak)\"\r\n"         << ""  << ""   << true;
    QTest::newRow("a learnt blank left out")  << learnt + ",\"layoutleftout\",\"us(dvorak) en 32 122\"\r\n" << ""  << "z"  << true;
    QTest::newRow("no layout named")          << learnt + ",\"layoutleftout\",\"\"\r\n"                 << ""  << ""   << true;
    // clang-format on
}

void DrillChoiceTest::planfile() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, damaged);
    CoachPlan plan;
    QCOMPARE(readcoachplan(bytes, plan) == Reading::Damaged, damaged);
    const QChar focus = plan.focus.value(QStringLiteral("en"));
    QTEST(focus.isNull() ? QString() : QString(focus), "focus");
    QTEST(plan.leftout.value(QStringLiteral("en")), "leftout");
    // What was read is written and reads back the same.
    const QByteArray written = coachplanline(plan);
    CoachPlan again;
    QCOMPARE(readcoachplan(written, again), Reading::Whole);
    QCOMPARE(again, plan);
    // An older copy, which skips the layouts' fields, reads the desktop's choice as it was.
    QString older = QString::fromLatin1(written);
    older.remove(QRegularExpression(QStringLiteral(",\"(learn|layout[a-z]+)\",\"[^\"]*\"")));
    CoachPlan old;
    QCOMPARE(readcoachplan(older.toLatin1(), old), Reading::Whole);
    plan.learn(QString());
    QCOMPARE(old.focus, plan.focus);
    QCOMPARE(old.leftout, plan.leftout);
}

// Swaps as "due typed times" separated by semicolons, the key asked about, the keys that may be
// drilled.
void DrillChoiceTest::mixedwith_data() {
    QTest::addColumn<QString>("swaps");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("among");
    QTest::addColumn<QString>("mixed");
    // clang-format off
    QTest::newRow("none")                 << ""                  << "x" << "xcv" << "";
    QTest::newRow("too few")              << "x c 2"             << "x" << "xcv" << "";
    QTest::newRow("enough one way")       << "x c 3"             << "x" << "xcv" << "c";
    QTest::newRow("both ways add up")     << "x c 2;c x 1"       << "x" << "xcv" << "c";
    QTest::newRow("the most")             << "x c 3;x v 4"       << "x" << "xcv" << "v";
    QTest::newRow("a tie: the lower")     << "x v 4;x c 4"       << "x" << "xcv" << "c";
    QTest::newRow("not drilled")          << "x c 9;x v 3"       << "x" << "xv"  << "v";
    QTest::newRow("other keys' swaps")    << "c v 9"             << "x" << "xcv" << "";
    QTest::newRow("a letter, not a mark") << "x , 9;x c 3"       << "x" << "xc," << "c";
    // clang-format on
}

void DrillChoiceTest::mixedwith() {
    QFETCH(QString, swaps);
    QFETCH(QString, key);
    QFETCH(QString, among);
    KeySwaps table;
    for (const QString& swap : swaps.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        table.insert(keyswap(swap[0], swap[2]), swap.sliced(4).toLongLong());
    const QChar mixed = ::mixedwith(key.front(), table, among);
    QTEST(mixed.isNull() ? QString() : QString(mixed), "mixed");
}

// The key mixed up with the focus comes in the words beside it.
void DrillChoiceTest::mixedindrill() {
    const DrillWords words(QStringLiteral("box fox six axe cat can arc act tax wax cab ice six "
                                          "exit taxi next text ace oat")
                               .split(QLatin1Char(' ')));
    const QString inplay = QStringLiteral("abcefinostwx");
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        const BuiltDrill drill = buildweakdrill(
            words, FocusChoice{QLatin1Char('x'), {}, QLatin1Char('c')}, inplay, seed);
        QCOMPARE(drill.entries.size(), drilllength);
        int withc = 0;
        for (qsizetype i = 0; i < drill.entries.size(); ++i) {
            const bool c = drill.entries[i].contains(QLatin1Char('c'));
            withc += c ? 1 : 0;
            // Every word of c lies next to one of x.
            if (c && !drill.entries[i].contains(QLatin1Char('x')))
                QVERIFY((i > 0 && drill.entries[i - 1].contains(QLatin1Char('x'))) ||
                        (i + 1 < drill.entries.size() &&
                         drill.entries[i + 1].contains(QLatin1Char('x'))));
        }
        QVERIFY2(withc >= drilllength / 3 - 1, qPrintable(drill.entries.join(' ')));
    }
}

QTEST_GUILESS_MAIN(DrillChoiceTest)
#include "drillchoice_test.moc"
