#include "typing/frmp.h"

#include "common/controls.h"
#include "common/dialogs.h"
#include "common/keyupwatcher.h"
#include "common/layout.h"
#include "common/number.h"
#include "common/programfolder.h"
#include "common/random.h"
#include "common/twips.h"
#include "common/typingtextsize.h"
#include "keyboard/capslocknotice.h"
#include "sound/sounds.h"
#include "stats/dailypractice.h"
#include "stats/statsrecorder.h"
#include "stats/todaybar.h"
#include "typing/levels.h"
#include "typing/practice.h"
#include "typing/wordlist.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

frmp::frmp(Career* career, QWidget* parent) : QWidget(parent), credit(career) {
    setupsidewindow(this, "frmp", tr("Practice Typing!"));
    buildcontrols();
    setFixedSize(twips(8280), twips(3660));
    new TypingTextSize(this, target, typingbox, capslock);
    closeonescape(this);
    Form_Load();
}

void frmp::buildcontrols() {
    level = placed(new QGroupBox(tr("Level"), this), "level", twipsrect(120, 120, 2535, 2055));
    QRadioButton** options[] = {&easy, &comingalongwell, &average, &aboveaverage, &expert};
    const char* optionnames[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
    for (int i = 0; i < 5; ++i)
        *options[i] = placed(new QRadioButton(shownlevelcaption(practicelevels()[i]), level),
                             optionnames[i], twipsrect(180, 300 + i * 345, 2235, 300));
    easy->setChecked(true);

    auto label = [this](const char* name, const QString& text, QRect where) {
        return placed(new QLabel(text, this), name, where);
    };
    timecaption = label("Label1", tr("Time:"), twipsrect(2880, 240, 2415, 300));
    elapsed = label("tim", QStringLiteral("0"), twipsrect(5400, 240, 1215, 300));
    typedcaption = label("Label2", tr("Word/Phrase :"), twipsrect(2880, 660, 2415, 300));
    typedshown = label("wordno", QStringLiteral("0"), twipsrect(5400, 660, 1215, 300));
    leftcaption = label("Label3", tr("Word(s)/Phrase(s) left:"), twipsrect(2880, 1080, 2415, 300));
    leftshown = label("wordleft", QStringLiteral("0"), twipsrect(5400, 1080, 1215, 300));
    // The figures carry no name of their own, so a screen reader reads them; each caption
    // names its figure as the figure's buddy.
    timecaption->setBuddy(elapsed);
    typedcaption->setBuddy(typedshown);
    leftcaption->setBuddy(leftshown);

    startrestart =
        placed(new QPushButton(tr("Start"), this), "Command1", twipsrect(2880, 1680, 1455, 420));
    pauser = placed(new QPushButton(tr("Pause"), this), "pauser", twipsrect(4500, 1680, 1455, 420));

    divider = placed(new QFrame(this), "Line1", twipsrect(120, 2340, 8040, 30));
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);

    // The target sits directly above the typing box, as wide as it, in the same type.
    target = label("lbltype", QString(), twipsrect(120, 2520, 8040, 480));
    target->setFont(arialfont(15.75, true));
    typingbox = placed(new QLineEdit(this), "txttype", twipsrect(120, 3030, 8040, 510));
    maketypingbox(typingbox);
    // At the right end of the target's row, next to the box, where short entries leave room.
    capslock =
        placed(new CapsLockNotice(typingbox, this), "capslock", twipsrect(5640, 2520, 2520, 480));
    capslock->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    auto* keys = new KeyUpWatcher(typingbox);
    connect(keys, &KeyUpWatcher::keyup, this, &frmp::typingbox_KeyUp);
    connect(keys, &KeyUpWatcher::keyupretracted, this, [this](int key) {
        if (!iscorrectionkey(key))
            return;
        if (mistakes > 0)
            mistakes -= 1;
        session.correctionretracted();
    });

    // Beside the buttons, where the window has room: the window itself keeps its size.
    today = placed(new TodayBar(this), "todaybar", twipsrect(6120, 1740, 2040, 300));
    practice = DailyPractice::shared();
    today->follow(practice);

    clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("Timer1"));
    clock->setInterval(1000);

    connect(startrestart, &QPushButton::clicked, this, &frmp::startrestart_Click);
    connect(pauser, &QPushButton::clicked, this, &frmp::pauser_Click);
    connect(typingbox, &QLineEdit::textChanged, this, &frmp::typingbox_Change);
    connect(clock, &QTimer::timeout, this, &frmp::clock_Timer);
}

void frmp::Form_Load() {
    pauser->setEnabled(false);
    apppath = ::apppath();
    randomize(seconds);
}

void frmp::setrecorder(StatsRecorder* newrecorder) {
    recorder = newrecorder;
    // The history is read once, whichever window asks first; what ends from then on joins it.
    practice->load();
}

int frmp::selectedlevel() const {
    const QRadioButton* options[] = {easy, comingalongwell, average, aboveaverage, expert};
    for (int i = 0; i < 5; ++i)
        if (options[i]->isChecked())
            return i;
    return 0;
}

void frmp::startrestart_Click() {
    if (running) {
        endexercise();
        return;
    }
    running = true;
    pauser->setEnabled(true);
    mistakes = 0;
    level->setEnabled(false);
    startrestart->setText(tr("Restart"));
    session.start(typingbox->text());
    startlevel(selectedlevel());
}

void frmp::startlevel(int levelindex) {
    const PracticeLevel& chosen = practicelevels()[levelindex];
    const QString problem = wordfileproblem(loadwords(words, apppath + chosen.file), chosen.file);
    if (!problem.isEmpty())
        msgbox(problem, MsgIcon::Exclamation);
    typedcount = 0;
    leftcount = exerciselength(words.size(), chosen.divisor);
    showcounts();
    clock->start();
    nextword();
}

void frmp::showcounts() {
    typedshown->setText(QString::number(typedcount));
    leftshown->setText(QString::number(leftcount));
}

void frmp::nextword() {
    typingbox->setFocus();
    due = wordat(words, pickwordindex(words.size(), seconds));
    target->setText(due);
}

void frmp::typingbox_Change() {
    if (session.changed(due, typingbox->text()))
        worddone();
}

void frmp::worddone() {
    leftcount = addclamped(leftcount, -1);
    typedcount = addclamped(typedcount, 1);
    showcounts();
    emptytypingbox(typingbox);
    if (leftcount > 0)
        nextword();
    else
        endexercise();
}

void frmp::typingbox_KeyUp(int key) {
    if (iscorrectionkey(key)) {
        mistakes = addclamped(mistakes, 1);
        session.correctionkey();
    }
}

void frmp::clock_Timer() {
    seconds = addclamped(seconds, 1);
    elapsed->setText(tr("%1s").arg(seconds));
}

void frmp::pauser_Click() {
    const bool pausing = !paused;
    paused = pausing;
    if (pausing) {
        clock->stop();
        session.pause();
    } else {
        clock->start();
        session.resume();
    }
    typingbox->setEnabled(!pausing);
    pauser->setText(pausing ? tr("Resume") : tr("Pause"));
    if (!pausing)
        typingbox->setFocus();
}

void frmp::endexercise() {
    pauser->setEnabled(false);
    startrestart->setEnabled(true);
    const int levelindex = selectedlevel();
    const PracticeLevel& played = practicelevels()[levelindex];
    const TypingRecord record =
        session.finish(QStringLiteral("Practice"), played.name,
                       leftcount > 0 ? QStringLiteral("Restarted") : QStringLiteral("Completed"));
    // Other windows keep running while the box is open; this one may be gone by now, but the
    // exercise was reported, so its points still count: what credits and keeps it is taken
    // beforehand.
    QPointer<frmp> alive(this);
    const PracticeCredit credited = credit;
    const QPointer<StatsRecorder> keeper = recorder;
    playsound(Sound::ExerciseEnded);
    msgbox(resultmessage(seconds, typedcount, shownlevelname(played), mistakes),
           MsgIcon::Exclamation, tr("Result"));
    credited.credit(levelindex);
    if (keeper)
        keeper->record(record);
    if (alive)
        resetwindow();
}

void frmp::resetwindow() {
    running = false;
    paused = false;
    pauser->setText(tr("Pause"));
    typingbox->setEnabled(true);
    startrestart->setText(tr("Start"));
    mistakes = 0;
    words.clear();
    level->setEnabled(true);
    typedshown->setText(QStringLiteral("0"));
    leftshown->setText(QStringLiteral("0"));
    clock->stop();
    seconds = 0;
    elapsed->setText(QStringLiteral("0"));
    emptytypingbox(typingbox);
    due.clear();
    target->clear();
}

void frmp::closeEvent(QCloseEvent* event) {
    // Closing abandons the exercise: nothing is reported and nothing is credited.
    typedcount = 0;
    leftcount = 0;
    resetwindow();
    pauser->setEnabled(false);
    easy->setChecked(true);
    hide();
    event->accept();
}
