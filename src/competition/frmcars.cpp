#include "competition/frmcars.h"

#include "career/form1.h"
#include "common/clock.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/keyupwatcher.h"
#include "common/layout.h"
#include "common/number.h"
#include "common/programfolder.h"
#include "common/watchlabel.h"
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

frmcars::frmcars(QWidget* parent) : QWidget(parent) {
    setupsidewindow(this, "frmcars", QStringLiteral("Competition! Car Race!"));
    buildcontrols();
    setFixedSize(twips(clientwidth), twips(clientheight));
    centreonscreen(this);
    apppath = ::apppath();
}

void frmcars::buildcontrols() {
    Image1 = picture(this, "Image1", QStringLiteral("Track"), QStringLiteral(":/track.png"), 0, 600,
                     11220, 3255);
    Line1 = whiteline(this, "Line1", 1440, 600, 3720);
    Line2 = whiteline(this, "Line2", 9960, 600, 3720);
    Label2 = placed(new QLabel(QStringLiteral("Start"), this), "Label2", 600, 240, 735, 255);
    Label1 = placed(new QLabel(QStringLiteral("Finish"), this), "Label1", 9960, 240, 735, 255);
    Label4 = onthetrack(this, "Label4", QStringLiteral("Opponent"), 360, 720);
    Label5 = onthetrack(this, "Label5", QStringLiteral("Your Car"), 360, 2400);
    car1 = picture(this, "car1", QStringLiteral("Opponent"), QStringLiteral(":/car1.png"),
                   track::startleft, opponenttop, track::opponentwidth, 735);
    car2 = picture(this, "car2", QStringLiteral("Your Car"), QStringLiteral(":/car2.png"),
                   track::startleft, playertop, track::playerwidth, 765);

    Label3 = placed(new QLabel(this), "Label3", 1560, 5280, 9615, 495);
    Label3->setFont(arialfont(15.75, true));
    Label3->setAutoFillBackground(true);
    setcolours(Label3, QPalette::Window, Qt::black, QPalette::WindowText, Qt::white);
    Text1 = placed(new QLineEdit(this), "Text1", 1560, 5880, 9615, 615);
    maketypingbox(Text1);
    Text1->setEnabled(false);
    auto* keys = new KeyUpWatcher(Text1);
    connect(keys, &KeyUpWatcher::keyup, this, &frmcars::Text1_KeyUp);
    connect(keys, &KeyUpWatcher::keyupretracted, this, [this](int key) {
        if (!iscorrectionkey(key))
            return;
        positions.playerleft = beforecorrection;
        counter.correctionretracted();
        drawcars();
    });

    Frame1 = placed(new QGroupBox(QStringLiteral("Level"), this), "Frame1", 1560, 3960, 5520, 1140);
    Option1 =
        placed(new QRadioButton(QStringLiteral("Easy"), Frame1), "Option1", 120, 480, 1215, 375);
    Option2 = placed(new QRadioButton(QStringLiteral("Average"), Frame1), "Option2", 1440, 480,
                     1335, 375);
    Option3 =
        placed(new QRadioButton(QStringLiteral("Hard"), Frame1), "Option3", 2880, 480, 1095, 375);
    Option4 =
        placed(new QRadioButton(QStringLiteral("Expert"), Frame1), "Option4", 4080, 480, 1215, 375);
    Option2->setChecked(true);
    Command2 =
        placed(new QPushButton(QStringLiteral("Start"), this), "Command2", 7440, 4080, 1695, 495);
    Command1 =
        placed(new QPushButton(QStringLiteral("Back"), this), "Command1", 9480, 4080, 1695, 495);

    // Blind mode, pause and reset exist but are never offered to the player.
    Check1 =
        placed(new QCheckBox(QStringLiteral("Blind Mode"), this), "Check1", 120, 4320, 1335, 375);
    Frame2 = placed(new QFrame(this), "Frame2", 1560, 5880, 9615, 615);
    pauser =
        placed(new QPushButton(QStringLiteral("Pause"), this), "pauser", 7440, 4680, 1695, 375);
    Command3 =
        placed(new QPushButton(QStringLiteral("Reset"), this), "Command3", 9480, 4680, 1695, 375);
    for (QWidget* unused : std::initializer_list<QWidget*>{Check1, Frame2, pauser, Command3})
        unused->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);

    connect(Command2, &QPushButton::clicked, this, &frmcars::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frmcars::Command1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &frmcars::Text1_Change);
    connect(Timer1, &QTimer::timeout, this, &frmcars::Timer1_Timer);
}

QRadioButton* frmcars::optionfor(RaceLevel level) const {
    const std::array<QRadioButton*, 4> options{Option1, Option2, Option3, Option4};
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

void frmcars::startgame(qint32 newprize) {
    prize = newprize;
    // The level buttons stay free until Start, so the player may overrule this choice.
    if (const std::optional<RaceLevel> byprize = levelforprize(prize))
        setlevel(*byprize);
    // Never on Back, where a Space meant for the race would throw the fee away.
    if (Command2->isEnabled())
        Command2->setFocus();
    showtofront(this);
}

void frmcars::Command2_Click() {
    Text1->setEnabled(true);
    Command2->setEnabled(false);
    Frame1->setEnabled(false);
    List1.clear();
    reportwordfile(loadwords(List1, apppath + QStringLiteral("avg.txt")),
                   QStringLiteral("avg.txt"));
    counter.restart(Text1->text());
    typingtime.start();
    nextword();
    Timer1->start();
    Text1->setFocus();
}

// Back: the race, if one runs, goes on unseen.
void frmcars::Command1_Click() {
    hide();
}

void frmcars::nextword() {
    emptytypingbox(Text1);
    Text1->setFocus();
    Label3->setText(wordat(List1, pickwordindex(List1.size(), timeofday())));
}

void frmcars::Text1_Change() {
    if (Command2->isEnabled())
        return;
    const QString typed = Text1->text();
    counter.changed(Label3->text(), typed, typingtime.clock());
    if (typed.isEmpty() || typed != Label3->text())
        return;
    nextword();
    positions.entrymatched(level());
    drawcars();
}

void frmcars::Text1_KeyUp(int key) {
    if (!iscorrectionkey(key))
        return;
    beforecorrection = positions.playerleft;
    counter.correctionkey();
    // Every release costs, whether or not there was anything to delete.
    positions.correction(level());
    drawcars();
}

void frmcars::Timer1_Timer() {
    const RaceOutcome outcome = positions.tick(level());
    drawcars();
    if (outcome == RaceOutcome::Running)
        return;
    // Stopped before the message shows, so the race ends exactly once.
    Timer1->stop();
    typingtime.pause();
    if (outcome == RaceOutcome::OpponentWon)
        racelost();
    else
        racewon();
}

TypingRecord frmcars::racerecord(const QString& result) {
    return endedrecord(QStringLiteral("Race"), optionfor(level())->text(), result,
                       typingtime.milliseconds(), counter.finish());
}

void frmcars::keep(const TypingRecord& record) {
    if (recorder)
        recorder->record(record);
}

void frmcars::racelost() {
    const TypingRecord record = racerecord(QStringLiteral("Lost"));
    msgbox(QStringLiteral("You lost!!!"), MsgIcon::Exclamation, QStringLiteral("Too bad!"));
    keep(record);
    resetrace();
}

void frmcars::racewon() {
    const TypingRecord record = racerecord(QStringLiteral("Won"));
    msgbox(QStringLiteral("You won! Price money is for you!"), MsgIcon::Exclamation,
           QStringLiteral("So good!"));
    keep(record);
    if (Form1* main = Form1::instance()) {
        // Clamped: a fortune near the top of 32 bits must not wrap round to a debt.
        main->train1->setText(QString::number(addclamped(textint32(main->train1->text()), 10)));
        main->money1->setText(QString::number(addclamped(textint32(main->money1->text()), prize)));
        main->reversevalue();
    }
    resetrace();
}

// Back to rest, hidden; the word list and the level stay as they are.
void frmcars::resetrace() {
    prize = 0;
    positions.restart();
    drawcars();
    Label3->clear();
    emptytypingbox(Text1);
    Text1->setEnabled(false);
    Timer1->stop();
    Command2->setEnabled(true);
    Frame1->setEnabled(true);
    hide();
}

void frmcars::drawcars() {
    car1->move(twips(positions.opponentleft), twips(opponenttop));
    car2->move(twips(positions.playerleft), twips(playertop));
}
