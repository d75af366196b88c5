#include "typing/frmp.h"

#include "career/form1.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/keyupwatcher.h"
#include "common/layout.h"
#include "common/number.h"
#include "common/programfolder.h"
#include "common/random.h"
#include "common/twips.h"
#include "common/watchlabel.h"
#include "stats/statsrecorder.h"
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

namespace {

const QString startcaption = QStringLiteral("Start");
const QString restartcaption = QStringLiteral("Restart");
const QString pausecaption = QStringLiteral("Pause");
const QString resumecaption = QStringLiteral("Resume");

} // namespace

frmp::frmp(QWidget* parent) : QWidget(parent) {
    setupsidewindow(this, "frmp", QStringLiteral("Practice Typing!"));
    buildcontrols();
    setFixedSize(twips(8280), twips(3660));
    closeonescape(this);
    Form_Load();
}

void frmp::buildcontrols() {
    level = placed(new QGroupBox(QStringLiteral("Level"), this), "level",
                   twipsrect(120, 120, 2535, 2055));
    QRadioButton** options[] = {&Option1, &Option2, &Option3, &Option4, &Option5};
    const char* optionnames[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
    for (int i = 0; i < 5; ++i)
        *options[i] = placed(new QRadioButton(practicelevels()[i].caption, level), optionnames[i],
                             twipsrect(180, 300 + i * 345, 2235, 300));
    Option1->setChecked(true);

    auto label = [this](const char* name, const QString& text, QRect where) {
        return placed(new QLabel(text, this), name, where);
    };
    Label1 = label("Label1", QStringLiteral("Time:"), twipsrect(2880, 240, 2415, 300));
    tim = label("tim", QStringLiteral("0"), twipsrect(5400, 240, 1215, 300));
    Label2 = label("Label2", QStringLiteral("Word/Phrase :"), twipsrect(2880, 660, 2415, 300));
    wordno = label("wordno", QStringLiteral("0"), twipsrect(5400, 660, 1215, 300));
    Label3 = label("Label3", QStringLiteral("Word(s)/Phrase(s) left:"),
                   twipsrect(2880, 1080, 2415, 300));
    wordleft = label("wordleft", QStringLiteral("0"), twipsrect(5400, 1080, 1215, 300));

    Command1 =
        placed(new QPushButton(startcaption, this), "Command1", twipsrect(2880, 1680, 1455, 420));
    pauser =
        placed(new QPushButton(pausecaption, this), "pauser", twipsrect(4500, 1680, 1455, 420));

    Line1 = placed(new QFrame(this), "Line1", twipsrect(120, 2340, 8040, 30));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    // The target sits directly above the typing box, as wide as it, in the same type.
    lbltype = label("lbltype", QString(), twipsrect(120, 2520, 8040, 480));
    lbltype->setFont(arialfont(15.75, true));
    txttype = placed(new QLineEdit(this), "txttype", twipsrect(120, 3030, 8040, 510));
    maketypingbox(txttype);
    auto* keys = new KeyUpWatcher(txttype);
    connect(keys, &KeyUpWatcher::keyup, this, &frmp::txttype_KeyUp);
    connect(keys, &KeyUpWatcher::keyupretracted, this, [this](int key) {
        if (iscorrectionkey(key) && mistakes > 0)
            mistakes -= 1;
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(Command1, &QPushButton::clicked, this, &frmp::Command1_Click);
    connect(pauser, &QPushButton::clicked, this, &frmp::pauser_Click);
    connect(txttype, &QLineEdit::textChanged, this, &frmp::txttype_Change);
    connect(Timer1, &QTimer::timeout, this, &frmp::Timer1_Timer);
}

void frmp::Form_Load() {
    pauser->setEnabled(false);
    apppath = ::apppath();
    randomize(seconds);
}

int frmp::selectedlevel() const {
    const QRadioButton* options[] = {Option1, Option2, Option3, Option4, Option5};
    for (int i = 0; i < 5; ++i)
        if (options[i]->isChecked())
            return i;
    return 0;
}

void frmp::Command1_Click() {
    if (Command1->text() == restartcaption) {
        endexercise();
        return;
    }
    pauser->setEnabled(true);
    mistakes = 0;
    level->setEnabled(false);
    Command1->setText(restartcaption);
    counter.restart(txttype->text());
    typingtime.start();
    startlevel(selectedlevel());
}

void frmp::startlevel(int levelindex) {
    const PracticeLevel& chosen = practicelevels()[levelindex];
    reportwordfile(loadwords(List1, apppath + chosen.file), chosen.file);
    typedcount = 0;
    leftcount = exerciselength(List1.size(), chosen.divisor);
    showcounts();
    Timer1->start();
    nextword();
}

void frmp::showcounts() {
    wordno->setText(QString::number(typedcount));
    wordleft->setText(QString::number(leftcount));
}

void frmp::nextword() {
    txttype->setFocus();
    lbltype->setText(wordat(List1, pickwordindex(List1.size(), seconds)));
}

void frmp::txttype_Change() {
    counter.changed(lbltype->text(), txttype->text(), typingtime.clock());
    if (wordmatches(txttype->text(), lbltype->text()))
        worddone();
}

void frmp::worddone() {
    leftcount = addclamped(leftcount, -1);
    typedcount = addclamped(typedcount, 1);
    showcounts();
    emptytypingbox(txttype);
    if (leftcount > 0)
        nextword();
    else
        endexercise();
}

void frmp::txttype_KeyUp(int key) {
    if (iscorrectionkey(key))
        mistakes = addclamped(mistakes, 1);
}

void frmp::Timer1_Timer() {
    seconds = addclamped(seconds, 1);
    tim->setText(QString::number(seconds) + QLatin1Char('s'));
}

void frmp::pauser_Click() {
    const bool pausing = pauser->text() == pausecaption;
    if (pausing) {
        Timer1->stop();
        typingtime.pause();
    } else {
        Timer1->start();
        typingtime.resume();
    }
    txttype->setEnabled(!pausing);
    pauser->setText(pausing ? resumecaption : pausecaption);
    if (!pausing)
        txttype->setFocus();
}

void frmp::endexercise() {
    pauser->setEnabled(false);
    Command1->setEnabled(true);
    const PracticeLevel& played = practicelevels()[selectedlevel()];
    TypingRecord record =
        endedrecord(QStringLiteral("Practice"), played.name,
                    leftcount > 0 ? QStringLiteral("Restarted") : QStringLiteral("Completed"),
                    typingtime.milliseconds(), counter.finish());
    // The correction keys the result message reports, so the two never disagree.
    record.counts.tally.corrections = mistakes;
    QPointer<frmp> alive(this);
    msgbox(resultmessage(seconds, typedcount, played.name, mistakes), MsgIcon::Exclamation,
           QStringLiteral("Result"));
    if (Form1* main = Form1::instance()) {
        main->train1->setText(creditedtraining(main->train1->text(), played.points));
        main->reversevalue();
    }
    if (recorder)
        recorder->record(record);
    // Other windows keep running while the box is open; this one may be gone by now, but the
    // exercise was reported, so its points still count.
    if (alive)
        resetwindow();
}

void frmp::resetwindow() {
    pauser->setText(pausecaption);
    txttype->setEnabled(true);
    Command1->setText(startcaption);
    mistakes = 0;
    List1.clear();
    level->setEnabled(true);
    wordno->setText(QStringLiteral("0"));
    wordleft->setText(QStringLiteral("0"));
    Timer1->stop();
    seconds = 0;
    tim->setText(QStringLiteral("0"));
    emptytypingbox(txttype);
    lbltype->clear();
}

void frmp::closeEvent(QCloseEvent* event) {
    // Closing abandons the exercise: nothing is reported and nothing is credited.
    typedcount = 0;
    leftcount = 0;
    resetwindow();
    pauser->setEnabled(false);
    Option1->setChecked(true);
    hide();
    event->accept();
}
