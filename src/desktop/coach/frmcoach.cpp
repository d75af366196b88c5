#include "coach/frmcoach.h"

#include "coach/confidencebars.h"
#include "coach/keyladder.h"
#include "common/accessibility.h"
#include "common/controls.h"
#include "common/layout.h"
#include "keyboard/keyboardview.h"
#include "sound/sounds.h"
#include "stats/dailypractice.h"
#include "stats/todaybar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

std::function<QString(QWidget*)> frmcoach::choosefile = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, frmcoach::tr("Choose a Text to Type"),
                                        QDir::homePath(),
                                        frmcoach::tr("Texts (*.txt);;All files (*)"));
};

frmcoach::frmcoach(QWidget* parent)
    : QWidget(parent), planner(new CoachPlanner(
                           [this](const QString& character) { return cantype(character); }, this)),
      practice(DailyPractice::shared()) {
    setupsidewindow(this, "frmcoach", tr("Typing Coach"));
    closeonescape(this);
    buildcontrols();
    followplanner();
    targetspeed->setValue(planner->targetwpm());
    followpractice();
}

void frmcoach::followpractice() {
    today->follow(practice);
    auto showgoal = [this] {
        const QSignalBlocker quiet(goal);
        goal->setValue(practice->goal());
    };
    showgoal();
    connect(practice, &DailyPractice::changed, this, showgoal);
    connect(goal, &QSpinBox::valueChanged, practice, &DailyPractice::setgoal);
    connect(practice, &DailyPractice::goalreached, planner, [this](int minutes) {
        planner->announce(tr("Today's practice goal of %1 min is met.").arg(minutes));
    });
    // A goal file that can't be read, or was damaged, is the coach's to say as well.
    if (!practice->trouble().isEmpty())
        planner->announce(
            QStringList{planner->said(), practice->trouble()}.join(QLatin1Char(' ')).trimmed());
}

frmcoach::~frmcoach() {
    planner->keep();
}

void frmcoach::followplanner() {
    note->setText(planner->said());
    connect(planner, &CoachPlanner::note, note, &SpokenLabel::setText);
    connect(planner, &CoachPlanner::summary, summary, &SpokenLabel::setText);
    connect(planner, &CoachPlanner::focuschanged, this, [this](const QString& key) {
        shownkey = key;
        showfocus();
    });
    connect(planner, &CoachPlanner::pairschanged, this, [this](const QString& pairs) {
        shownpairs = pairs;
        showfocus();
    });
    auto judged = [this](QChar key) { return planner->confidenceof(key); };
    connect(planner, &CoachPlanner::keyschanged, this,
            [this, judged](const QList<QChar>& order, const QString& inplay, QChar focus) {
                keyladder->showkeys(
                    order, inplay, focus, judged,
                    [this](QChar key) { return planner->helddescription(key); },
                    planner->chosenkey(), planner->leftout());
                showleftout();
            });
    connect(planner, &CoachPlanner::barschanged, this,
            [this, judged](const QList<QChar>& keys) { confidencebars->showkeys(keys, judged); });
    connect(planner, &CoachPlanner::stageschanged, this, &frmcoach::showstages);
    connect(planner, &CoachPlanner::targetproposed, this, &frmcoach::showproposal);
    connect(planner, &CoachPlanner::targetchanged, targetspeed, &QSpinBox::setValue);
    connect(usetarget, &QPushButton::clicked, planner, &CoachPlanner::takeproposal);
    connect(planner, &CoachPlanner::languagechanged, this,
            [this](const QString& code) { wordsbox->setCurrentIndex(wordsbox->findData(code)); });
    connect(planner, &CoachPlanner::kindchanged, this, &frmcoach::showkind);
    connect(planner, &CoachPlanner::entrychanged, lbltype, &SpokenLabel::setText);
    connect(planner, &CoachPlanner::clearbox, this, [this] {
        // The program empties the box: no keystroke of the player's.
        const QSignalBlocker quiet(txttype);
        emptytypingbox(txttype);
    });
    connect(planner, &CoachPlanner::figures, this, &frmcoach::showspeedandaccuracy);
    connect(planner, &CoachPlanner::drillstarted, this, &frmcoach::drillstarted);
    connect(planner, &CoachPlanner::drillstopped, this, &frmcoach::drillstopped);
    connect(planner, &CoachPlanner::textreading, this, [this](bool reading) {
        choosetext->setEnabled(!reading && !drilling());
        if (!reading)
            emit textloaded();
    });
    connect(planner, &CoachPlanner::textloaded, this, [this](const QString& name, bool chosen) {
        textname->setText(name);
        tellnamechanged(textname);
        if (chosen && !drilling())
            startstop->setFocus();
    });
    connect(planner, &CoachPlanner::historyloaded, this, &frmcoach::historyloaded);
    connect(planner, &CoachPlanner::nextcharacter, this, &frmcoach::nextcharacter);

    connect(txttype, &QLineEdit::textChanged, planner, &CoachPlanner::typed);
    connect(targetspeed, &QSpinBox::valueChanged, planner, &CoachPlanner::settarget);
    connect(keyladder, &KeyLadder::chosen, planner, &CoachPlanner::pickfocus);
    connect(keyladder, &KeyLadder::keptfocus, planner, &CoachPlanner::keepfocus);
    connect(keyladder, &KeyLadder::leaveout, planner, &CoachPlanner::leaveout);
    connect(keyladder, &QListWidget::currentRowChanged, this, &frmcoach::showleftout);
    connect(leaveout, &QPushButton::toggled, this,
            [this](bool out) { planner->leaveout(keyladder->currentkey(), out); });
    connect(wordsbox, &QComboBox::activated, this,
            [this](int row) { planner->choosewords(wordsbox->itemData(row).toString()); });
    for (QCheckBox* box : {capitals, digits, punctuation, symbols})
        connect(box, &QCheckBox::toggled, this, [this] {
            planner->choosestages({capitals->isChecked(), digits->isChecked(),
                                   punctuation->isChecked(), symbols->isChecked()});
        });
    for (auto [option, kind] :
         {std::pair{optweak, DrillKind::WeakKeys}, std::pair{optpairs, DrillKind::WeakPairs},
          std::pair{optmistyped, DrillKind::Mistyped}, std::pair{optowntext, DrillKind::OwnText}})
        connect(option, &QRadioButton::toggled, this, [this, kind = kind](bool on) {
            if (on)
                planner->choosekind(kind);
        });
}

bool frmcoach::cantype(const QString& character) const {
    // Without a layout nothing is known of the keyboard: every character is left to the player.
    return keyboard->layout().isempty() || !keyboard->layout().presses(character).isEmpty();
}

void frmcoach::load() {
    planner->load(keyboard->layout().description());
}

void frmcoach::finishloading() {
    planner->finishloading();
}

void frmcoach::loadtext(const QString& path, bool chosen) {
    planner->loadtext(path, chosen);
}

void frmcoach::setrecorder(StatsRecorder* recorder) {
    planner->setrecorder(recorder);
}

void frmcoach::practise(QChar key) {
    planner->practise(key);
}

void frmcoach::startstop_Click() {
    if (drilling())
        planner->stop();
    else
        planner->start();
}

void frmcoach::choosetext_Click() {
    const QString path = choosefile(this);
    if (!path.isEmpty())
        loadtext(path);
}

void frmcoach::drillstarted() {
    // The last drill's summary is of another key.
    summary->clear();
    usetarget->setEnabled(false);
    drill->setEnabled(false);
    planenabled(false);
    startstop->setText(tr(stopcaption));
    startstop->setAccessibleName(tr(stopcaption));
    txttype->setEnabled(true);
    txttype->setFocus();
}

void frmcoach::showfocus() {
    // The weak-pairs drill trains pairs, and says which before Start.
    const bool pairs = planner->kind() == DrillKind::WeakPairs;
    lblfocus->setText(pairs ? tr("Focus pairs:") : tr("Focus key:"));
    const QString& text = pairs ? shownpairs : shownkey;
    if (text == focuskey->text())
        return;
    focuskey->setText(text);
    tellnamechanged(focuskey);
}

void frmcoach::showkind(DrillKind kind) {
    showfocus();
    switch (kind) {
    case DrillKind::WeakKeys:
        optweak->setChecked(true);
        break;
    case DrillKind::WeakPairs:
        optpairs->setChecked(true);
        break;
    case DrillKind::Mistyped:
        optmistyped->setChecked(true);
        break;
    case DrillKind::OwnText:
        optowntext->setChecked(true);
        break;
    }
}

void frmcoach::drillstopped() {
    playsound(Sound::DrillEnded);
    txttype->setEnabled(false);
    drill->setEnabled(true);
    planenabled(true);
    choosetext->setEnabled(true);
    usetarget->setEnabled(true);
    startstop->setText(tr(startcaption));
    startstop->setAccessibleName(tr(startcaption));
    startstop->setFocus();
}

void frmcoach::showproposal(int wpm) {
    // The button keeps its room when hidden, so the rows below stay where they are.
    usetarget->setVisible(wpm > 0);
    if (wpm <= 0)
        return;
    const QString caption = tr("Use %1 WPM").arg(wpm);
    usetarget->setText(QLatin1Char('&') + caption);
    usetarget->setAccessibleName(caption);
}

void frmcoach::showspeedandaccuracy(int wpm, int percent) {
    // Formatted only when the figure shown changes: most keystrokes leave the accuracy be.
    if (wpm != shownspeed) {
        speed->setText(tr("%1 WPM").arg(wpm));
        tellnamechanged(speed);
    }
    if (percent != shownaccuracy) {
        accuracy->setText(tr("%1 %").arg(percent));
        tellnamechanged(accuracy);
    }
    shownspeed = wpm;
    shownaccuracy = percent;
}

void frmcoach::closeEvent(QCloseEvent* event) {
    // Closing ends a drill in hand as Stop does, so what was typed still counts.
    planner->stop();
    planner->keep();
    event->accept();
}
