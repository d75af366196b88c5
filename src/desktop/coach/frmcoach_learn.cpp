// The layout learnt on the keyboard the player has: its chooser, and the typing box and drawing
// that follow it.
#include "coach/frmcoach.h"
#include "common/controls.h"

#include "keyboard/keyboardchoice.h"
#include "keyboard/keyboardview.h"
#include "keyboard/learnttyping.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

KeyboardLayout frmcoach::drawnlayout(const QString& learnt) const {
    return learnt.isEmpty() ? chooser.load() : layoutofchoice(learnt);
}

void frmcoach::buildlearn() {
    learnbox = captionedbox(this, tr("Layout to learn:"), "lbllearn", "learnbox", lbllearn);
    learnable = learnchoices(xkblayoutnames());
    for (const LearnChoice& choice : std::as_const(learnable))
        learnbox->addItem(choice.caption, choice.key);
    learntyping = new LearntTyping(txttype);
    connect(learntyping, &LearntTyping::deadkey, keyboard, [this] { keyboard->steptoletter(); });
    // A layout kept from the last time that this system no longer has is learnt no more; its
    // keys and history wait in the plan.
    const QString kept = planner->learning();
    const int row = learnrow(learnable, kept);
    if (row > 0 && learntyping->learn(kept)) {
        learnbox->setCurrentIndex(row);
    } else {
        learnbox->setCurrentIndex(0);
        if (!kept.isEmpty())
            planner->learn(QString(), chooser.load().description());
    }
    keyboard->setlayout(drawnlayout(planner->learning()));
    connect(learnbox, &QComboBox::currentIndexChanged, this, &frmcoach::learnchosen);
}

void frmcoach::learnchosen(int row) {
    if (row < 0 || row >= learnable.size() || drilling())
        return;
    const LearnChoice& choice = learnable[row];
    if (!learntyping->learn(choice.key)) {
        planner->announce(tr("%1 can't be compiled on this system, so it can't be learnt here.")
                              .arg(choice.caption));
        const QSignalBlocker quiet(learnbox);
        learnbox->setCurrentIndex(learnrow(learnable, planner->learning()));
        return;
    }
    keyboard->setlayout(drawnlayout(choice.key));
    planner->learn(choice.key, keyboard->layout().description());
}
