#include "windowtour.h"

#include "battledisk/battledisk.h"
#include "battledisk/frmdisk.h"
#include "career/career.h"
#include "career/frmhall.h"
#include "career/halllist.h"
#include "coach/coachplan.h"
#include "coach/frmcoach.h"
#include "coach/pairweighting.h"
#include "common/clock.h"
#include "common/folderprompt.h"
#include "common/program.h"
#include "common/programfolder.h"
#include "common/random.h"
#include "competition/frmcars.h"
#include "competition/frmcomp.h"
#include "competition/replaysfile.h"
#include "keyboard/keyboardview.h"
#include "language/languagemenu.h"
#include "samples/careerstaging.h"
#include "samples/darkpalette.h"
#include "samples/samplerecords.h"
#include "saves/loa.h"
#include "saves/sav.h"
#include "screenshotframes.h"
#include "services/frmgame.h"
#include "shell/form1.h"
#include "shell/frmstart.h"
#include "sound/soundmenu.h"
#include "stats/calendartab.h"
#include "stats/dailypractice.h"
#include "stats/frmstats.h"
#include "stats/keystab.h"
#include "tictactoe/tictac.h"
#include "typing/frmp.h"
#include "typing/levels.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdint>

namespace {
// Where the tour is at: handed each window in turn.
std::function<void(const TourStop&)> stopat;

// The same pictures on every run, so the committed copies change only with the windows: the
// clock stands at noon and the draws follow one fixed sequence.
class NoonClock : public Clock {
public:
    int secondssincemidnight() override { return 12 * 3600; }
    std::int64_t milliseconds() override { return ms; }
    QDateTime localnow() override { return QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC); }
    // Moved on by hand, as a race goes.
    std::int64_t ms = 0;
};
NoonClock noon;

// Six minutes of practice today, as the practice window and the coach show it.
QByteArray sixminutestoday() {
    TypingRecord r;
    r.ended = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
    r.activity = QStringLiteral("Practice");
    r.level = QStringLiteral("Easy");
    r.result = QStringLiteral("Completed");
    r.counts.tally = {6 * 60000, 20, 120, 120, 0, 0};
    return statsline(r);
}

// A program folder of its own with copies of the word files, and `stats` as its stats.dat: the
// typing history is read once a folder, so each picture that shows one has its own.
void ownfolder(const QTemporaryDir& dir, const QByteArray& stats) {
    const QString folder = apppath();
    for (const PracticeLevel& level : practicelevels())
        QFile::copy(folder + level.file, dir.filePath(level.file));
    QFile file(dir.filePath(statsfilename));
    if (file.open(QIODevice::WriteOnly))
        file.write(stats);
    setprogramfolder(dir.path());
}

class FixedDraws : public RandomSource {
public:
    double next() override {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state >> 11) * 0x1.0p-53;
    }
    void reseed(double) override {}

private:
    std::uint64_t state = 20261208;
};
FixedDraws fixeddraws;

// Every picture fits the software centres, which show some of them.
void save(QWidget* w, const QString& name) {
    stopat({name, {w}, [w] { return fitted(w); }});
}

void hallwindow() {
    frmhall hall;
    hall.List1->addItems({QStringLiteral("Ace scored 4500 points!"),
                          QStringLiteral("Quick Fingers scored 1250000 points!")});
    save(&hall, QStringLiteral("frmhall"));
}

// The race in a folder of its own, so no race kept by a game played in the build folder shows:
// ready, racing, racing the best race of the level, and a friendly race against a friend's.
void shootraces() {
    QTemporaryDir dir;
    const QString folder = apppath();
    QFile::copy(folder + QStringLiteral("avg.txt"), dir.filePath(QStringLiteral("avg.txt")));
    setprogramfolder(dir.path());
    auto race = [](frmcars& window, int entries, int ticks) {
        window.start_Click();
        for (int entry = 0; entry < entries; ++entry) {
            noon.ms += 1500;
            window.typingbox->setText(window.target->text());
        }
        for (int tick = 0; tick < ticks; ++tick)
            window.clock_Timer();
        window.typingbox->setText(window.target->text().left(5));
        window.clock->stop();
    };
    {
        frmcars window(nullptr);
        window.startgame(523);
        save(&window, QStringLiteral("frmcars-ready"));
        race(window, 12, 400);
        save(&window, QStringLiteral("frmcars-racing"));
    }
    Replay best{RaceLevel::Hard, 90000, {}};
    for (int entry = 1; entry <= 49; ++entry)
        best.moves.append({entry * 1200, track::startleft + entry * 175});
    keepreplay(best);
    {
        frmcars window(nullptr);
        window.startgame(523);
        race(window, 12, 400);
        save(&window, QStringLiteral("frmcars-ghost"));
    }
    {
        frmcars window(nullptr);
        window.racefriend(
            DiskGhost{QStringLiteral("Bea"), {std::nullopt, std::nullopt, best, std::nullopt}});
        race(window, 12, 400);
        save(&window, QStringLiteral("frmcars-friendly"));
    }
    setprogramfolder(folder);
}

// The competition list with a drawn day, and the race before and during a run.
void savecompetitionwindows(Form1& form) {
    form.generatecompetitions();
    frmcomp* list = form.competitionlist;
    list->country->setCurrentRow(0);
    save(list, QStringLiteral("frmcomp"));

    shootraces();
}

// The practice window at rest, then mid-exercise with a target and a half-typed entry.
void shootpractice(Form1& form) {
    // Not the build folder's own records: the same picture on every run.
    QTemporaryDir dir;
    const QString folder = apppath();
    ownfolder(dir, sixminutestoday());
    form.opentraining();
    frmp* practice = form.practicewindow;
    practice->practice->finishloading();
    save(practice, QStringLiteral("frmp"));
    practice->expert->setChecked(true);
    practice->startrestart_Click();
    for (int tick = 0; tick < 12; ++tick)
        practice->clock_Timer();
    practice->typingbox->setText(practice->target->text().left(7));
    save(practice, QStringLiteral("frmp-exercise"));
    practice->close();
    setprogramfolder(folder);
}

// Double or Nothing choosing a bet, then two rounds into a gamble.
void shootgamble(Form1& form) {
    form.playdoubleornothing();
    frmgame* game = form.gamewindow;
    save(game, QStringLiteral("frmgame"));
    game->betmoney->setCurrentIndex(0);
    game->play_Click();
    game->winmoney->setText(QStringLiteral("40"));
    save(game, QStringLiteral("frmgame-gambling"));
    game->close();
}

// The duel window part-way through a race the player wins.
void shootduel() {
    frmdisk duel;
    for (int tick = 0; tick < 15; ++tick) {
        duel.mewin1_Timer();
        if (tick % 6 != 5)
            duel.mewin2_Timer();
    }
    save(&duel, QStringLiteral("frmdisk"));
    // For the software centres: the same race over the main window of the player who won it,
    // the $25 already shown.
    // Its days draw from a sequence of their own, so the pictures after it stay as they were.
    FixedDraws own;
    setrandomsource(&own);
    Form1 form;
    form.career->newcareer(QStringLiteral("Bea"));
    for (int day = 0; day < 3; ++day)
        form.career->nextday();
    QTemporaryDir friends;
    const QString disk = friends.filePath(QStringLiteral("battle.dat"));
    writediskfile(disk, {QStringLiteral("Ace"), 400, 0});
    form.career->duel(disk);
    form.loaded();
    form.showdaysleft();
    QCoreApplication::processEvents();
    stopat({QStringLiteral("frmdisk-duel"), {&form, &duel}, [&form, &duel] {
                return scene(&form, &duel, QPoint(300, 66));
            }});
    setrandomsource(&fixeddraws);
    // The drive prompt, a folder chosen with "Browse...".
    FolderPrompt prompt(
        QCoreApplication::translate("Form1", "Enter diskette drive letter (eg. a:\\) :"),
        QCoreApplication::translate("Form1", "Create KVR Competition Disk"),
        QStringLiteral("/media/ana/USB STICK"));
    save(&prompt, QStringLiteral("diskprompt"));
}

// The Save and Load dialogs over a folder of two saved games, a name typed and a game picked.
void shootsaves(Form1& form) {
    QTemporaryDir dir;
    setprogramfolder(dir.path());
    for (const QString& game : {QStringLiteral("Ace.kvr"), QStringLiteral("Quick Fingers.kvr")}) {
        QFile file(dir.filePath(game));
        if (!file.open(QIODevice::WriteOnly))
            return;
    }
    form.opensave();
    form.savewindow->filename->setText(QStringLiteral("Ace"));
    save(form.savewindow, QStringLiteral("sav"));
    // As just saved, so "&Load" has no question to ask.
    form.career->markcareer(QString());
    form.openload();
    form.loadwindow->games->setCurrentRow(1);
    save(form.loadwindow, QStringLiteral("loa"));
}

// The first records of a made-up typist's statistics.
QByteArray samplestats(int records) {
    QByteArray bytes;
    for (int i = 0; i < records; ++i)
        bytes += statsline(samplerecord(i));
    return bytes;
}

// A made-up typist's year: most days some practice, more of it as the months go by, the goal met
// on a run of days up to today but for one day a freeze kept.
QByteArray practiceyear() {
    QByteArray bytes;
    const QDate today(2026, 12, 8);
    for (int back = 340; back >= 0; --back) {
        const int n = 340 - back;
        if ((back >= 12 && (n * 7) % 11 == 3) || back == 3)
            continue;
        TypingRecord r = samplerecord(n);
        r.ended = QDateTime(today.addDays(-back), QTime(19, 30));
        const int minutes = back < 12 ? 10 + n % 5 : 1 + (n * 13) % (4 + n / 30);
        r.counts.tally.milliseconds = minutes * 60000LL;
        r.counts.tally.charsmatched = minutes * (120 + n / 3);
        r.counts.tally.charstyped = r.counts.tally.charsmatched + r.counts.tally.wrong;
        bytes += statsline(r);
    }
    return bytes;
}

// The typing statistics of a made-up typist: after the first record, then on the progress
// chart, the keys and the records; and a year of practice on the calendar.
void shootstats() {
    const QString folder = apppath();
    for (int records : {1, 120}) {
        QTemporaryDir dir;
        ownfolder(dir, samplestats(records));
        frmstats stats;
        stats.load();
        stats.finishloading();
        stats.show();
        QCoreApplication::processEvents();
        if (records == 1) {
            save(&stats, QStringLiteral("frmstats-first"));
            continue;
        }
        save(&stats, QStringLiteral("frmstats"));
        stats.tabs->setCurrentIndex(1);
        save(&stats, QStringLiteral("frmstats-keys"));
        stats.keys->bytime->setChecked(true);
        QCoreApplication::processEvents(); // the chart redraws its scene later
        save(&stats, QStringLiteral("frmstats-keys-time"));
        stats.tabs->setCurrentIndex(3);
        save(&stats, QStringLiteral("frmstats-records"));
    }
    QTemporaryDir dir;
    ownfolder(dir, practiceyear());
    frmstats year;
    year.load();
    year.finishloading();
    year.tabs->setCurrentWidget(year.calendar);
    year.show();
    QCoreApplication::processEvents();
    save(&year, QStringLiteral("frmstats-calendar"));
    setprogramfolder(folder);
}

// Tic-tac-toe mid-game, then the blocks the window's layout keeps out of sight: the roster
// under the instructions and the thinking process past the right edge.
void shoottictac() {
    QTemporaryDir empty;
    const QString folder = apppath();
    setprogramfolder(empty.path());
    tictac game(nullptr);
    const QString x = QStringLiteral("X");
    game.match.setgame({x, {}, {}, {}, QStringLiteral("O"), {}, {}, {}, x}, QStringLiteral("19"),
                       QStringLiteral("5"), 1);
    game.showgame();
    game.roster->addItems({QStringLiteral("Player2"), QStringLiteral("Ann")});
    game.stages->setCurrentRow(1);
    game.clock_Timer();
    game.strategylearned->show();
    save(&game, QStringLiteral("tictac"));
    game.instructions->hide();
    save(&game, QStringLiteral("tictac-under-instructions"));
    save(game.thinkingframe, QStringLiteral("tictac-thinking"));
    setprogramfolder(folder);
}
// The keyboard drawing on its own, on the us layout: the next key F lit, then as a heat map.
void shootkeyboard() {
    KeyboardView keyboard;
    keyboard.setlayout(KeyboardLayout::fromnames(QStringLiteral("us")));
    keyboard.resize(keyboard.sizeHint());
    keyboard.shownext(QStringLiteral("f"));
    save(&keyboard, QStringLiteral("keyboard"));
    keyboard.shownext(QString());
    QList<KeyHeat> heat;
    const QString letters = QStringLiteral("etaoinshrdlucmfwypvbgkqjxz");
    for (qsizetype i = 0; i < letters.size(); ++i)
        heat.append({letters.mid(i, 1), double(i % 9),
                     QString::number(i % 9) + QStringLiteral("% missed")});
    keyboard.setheatmap(heat);
    save(&keyboard, QStringLiteral("keyboard-heatmap"));
}

// The coach over the made-up typist's statistics: at rest, then at the start of a weak-keys
// drill with the next key lit, then with a held key and a target offered. Its own folder holds
// copies of the word files, so no layout kept by a game played in the build folder shows.
void shootcoach() {
    QTemporaryDir dir;
    const QString folder = apppath();
    ownfolder(dir, samplestats(120) + sixminutestoday());
    frmcoach coach;
    coach.load();
    coach.finishloading();
    coach.show();
    QCoreApplication::processEvents();
    save(&coach, QStringLiteral("frmcoach"));
    coach.startstop->click();
    QCoreApplication::processEvents();
    save(&coach, QStringLiteral("frmcoach-drill"));
    coach.startstop->click();
    // A weak-pairs drill begun, the made-up typist's slowest pairs in its words.
    coach.optpairs->setChecked(true);
    coach.startstop->click();
    QCoreApplication::processEvents();
    save(&coach, QStringLiteral("frmcoach-pairs"));
    coach.startstop->click();
    // Dvorak learnt on the desktop's keyboard: its keys drawn, its own first six in play.
    coach.optweak->setChecked(true);
    coach.learnbox->setCurrentIndex(coach.learnbox->findData(QStringLiteral("us(dvorak)")));
    coach.startstop->click();
    QCoreApplication::processEvents();
    save(&coach, QStringLiteral("frmcoach-learn"));
    coach.startstop->click();
    coach.learnbox->setCurrentIndex(0);
    // Aiming at 60 WPM, with p held after three drills: the ladder sets p apart, and the coach
    // offers a target the keys fit.
    CoachPlan plan;
    plan.targetwpm = 60;
    plan.inplay.insert(QStringLiteral("en"), QStringLiteral("eisatrnolcdp"));
    plan.tries.insert(QStringLiteral("en"), *readtries(QStringLiteral("112:3:150:0")));
    QFile kept(dir.filePath(coachplanfilename));
    if (kept.open(QIODevice::WriteOnly))
        kept.write(coachplanline(plan));
    kept.close();
    frmcoach held;
    held.load();
    held.finishloading();
    held.show();
    QCoreApplication::processEvents();
    save(&held, QStringLiteral("frmcoach-held"));
    setprogramfolder(folder);
}

} // namespace

void tourwindows(const std::function<void(const TourStop&)>& stop) {
    stopat = stop;
    // The word files lie beside the game, one folder up from this tool.
    setprogramfolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));

    Form1 form;
    staged(form.career).setstate({QStringLiteral("Ace"), 0, 250, 0, 0});
    staged(form.career).updatelog(QStringLiteral("Objectives: To raise to Typist Rank 8 so that"));
    staged(form.career)
        .updatelog(QStringLiteral("you will be hired by QuendleSoft as a typist or"));
    form.loaded();
    form.showdaysleft();
    // As the game goes back to its event loop: the window takes the focus it was given.
    QCoreApplication::processEvents();
    save(&form, QStringLiteral("Form1"));
    for (QMenu* menu : {form.filemenu, form.countrymenu, form.twoplayers, form.othersmenu,
                        static_cast<QMenu*>(form.soundmenu), static_cast<QMenu*>(form.languagemenu),
                        form.servicesmenu}) {
        menu->adjustSize();
        save(menu, QStringLiteral("Form1-menu-") + menu->objectName());
    }
    frmstart start({}, {}, {});
    save(&start, QStringLiteral("frmstart"));
    hallwindow();
    savecompetitionwindows(form);
    shootpractice(form);
    shootgamble(form);
    shootduel();
    shoottictac();
    shootstats();
    shootkeyboard();
    shootcoach();
    shootsaves(form);
    stopat = {};
}

void preparetour() {
    setendprogram([] {});
    // The windows let events run as in the game.
    setdoevents([] { QCoreApplication::processEvents(); });
    setpairweigher(coachpairweights);
    setclock(&noon);
    setrandomsource(&fixeddraws);
}
