#include "coach/coachplanner.h"

#include "keyboard/keyboardchoice.h"
#include "stats/statsrecorder.h"

CoachPlanner::CoachPlanner(std::function<bool(const QString&)> cantype, QObject* parent)
    : QObject(parent), cantype(std::move(cantype)), history(TypingHistory::shared()) {
    // A coachplan.dat or keyboard.dat that must not be written over is left alone.
    QString trouble;
    plan = loadcoachplan(trouble, planunkept);
    target = plan.targetwpm;
    QString keyboardtrouble;
    layoutkept = loadkeyboard(keyboardtrouble, keyboardunkept);
    lastnote = QStringList{trouble, keyboardtrouble}.join(QLatin1Char(' ')).trimmed();
    // A place in an own text that could not be kept is the player's to know.
    connect(&places, &PlaceKeeper::said, this, &CoachPlanner::tell);
    connect(history, &TypingHistory::loaded, this, &CoachPlanner::takeuphistory);
    connect(history, &TypingHistory::added, this, &CoachPlanner::recordarrived);
}

void CoachPlanner::tell(const QString& text) {
    lastnote = text;
    emit note(text);
}

void CoachPlanner::announce(const QString& text) {
    if (ending)
        announced = text;
    else
        tell(text);
}

void CoachPlanner::keepplan() {
    if (!planunkept && !keepcoachplan(plan))
        tell(tr("%1 could not be written: what the coach teaches and the text and "
                "target chosen are not kept.")
                 .arg(coachplanfilename));
}

void CoachPlanner::keep() {
    places.write();
}

void CoachPlanner::learn(const QString& key, const QString& description) {
    if (key == plan.learning || drilling())
        return;
    plan.learn(key);
    keepplan();
    // What this session saw of the keys, and the offer, were of the other layout.
    chosenfocus = QChar();
    recent.clear();
    toldheld.clear();
    lowdrills = 0;
    if (proposal) {
        proposal.reset();
        emit targetproposed(0);
    }
    target = plan.targetwpm;
    // Before the words are read the keys wait for them; their arrival shows them.
    if (loading() || words.language.isEmpty()) {
        emit targetchanged(target);
        return;
    }
    const QString was = words.language;
    const QString before = lastnote;
    followlayout(description);
    const QString changed = lastnote != before ? lastnote : QString();
    if (words.language == was)
        showfocus();
    // Told once the words are the layout's: the window's target shows the keys at once.
    emit targetchanged(target);
    if (!key.isEmpty())
        tell(QStringList{tr("You learn %1: each key types what it types there, by its place on "
                            "your keyboard, and the keys in play, target and history are its own.")
                             .arg(description),
                         changed}
                 .join(QLatin1Char(' '))
                 .trimmed());
}

void CoachPlanner::keeplayout(const QString& key) {
    if (!keyboardunkept && !keepkeyboard(key))
        tell(tr("%1 could not be written: the keyboard chosen is not kept.").arg(keyboardfilename));
}

void CoachPlanner::settarget(int wpm) {
    if (wpm != target) {
        // An offer is answered by a target the player sets.
        lowdrills = 0;
        if (proposal) {
            proposal.reset();
            emit targetproposed(0);
        }
    }
    target = wpm;
    // Kept the moment it changes, as every setting of the coach: a game ended by a crash or a
    // kill keeps it too.
    if (plan.targetwpm != wpm) {
        plan.targetwpm = wpm;
        keepplan();
    }
    if (!drilling())
        showfocus();
}

void CoachPlanner::takeproposal() {
    if (!proposal || drilling())
        return;
    const int wpm = *proposal;
    settarget(wpm);
    emit targetchanged(wpm);
}

void CoachPlanner::choosestages(Stages chosen) {
    plan.stages = chosen;
    keepplan();
    showfocus();
}

void CoachPlanner::pickfocus(QChar key) {
    if (drilling() || key == keys.focus)
        return;
    chosenfocus = key;
    showfocus();
}

void CoachPlanner::keepfocus(QChar key) {
    if (drilling() || key.isNull() || words.language.isEmpty())
        return;
    if (chosenkey() == key) {
        plan.focus.remove(words.language);
    } else {
        plan.focus.insert(words.language, key);
        if (plan.leftout.contains(words.language)) {
            QString& left = plan.leftout[words.language];
            left.remove(key);
            if (left.isEmpty())
                plan.leftout.remove(words.language);
        }
    }
    chosenfocus = QChar();
    keepplan();
    showfocus();
}

void CoachPlanner::leaveout(QChar key, bool out) {
    if (drilling() || key.isNull() || words.language.isEmpty() || leftout().contains(key) == out)
        return;
    QString& left = plan.leftout[words.language];
    if (out) {
        left.append(key);
        if (chosenkey() == key)
            plan.focus.remove(words.language);
        if (chosenfocus == key)
            chosenfocus = QChar();
    } else {
        left.remove(key);
    }
    if (left.isEmpty())
        plan.leftout.remove(words.language);
    keepplan();
    showfocus();
}

void CoachPlanner::practise(QChar key) {
    choosekind(DrillKind::WeakKeys);
    chosenfocus = key;
    // Until the statistics and words are read there are no keys in play; their arrival shows it.
    if (!loading() && !drilling())
        showfocus();
}

void CoachPlanner::choosekind(DrillKind kind) {
    if (kind == drillkind)
        return;
    drillkind = kind;
    emit kindchanged(kind);
    // The weak-pairs drill says its pairs before Start, the others their focus key.
    if (!drilling() && !loading() && !words.language.isEmpty())
        showfocus();
}

void CoachPlanner::setrecorder(StatsRecorder* newrecorder) {
    recorder = newrecorder;
}
