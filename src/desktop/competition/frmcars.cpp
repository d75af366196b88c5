#include "competition/frmcars.h"

#include "common/clock.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/keyupwatcher.h"
#include "common/layout.h"
#include "common/number.h"
#include "common/programfolder.h"
#include "common/typingtextsize.h"
#include "common/watchlabel.h"
#include "competition/replay.h"
#include "keyboard/capslocknotice.h"
#include "sound/sounds.h"
#include "stats/statsrecorder.h"
#include "typing/wordlist.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <array>

namespace {

constexpr int clientwidth = 11220;
constexpr int clientheight = 6615;
constexpr int opponenttop = 1200;
constexpr int playertop = 2760;

QLabel* picture(QWidget* parent, const char* name, const QString& caption, const QString& resource,
                int left, int top, int width, int height) {
    auto* label = placed(new QLabel(parent), name, left, top, width, height);
    label->setAccessibleName(caption);
    label->setPixmap(QPixmap(resource));
    label->setScaledContents(true);
    return label;
}

QFrame* whiteline(QWidget* parent, const char* name, int x, int top, int bottom) {
    auto* line = placed(new QFrame(parent), name, x, top, 15, bottom - top);
    line->setAutoFillBackground(true);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, Qt::white);
    line->setPalette(colours);
    return line;
}

QLabel* onthetrack(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* label = placed(new QLabel(caption, parent), name, left, top, 1215, 255);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    return label;
}

void setcolours(QWidget* control, QPalette::ColorRole back, const QColor& backcolour,
                QPalette::ColorRole fore, const QColor& forecolour) {
    QPalette colours = control->palette();
    colours.setColor(back, backcolour);
    colours.setColor(fore, forecolour);
    control->setPalette(colours);
}

} // namespace

frmcars::frmcars(Career* career, QWidget* parent) : QWidget(parent), competition(career) {
    setupsidewindow(this, "frmcars", tr("Competition! Car Race!"));
    buildcontrols();
    setFixedSize(twips(clientwidth), twips(clientheight));
    new TypingTextSize(this, target, typingbox, capslock);
    centreonscreen(this);
    apppath = ::apppath();
}

void frmcars::buildcontrols() {
    track =
        picture(this, "Image1", tr("Track"), QStringLiteral(":/track.png"), 0, 600, 11220, 3255);
    startline = whiteline(this, "Line1", 1440, 600, 3720);
    finishline = whiteline(this, "Line2", 9960, 600, 3720);
    startcaption = placed(new QLabel(tr("Start"), this), "Label2", 600, 240, 735, 255);
    finishcaption = placed(new QLabel(tr("Finish"), this), "Label1", 9960, 240, 735, 255);
    opponentcaption = onthetrack(this, "Label4", tr("Opponent"), 360, 720);
    yourcarcaption = onthetrack(this, "Label5", tr("Your Car"), 360, 2400);
    opponentcar = picture(this, "car1", tr("Opponent"), QStringLiteral(":/car1.png"),
                          track::startleft, opponenttop, track::opponentwidth, 735);
    yourcar = picture(this, "car2", tr("Your Car"), QStringLiteral(":/car2.png"), track::startleft,
                      playertop, track::playerwidth, 765);

    target = placed(new QLabel(this), "Label3", 1560, 5280, 9615, 495);
    target->setFont(arialfont(15.75, true));
    target->setAutoFillBackground(true);
    setcolours(target, QPalette::Window, Qt::black, QPalette::WindowText, Qt::white);
    typingbox = placed(new QLineEdit(this), "Text1", 1560, 5880, 9615, 615);
    maketypingbox(typingbox);
    typingbox->setEnabled(false);
    // Left of the box, where the window has room.
    capslock = placed(new CapsLockNotice(typingbox, this), "capslock", 120, 5880, 1380, 615);
    auto* keys = new KeyUpWatcher(typingbox);
    connect(keys, &KeyUpWatcher::keyup, this, &frmcars::typingbox_KeyUp);
    connect(keys, &KeyUpWatcher::keyupretracted, this, [this](int key) {
        if (!iscorrectionkey(key))
            return;
        positions.playerleft = beforecorrection;
        session.correctionretracted();
        drawcars();
    });

    levelframe = placed(new QGroupBox(tr("Level"), this), "Frame1", 1560, 3960, 5520, 1140);
    easy = placed(new QRadioButton(tr("Easy"), levelframe), "Option1", 120, 480, 1215, 375);
    average = placed(new QRadioButton(tr("Average"), levelframe), "Option2", 1440, 480, 1335, 375);
    hard = placed(new QRadioButton(tr("Hard"), levelframe), "Option3", 2880, 480, 1095, 375);
    expert = placed(new QRadioButton(tr("Expert"), levelframe), "Option4", 4080, 480, 1215, 375);
    average->setChecked(true);
    start = placed(new QPushButton(tr("Start"), this), "Command2", 7440, 4080, 1695, 495);
    back = placed(new QPushButton(tr("Back"), this), "Command1", 9480, 4080, 1695, 495);

    // Blind mode, pause and reset exist but are never offered to the player.
    blindmode = placed(new QCheckBox(tr("Blind Mode"), this), "Check1", 120, 4320, 1335, 375);
    blindcover = placed(new QFrame(this), "Frame2", 1560, 5880, 9615, 615);
    pauser = placed(new QPushButton(tr("Pause"), this), "pauser", 7440, 4680, 1695, 375);
    reset = placed(new QPushButton(tr("Reset"), this), "Command3", 9480, 4680, 1695, 375);
    for (QWidget* unused : std::initializer_list<QWidget*>{blindmode, blindcover, pauser, reset})
        unused->hide();

    clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("Timer1"));
    clock->setInterval(raceclockms);

    connect(start, &QPushButton::clicked, this, &frmcars::start_Click);
    connect(back, &QPushButton::clicked, this, &frmcars::back_Click);
    connect(typingbox, &QLineEdit::textChanged, this, &frmcars::typingbox_Change);
    connect(clock, &QTimer::timeout, this, &frmcars::clock_Timer);
    buildghost();
}

QRadioButton* frmcars::optionfor(RaceLevel level) const {
    const std::array<QRadioButton*, 4> options{easy, average, hard, expert};
    return options.at(static_cast<std::size_t>(level));
}

RaceLevel frmcars::level() const {
    for (RaceLevel l : {RaceLevel::Easy, RaceLevel::Hard, RaceLevel::Expert}) {
        if (optionfor(l)->isChecked())
            return l;
    }
    return RaceLevel::Average;
}

void frmcars::setlevel(RaceLevel l) {
    optionfor(l)->setChecked(true);
}

void frmcars::startgame(qint32 prize) {
    // The level buttons stay free until Start, so the player may overrule this choice.
    if (const std::optional<RaceLevel> byprize = competition.enter(prize))
        setlevel(*byprize);
    loadghosts();
    // Never on Back, where a Space meant for the race would throw the fee away.
    if (start->isEnabled())
        start->setFocus();
    showtofront(this);
}

void frmcars::start_Click() {
    playsound(Sound::RaceStart);
    typingbox->setEnabled(true);
    start->setEnabled(false);
    levelframe->setEnabled(false);
    wordlist.clear();
    const QString problem = wordfileproblem(
        loadwords(wordlist, apppath + QStringLiteral("avg.txt")), QStringLiteral("avg.txt"));
    if (!problem.isEmpty())
        msgbox(problem, MsgIcon::Exclamation);
    session.start(typingbox->text());
    nextword();
    clock->start();
    typingbox->setFocus();
    startghost();
}

// Back: the race, if one runs, goes on unseen.
void frmcars::back_Click() {
    ghostback();
    hide();
}

void frmcars::nextword() {
    emptytypingbox(typingbox);
    typingbox->setFocus();
    due = wordat(wordlist, pickwordindex(wordlist.size(), timeofday()));
    target->setText(due);
}

void frmcars::typingbox_Change() {
    if (start->isEnabled())
        return;
    if (!session.changed(due, typingbox->text()))
        return;
    nextword();
    positions.entrymatched(level());
    drawcars();
}

void frmcars::typingbox_KeyUp(int key) {
    if (!iscorrectionkey(key))
        return;
    beforecorrection = positions.playerleft;
    session.correctionkey();
    // Every release costs, whether or not there was anything to delete.
    positions.correction(level());
    drawcars();
}

void frmcars::clock_Timer() {
    const RaceOutcome outcome = positions.tick(level());
    drawcars();
    moveghost();
    if (outcome == RaceOutcome::Running)
        return;
    // Stopped before the message shows, so the race ends exactly once.
    clock->stop();
    session.pause();
    if (endghost())
        return;
    if (outcome == RaceOutcome::OpponentWon)
        racelost();
    else
        racewon();
}

TypingRecord frmcars::racerecord(const QString& result) {
    return session.finish(QStringLiteral("Race"), levelname(level()), result);
}

void frmcars::keep(const TypingRecord& record) {
    if (recorder)
        recorder->record(record);
}

void frmcars::racelost() {
    const TypingRecord record = racerecord(QStringLiteral("Lost"));
    playsound(Sound::RaceLost);
    msgbox(tr("You lost!!!"), MsgIcon::Exclamation, tr("Too bad!"));
    keep(record);
    resetrace();
}

void frmcars::racewon() {
    const TypingRecord record = racerecord(QStringLiteral("Won"));
    playsound(Sound::RaceWon);
    msgbox(tr("You won! Price money is for you!"), MsgIcon::Exclamation, tr("So good!"));
    keep(record);
    competition.won();
    resetrace();
}

// Back to rest, hidden; the word list and the level stay as they are.
void frmcars::resetrace() {
    competition.reset();
    positions.restart();
    drawcars();
    due.clear();
    target->clear();
    emptytypingbox(typingbox);
    typingbox->setEnabled(false);
    clock->stop();
    start->setEnabled(true);
    levelframe->setEnabled(true);
    hide();
}

void frmcars::drawcars() {
    opponentcar->move(twips(positions.opponentleft), twips(opponenttop));
    yourcar->move(twips(positions.playerleft), twips(playertop));
    followcar();
}
