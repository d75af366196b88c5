// The windows over damaged settings files, as a player meets them: the coach opens on what could
// be read of its plan and says so, the goal set in the coach holds in practice when the goal
// file can't be kept, and the Sound menu's first change sets a damaged file aside, with a word.
#include "coach/coachplan.h"
#include "coach/frmcoach.h"
#include "sound/soundmenu.h"
#include "stats/practicegoal.h"
#include "stats/todaybar.h"
#include "support/fakes.h"
#include "typing/frmp.h"

#include <QAction>
#include <QDir>
#include <QSpinBox>
#include <QTest>

class DamagedSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void coachkeepswhatitcanread();
    void soundmenusetsaside();
};

void DamagedSettingsTest::coachkeepswhatitcanread() {
    GameFixture fixture;
    // One impossible tally among twelve keys in play.
    const QByteArray plan =
        "\"keystrider-coach\",1,\"words\",\"en\",\"capitals\",1,\"digits\",1,\"punctuation\",0,"
        "\"target\",50,\"text\",\"%2Ftmp%2Fbook.txt\",\"inplay\",\"en\","
        "\"101 105 115 97 116 114 110 111 108 99 100 112\",\"tries\",\"en\",\"112:2:-140:1\"\r\n";
    fixture.writefile(coachplanfilename, plan);
    // A goal file that is a folder can't be read, and is never written over.
    QVERIFY(QDir(fixture.folder()).mkdir(goalfilename));

    // The coach opens saying so.
    auto coach = std::make_unique<frmcoach>();
    const QString note = coach->note->text();
    coach->load();
    coach->finishloading();
    QCOMPARE(coach->keysinplay().size(), 12);
    QCOMPARE(coach->targetspeed->value(), 50);
    QVERIFY2(note.startsWith("coachplan.dat was damaged: it is kept as coachplan.dat.damaged"),
             qPrintable(note));
    QVERIFY2(note.contains("practicegoal.dat could not be read: it is a folder"), qPrintable(note));
    QByteArray aside;
    QVERIFY(readwholefile(fixture.folder() + "coachplan.dat.damaged", aside));
    QCOMPARE(aside, plan);

    // The goal set in the coach is the one practice shows, though it can't be kept.
    coach->goal->setValue(25);
    frmp practice(nullptr);
    QVERIFY(practice.today->text().endsWith("of 25 min"));
    coach.reset();

    QString trouble;
    const CoachPlan kept = keptcoachplan(trouble);
    QCOMPARE(kept.inplay.value("en").size(), 12);
    QCOMPARE(kept.targetwpm, 50);
    QCOMPARE(kept.text, "/tmp/book.txt");
    QVERIFY(QFileInfo(fixture.folder() + goalfilename).isDir());
}

void DamagedSettingsTest::soundmenusetsaside() {
    GameFixture fixture;
    const QByteArray cut = "\"keystrider-sound\",1,\"game\",0,\"wrongkey\",1,\"clicks";
    fixture.writefile(soundfilename, cut);
    SoundMenu menu;
    QVERIFY(!menu.gamesounds->isChecked() && menu.wrongkeytick->isChecked());
    QVERIFY(fixture.dialogs.shown.isEmpty());
    menu.keyclicks->trigger();
    QCOMPARE(fixture.dialogs.texts(),
             QStringList{"sound.dat was damaged: it is kept as sound.dat.damaged, and what "
                         "could be read of it is used."});
    SettingsRead read;
    QCOMPARE(keptsoundsettings(read), (SoundSettings{false, true, true, false, 50}));
    QByteArray aside;
    QVERIFY(readwholefile(fixture.folder() + "sound.dat.damaged", aside));
    QCOMPARE(aside, cut);

    // A newer copy's file is left as it is, and the menu says so once.
    const QByteArray newer = "\"keystrider-sound\",2,\"game\",0,\"echo\",1\r\n";
    fixture.writefile(soundfilename, newer);
    SoundMenu again;
    again.keyclicks->trigger();
    again.mute->trigger();
    QCOMPARE(fixture.dialogs.shown.size(), 2);
    QVERIFY(fixture.dialogs.texts().last().startsWith("sound.dat was written by a newer copy"));
    QByteArray now;
    QVERIFY(readwholefile(fixture.folder() + soundfilename, now));
    QCOMPARE(now, newer);
}

QTEST_MAIN(DamagedSettingsTest)
#include "damagedsettings_test.moc"
