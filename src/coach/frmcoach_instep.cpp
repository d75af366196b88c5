// The coach in step with the rest of the game: records that end elsewhere, keys asked for from
// the statistics, the X server's keymap, the theme, and what it keeps between runs.
#include "coach/frmcoach.h"

#include "common/accessibility.h"
#include "keyboard/keyboardchooser.h"
#include "keyboard/keyboardcolours.h"
#include "keyboard/keyboardphysical.h"
#include "keyboard/keyboardview.h"
#include "stats/statsrecorder.h"

#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

frmcoach::~frmcoach() {
    places.write();
    keepsettings();
}

void frmcoach::setrecorder(StatsRecorder* newrecorder) {
    if (recorder == newrecorder)
        return;
    if (recorder)
        disconnect(recorder, nullptr, this, nullptr);
    recorder = newrecorder;
    if (recorder)
        connect(recorder, &StatsRecorder::recorded, this, &frmcoach::recordarrived);
}

void frmcoach::recordarrived(const TypingRecord& record) {
    if (recordingown)
        return;
    if (historyread) {
        arrived.append(record);
        return;
    }
    history.add(record);
    // The bars show the drill's keys during a drill; its end shows the new focus.
    if (!drilling())
        showfocus();
}

void frmcoach::practise(QChar key) {
    optweak->setChecked(true);
    chosenfocus = key;
    // Until the statistics and words are read there are no keys in play; their arrival shows it.
    if (!historyread && !drilling())
        showfocus();
}

void frmcoach::restoresettings() {
    targetspeed->setValue(plan.targetwpm);
}

void frmcoach::keepsettings() {
    if (plan.targetwpm == targetspeed->value())
        return;
    plan.targetwpm = targetspeed->value();
    keepplan();
}

void frmcoach::systemkeymapchanged() {
    if (chooser.systemchosen()) {
        keyboard->setlayout(chooser.load());
        followlayout();
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
