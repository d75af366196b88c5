// The coach's controls, their layout and colours, and the keyboard drawing with its choice of
// layout, which follows the X server's keymap.
#include "coach/confidencebars.h"
#include "coach/figurelabel.h"
#include "coach/frmcoach.h"
#include "coach/keyladder.h"
#include "common/accessibility.h"
#include "common/controls.h"
#include "common/keyupwatcher.h"
#include "common/layout.h"
#include "common/typingtextsize.h"
#include "keyboard/capslocknotice.h"
#include "keyboard/deadkeywatcher.h"
#include "keyboard/keyboardchoice.h"
#include "keyboard/keyboardcolours.h"
#include "keyboard/keyboardview.h"
#include "keyboard/systemkeyboard.h"
#include "stats/calendartab.h"
#include "stats/todaybar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename T> T* named(T* control, const char* name, const QString& accessible) {
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(accessible);
    if constexpr (std::is_base_of_v<QLabel, T>)
        control->setTextFormat(Qt::PlainText);
    return control;
}

// A label showing a value that changes. It takes no accessible name: a screen reader then reads
// its text, the value, where a name would stand in for it. The caption beside it is its own
// label, and names it to the screen reader as its buddy.
template <typename T> T* valuelabel(T* label, const char* name, QLabel* caption = nullptr) {
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    if (caption)
        caption->setBuddy(label);
    return label;
}

// Holds the label of the entry to type at its own size. A label in a layout lays the whole
// window out again whenever its text changes; this one, outside any, at no cost.
class LabelSlot : public QWidget {
public:
    LabelSlot(QLabel* held, QWidget* parent) : QWidget(parent), label(held) {
        label->setParent(this);
    }

protected:
    void resizeEvent(QResizeEvent*) override { label->setGeometry(rect()); }

private:
    QLabel* label;
};

} // namespace

void frmcoach::buildcontrols() {
    auto label = [this](const char* name, const QString& text) {
        return named(new QLabel(text, this), name, text);
    };
    drill = named(new QGroupBox(tr("Drill"), this), "drill", tr("Drill"));
    auto option = [this](const char* name, const QString& text) {
        return named(new QRadioButton(text, drill), name, text);
    };
    optweak = option("optweak", QCoreApplication::translate("Drill", weakkeysname.toUtf8()));
    optpairs = option("optpairs", QCoreApplication::translate("Drill", weakpairsname.toUtf8()));
    optmistyped =
        option("optmistyped", QCoreApplication::translate("Drill", mistypedname.toUtf8()));
    optowntext = option("optowntext", QCoreApplication::translate("Drill", owntextname.toUtf8()));
    optweak->setChecked(true);
    choosetext =
        named(new QPushButton(tr("Choose Text..."), drill), "choosetext", tr("Choose Text..."));
    // Not the group's own child: an empty label there is read as the group's title.
    auto* textholder = new QWidget(drill);
    textname = valuelabel(new QLabel(textholder), "textname");
    auto* textrow = new QHBoxLayout(textholder);
    textrow->setContentsMargins(0, 0, 0, 0);
    textrow->addWidget(textname);
    auto* drillbox = new QVBoxLayout(drill);
    for (QWidget* w : {static_cast<QWidget*>(optweak), static_cast<QWidget*>(optpairs),
                       static_cast<QWidget*>(optmistyped), static_cast<QWidget*>(optowntext)})
        drillbox->addWidget(w);
    drillbox->addWidget(choosetext, 0, Qt::AlignLeft);
    drillbox->addWidget(textholder);

    lblfocus = label("lblfocus", tr("Focus key:"));
    focuskey = valuelabel(new QLabel(this), "focuskey", lblfocus);
    focuskey->setFont(arialfont(12, true));
    lbltarget = label("lbltarget", tr("Target speed:"));
    targetspeed = named(new QSpinBox(this), "targetspeed", tr("Target speed:"));
    targetspeed->setRange(10, 150);
    targetspeed->setValue(35);
    targetspeed->setSuffix(tr(" WPM"));
    lbltarget->setBuddy(targetspeed);
    usetarget = named(new QPushButton(tr("&Use"), this), "usetarget", tr("Use"));
    QSizePolicy keeproom = usetarget->sizePolicy();
    keeproom.setRetainSizeWhenHidden(true);
    usetarget->setSizePolicy(keeproom);
    usetarget->hide();
    lblgoal = label("lblgoal", tr("Practice goal:"));
    goal = goalbox(this);
    lblgoal->setBuddy(goal);
    today = new TodayBar(this);
    confidencebars = new ConfidenceBars(mostkeysshown, this);

    lbltypecaption = label("lbltypecaption", tr("Type:"));
    lbltype = valuelabel(new SpokenLabel(this), "lbltype");
    lbltype->setFont(arialfont(15.75, true));
    // A sentence of an own text may run to two lines.
    lbltype->setWordWrap(true);
    auto* typeslot = new LabelSlot(lbltype, this);
    typeslot->setMinimumWidth(200);
    txttype = new QLineEdit(this);
    txttype->setObjectName(QStringLiteral("txttype"));
    maketypingbox(txttype);
    followpalette();
    txttype->setEnabled(false);
    lbltypecaption->setBuddy(txttype);
    capslock = new CapsLockNotice(txttype, this);
    // The slot holds two lines of the entry at any text size; the layouts grow the window.
    auto* textsize = new TypingTextSize(this, lbltype, txttype);
    const auto fitslot = [this, typeslot] {
        typeslot->setFixedHeight(lbltype->fontMetrics().lineSpacing() * 2 + 4);
    };
    connect(textsize, &TypingTextSize::resized, this, fitslot);
    fitslot();

    startstop = named(new QPushButton(tr(startcaption), this), "startstop", tr(startcaption));
    lblspeed = label("lblspeed", tr("Speed:"));
    speed = valuelabel(new FigureLabel(tr("%1 WPM").arg(0), this), "speed", lblspeed);
    lblaccuracy = label("lblaccuracy", tr("Accuracy:"));
    accuracy = valuelabel(new FigureLabel(tr("%1 %").arg(100), this), "accuracy", lblaccuracy);
    // Labels that change while the player types keep their size, so a keystroke never lays
    // the window out again.
    for (QLabel* changing : {speed, accuracy})
        changing->setFixedSize(
            changing->fontMetrics().horizontalAdvance(tr("%1 WPM").arg(QStringLiteral("00000"))) +
                8,
            changing->sizeHint().height());
    note = valuelabel(new SpokenLabel(this), "note");
    note->setWordWrap(true);
    buildplancontrols();
    // What the coach says keeps its room however long it is, so the typing row never moves.
    const int line = note->fontMetrics().lineSpacing();
    note->setFixedHeight(line * 3 + 4);
    summary->setFixedHeight(line * 2 + 4);
    for (QLabel* said : {static_cast<QLabel*>(note), static_cast<QLabel*>(summary)})
        said->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    buildkeyboard();

    auto* grid = new QGridLayout(this);
    grid->addWidget(drill, 0, 0, 4, 1);
    grid->addWidget(lblfocus, 0, 1);
    grid->addWidget(focuskey, 0, 2);
    grid->addWidget(lbltarget, 1, 1);
    auto* speedrow = new QHBoxLayout;
    speedrow->addWidget(targetspeed);
    speedrow->addWidget(usetarget);
    speedrow->addSpacing(12);
    speedrow->addWidget(lblgoal);
    speedrow->addWidget(goal);
    speedrow->addWidget(today);
    speedrow->addStretch(1);
    grid->addLayout(speedrow, 1, 2);
    grid->addWidget(confidencebars, 2, 1, 1, 2);
    grid->addWidget(note, 3, 1, 1, 2);
    auto* wordsrow = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(lblwords), static_cast<QWidget*>(wordsbox),
                       static_cast<QWidget*>(capitals), static_cast<QWidget*>(digits),
                       static_cast<QWidget*>(punctuation), static_cast<QWidget*>(symbols)})
        wordsrow->addWidget(w);
    wordsrow->addStretch();
    grid->addLayout(wordsrow, 4, 0, 1, 3);
    auto* keysrow = new QHBoxLayout;
    keysrow->addWidget(lblkeys, 0, Qt::AlignTop);
    keysrow->addWidget(keyladder, 1);
    keysrow->addWidget(leaveout, 0, Qt::AlignTop);
    grid->addLayout(keysrow, 5, 0, 1, 3);
    grid->addWidget(summary, 6, 0, 1, 3);
    auto* typerow = new QHBoxLayout;
    typerow->addWidget(lbltypecaption);
    typerow->addWidget(typeslot, 1);
    grid->addLayout(typerow, 7, 0, 1, 3);
    auto* boxrow = new QHBoxLayout;
    boxrow->addWidget(txttype, 1);
    boxrow->addWidget(capslock);
    grid->addLayout(boxrow, 8, 0, 1, 3);
    auto* figures = new QHBoxLayout;
    figures->addWidget(startstop);
    figures->addStretch();
    for (QWidget* w : {lblspeed, speed, lblaccuracy, accuracy})
        figures->addWidget(w);
    grid->addLayout(figures, 9, 0, 1, 3);
    auto* layoutrow = new QHBoxLayout;
    layoutrow->addWidget(lbllayout);
    layoutrow->addWidget(layoutbox, 1);
    layoutrow->addSpacing(12);
    layoutrow->addWidget(lbllearn);
    layoutrow->addWidget(learnbox, 1);
    grid->addLayout(layoutrow, 10, 0, 1, 3);
    grid->addWidget(keyboard, 11, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    // A larger window draws a larger keyboard; the controls above keep their size.
    grid->setRowStretch(11, 1);

    connect(startstop, &QPushButton::clicked, this, &frmcoach::startstop_Click);
    connect(choosetext, &QPushButton::clicked, this, &frmcoach::choosetext_Click);
    // Backspace and Delete count as corrections, as they do in practice and the race.
    auto* releases = new KeyUpWatcher(txttype);
    connect(releases, &KeyUpWatcher::keyup, this, [this](int key) {
        if (iscorrectionkey(key))
            planner->correctionkey();
    });
    connect(releases, &KeyUpWatcher::keyupretracted, this, [this](int key) {
        if (iscorrectionkey(key))
            planner->correctionretracted();
    });
    // The tab order is the order the controls were made in, top to bottom.
}

void frmcoach::buildkeyboard() {
    layoutbox = captionedbox(this, tr("Keyboard layout:"), "lbllayout", "layoutbox", lbllayout);
    keyboard = new KeyboardView(this);
    keyboard->setMinimumSize(keyboard->minimumSizeHint());
    keyboard->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (const std::optional<QString> kept = planner->keptlayout())
        chooser.choose(*kept);
    for (int row = 0; row < chooser.count(); ++row)
        layoutbox->addItem(chooser.caption(row));
    layoutbox->setCurrentIndex(chooser.current());
    buildlearn();
    connect(layoutbox, &QComboBox::currentIndexChanged, this, &frmcoach::layoutchosen);
    connect(SystemKeyboard::current(), &SystemKeyboard::changed, this,
            &frmcoach::systemkeymapchanged);
    connect(this, &frmcoach::nextcharacter, keyboard, &KeyboardView::shownext);
    auto* deadkeys = new DeadKeyWatcher(txttype, [this](int code) {
        for (int level = 0; level < 4; ++level)
            if (keyboard->layout().isdead(code, level))
                return true;
        return false;
    });
    connect(deadkeys, &DeadKeyWatcher::deadkey, keyboard, &KeyboardView::steptoletter);
}

void frmcoach::layoutchosen(int row) {
    if (row < 0)
        return;
    chooser.choose(row);
    // While another layout is learnt, the drawing and the words stay its.
    if (planner->learning().isEmpty()) {
        keyboard->setlayout(chooser.load());
        planner->followlayout(keyboard->layout().description());
    }
    // The statistics' heat map shows the same layout.
    KeyboardChoiceNews::instance()->tell(chooser.key());
    planner->keeplayout(chooser.key());
}

void frmcoach::systemkeymapchanged() {
    if (chooser.systemchosen() && planner->learning().isEmpty()) {
        keyboard->setlayout(chooser.load());
        planner->followlayout(keyboard->layout().description());
    }
}

void frmcoach::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followpalette();
}

// The typing box takes the window's ground, as the game's other boxes do, and keeps its blue
// where blue reads on it; on a dark ground its text takes the palette's.
void frmcoach::followpalette() {
    const QPalette window = palette();
    QPalette colours = txttype->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor ground = window.color(group, QPalette::Base);
        const QColor blue(Qt::blue);
        colours.setColor(group, QPalette::Base, ground);
        colours.setColor(group, QPalette::Text,
                         contrast(ground, blue) >= 4.5
                             ? blue
                             : readabletext(ground, window.color(group, QPalette::Text)));
    }
    txttype->setPalette(colours);
}
