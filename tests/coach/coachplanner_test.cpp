#include "coach/coachplan.h"
#include "coach/coachplanner.h"
#include "stats/statsfile.h"
#include "support/fakes.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class CoachPlannerTest : public QObject {
    Q_OBJECT
private slots:
    void focus_data();
    void focus();
    void joins_data();
    void joins();
    void stages_data();
    void stages();
    void summary_data();
    void summary();
    void placethatcannotbekept();
};

namespace {

const QString allbutj = QStringLiteral("esinratoldcgpumhyfbvwkxzq");
const QString firstnote = QStringLiteral(
    "The coach brings in the letters of your words one by one, the most frequent first: a new "
    "one joins when every key in play reaches the target speed. Each drill trains the weakest key "
    "in play; press Start.");

// A stats.dat of one weak-keys drill: `well` typed 40 times each at 100 ms a key and never
// missed, well past 35 WPM; `weak` as fast, but missed half the time.
void keepdrill(const GameFixture& fixture, const QString& well, const QString& weak = {}) {
    KeystrokeCounts counts;
    counts.tally.charstyped = 40 * (well.size() + weak.size());
    for (QChar c : well + weak) {
        counts.expected.insert(c, 40);
        counts.keytime.insert(c, KeyTime{40 * 100, 40});
    }
    for (QChar c : weak)
        counts.missed.insert(c, 20);
    fixture.writefile(statsfilename,
                      statsline(endedrecord("Drill", "Weak keys", "Completed", 1000, counts)));
}

// "c", "d", "p": the stages turned on.
Stages stagesof(const QString& on) {
    return {on.contains('c'), on.contains('d'), on.contains('p')};
}

// A coachplan.dat keeping the English keys in play and the stages.
void keepplan(const GameFixture& fixture, const QString& inplay, const QString& stages = {}) {
    CoachPlan plan;
    plan.stages = stagesof(stages);
    if (!inplay.isEmpty())
        plan.inplay.insert(QStringLiteral("en"), inplay);
    fixture.writefile(coachplanfilename, coachplanline(plan));
}

// A coach with what the program folder keeps read, on a keyboard that types everything.
std::unique_ptr<CoachPlanner> readycoach() {
    auto planner = std::make_unique<CoachPlanner>([](const QString&) { return true; });
    planner->load(QString());
    planner->finishloading();
    return planner;
}

CoachPlan keptplan() {
    QString trouble;
    return keptcoachplan(trouble);
}

} // namespace

void CoachPlannerTest::focus_data() {
    QTest::addColumn<QString>("ask"); // "practise" or "pick", then the key
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("inplay");
    QTest::addColumn<QString>("told"); // what the asking made the coach say
    // clang-format off
    QTest::newRow("the weakest key in play")        << ""          << "a" << "esinra"  << "";
    QTest::newRow("a key in play asked for")        << "practise s" << "s" << "esinra"  << "";
    QTest::newRow("a key out of play asked for")    << "practise z" << "z" << "esinraz" << "";
    QTest::newRow("a key the words lack")           << "practise ß" << "a" << "esinra"  << "No word to type holds ß.";
    QTest::newRow("a key picked on the ladder")     << "pick n"     << "n" << "esinra"  << "";
    // clang-format on
}

// Every key in play typed well but a, missed half the time: a is the focus unless the player
// asks for another.
void CoachPlannerTest::focus() {
    QFETCH(QString, ask);
    GameFixture fixture;
    keepplan(fixture, QStringLiteral("esinra"));
    keepdrill(fixture, QStringLiteral("esinr"), QStringLiteral("a"));
    const auto planner = readycoach();
    QSignalSpy said(planner.get(), &CoachPlanner::note);
    QSignalSpy weakkeys(planner.get(), &CoachPlanner::kindchanged);
    planner->choosekind(DrillKind::Mistyped);
    if (ask.startsWith(QLatin1String("practise")))
        planner->practise(ask.back());
    else if (ask.startsWith(QLatin1String("pick")))
        planner->pickfocus(ask.back());
    QTEST(QString(planner->focus()), "focus");
    QTEST(planner->keysinplay(), "inplay");
    QStringList told;
    for (const QList<QVariant>& words : std::as_const(said))
        told << words.first().toString();
    QTEST(told.join(QLatin1Char('\n')), "told");
    // Asked for from the statistics, the key is drilled on the weak-keys drill.
    const bool practised = ask.startsWith(QLatin1String("practise"));
    QCOMPARE(planner->kind(), practised ? DrillKind::WeakKeys : DrillKind::Mistyped);
    QCOMPARE(weakkeys.size(), practised ? 2 : 1);
}

void CoachPlannerTest::joins_data() {
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("well"); // typed well in the one drill of stats.dat
    QTest::addColumn<QString>("inplay");
    QTest::addColumn<QString>("said");
    // clang-format off
    QTest::newRow("a new player starts with six")     << ""          << ""           << "esinra"     << firstnote;
    QTest::newRow("a new player's keys join unsaid")  << ""          << "esinra"     << "esinrat"    << "";
    QTest::newRow("one key joins")                    << "esinra"    << "esinra"     << "esinrat"    << "t joins the keys in play.";
    QTest::newRow("the last letter joins")            << allbutj     << allbutj      << allbutj + "j" << "j joins the keys in play.";
    QTest::newRow("several keys join")                << "esinra"    << "esinrato"   << "esinratol"  << "tol join the keys in play.";
    QTest::newRow("none joins, a key short")          << "esinra"    << "esinr"      << "esinra"     << "";
    QTest::newRow("none joins, and kept keys stay")   << "esinraz"   << "esinr"      << "esinraz"    << "";
    // clang-format on
}

// The keys in play once the statistics are read, what the coach says of those that joined, and
// the keys in play kept for the next time.
void CoachPlannerTest::joins() {
    QFETCH(QString, kept);
    QFETCH(QString, well);
    QFETCH(QString, inplay);
    GameFixture fixture;
    keepplan(fixture, kept);
    if (!well.isEmpty())
        keepdrill(fixture, well);
    const auto planner = readycoach();
    QCOMPARE(planner->language(), QStringLiteral("en"));
    QCOMPARE(planner->keysinplay(), inplay);
    QTEST(planner->said(), "said");
    QCOMPARE(keptplan().inplay.value(QStringLiteral("en")), inplay);
}

void CoachPlannerTest::stages_data() {
    QTest::addColumn<QString>("on");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stages");
    // clang-format off
    QTest::newRow("a capital turns on capitals")     << ""  << "A" << "c";
    QTest::newRow("a digit turns on digits")         << ""  << "7" << "d";
    QTest::newRow("a mark turns on punctuation")     << ""  << "?" << "p";
    QTest::newRow("a letter turns on none")          << ""  << "t" << "";
    QTest::newRow("stages on stay on")               << "d" << "A" << "cd";
    QTest::newRow("a stage on already stays as it is") << "p" << "?" << "p";
    // clang-format on
}

// A key asked for from the statistics turns on the stage that teaches it, tells the window, keeps
// it, and the key joins the keys in play as the focus.
void CoachPlannerTest::stages() {
    QFETCH(QString, on);
    QFETCH(QString, key);
    QFETCH(QString, stages);
    GameFixture fixture;
    keepplan(fixture, QStringLiteral("esinra"), on);
    const auto planner = readycoach();
    QSignalSpy shown(planner.get(), &CoachPlanner::stageschanged);
    planner->practise(key.front());
    QVERIFY(planner->stages() == stagesof(stages));
    QCOMPARE(shown.size(), stages == on ? 0 : 1);
    QVERIFY(keptplan().stages == stagesof(stages));
    QCOMPARE(planner->focus(), key.front());
    QCOMPARE(planner->keysinplay(), QStringLiteral("esinra") + key);
}

void CoachPlannerTest::summary_data() {
    QTest::addColumn<QString>("inplay");
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("reached the target")  << "esinra" << "e" << 0.5 << 1.0
        << "e: confidence 50 % before, 100 % after. Keys in play: 6 of 26. The next key joins when every key in play reaches the target.";
    QTest::newRow("no progress")         << "esinra" << "a" << 0.5 << 0.25
        << "a: confidence 50 % before, 25 % after. Keys in play: 6 of 26. Not enough progress yet to tell when the next key joins.";
    QTest::newRow("too little to tell")  << "esinra" << "a" << 0.5 << 0.504
        << "a: confidence 50 % before, 50 % after. Keys in play: 6 of 26. Not enough progress yet to tell when the next key joins.";
    QTest::newRow("one more drill")      << "esinra" << "s" << 0.5 << 0.75
        << "s: confidence 50 % before, 75 % after. Keys in play: 6 of 26. About one more drill until the next key joins.";
    QTest::newRow("six more drills")     << "esinra" << "s" << 0.125 << 0.25
        << "s: confidence 13 % before, 25 % after. Keys in play: 6 of 26. About 6 more drills until the next key joins.";
    QTest::newRow("all keys in play")    << allbutj + "j" << "j" << 0.0 << 0.5
        << "j: confidence 0 % before, 50 % after. Keys in play: 26 of 26.";
    // clang-format on
}

// How a weak-keys drill went, and when the next key joins at its pace.
void CoachPlannerTest::summary() {
    QFETCH(QString, inplay);
    QFETCH(QString, key);
    QFETCH(double, before);
    QFETCH(double, after);
    GameFixture fixture;
    keepplan(fixture, inplay);
    const auto planner = readycoach();
    QCOMPARE(planner->keysinplay(), inplay);
    QTEST(planner->drillsummary(key.front(), before, after), "expected");
}

// An own text typed where its place can't be kept: the player is told at the drill's end.
void CoachPlannerTest::placethatcannotbekept() {
    GameFixture fixture;
    fixture.writefile(QStringLiteral("mine.txt"), "One. Two.");
    QVERIFY(QDir(fixture.folder()).mkdir(QStringLiteral("textplaces.dat")));
    const auto planner = readycoach();
    QSignalSpy loaded(planner.get(), &CoachPlanner::textloaded);
    planner->loadtext(fixture.folder() + QStringLiteral("mine.txt"));
    QVERIFY(loaded.wait());
    planner->start();
    planner->typed(QStringLiteral("One."));
    planner->stop();
    QTRY_VERIFY(planner->said().startsWith(
        QStringLiteral("textplaces.dat could not be read: it is a folder")));
}

QTEST_GUILESS_MAIN(CoachPlannerTest)
#include "coachplanner_test.moc"
