// The coach's planner: the drill chosen, and the drill in hand as it is typed.
#include "coach/coachplanner.h"

#include "coach/mistypeddrill.h"
#include "coach/owntextdrill.h"
#include "coach/weakkeysdrill.h"
#include "coach/weakpairsdrill.h"
#include "common/random.h"

std::uint64_t CoachPlanner::drawseed() const {
    return static_cast<std::uint64_t>(rnd() * 9007199254740992.0);
}

std::unique_ptr<Drill> CoachPlanner::chosendrill() {
    switch (drillkind) {
    case DrillKind::Mistyped:
        return std::make_unique<MistypedDrill>(records().mistyped, drawseed(),
                                               records().evermistyped);
    case DrillKind::OwnText:
        return std::make_unique<OwnTextDrill>(owntext, readingtext, places);
    case DrillKind::WeakPairs:
        return std::make_unique<WeakPairsDrill>(
            buildpairdrill(words.model.words(), records().pairsof(plan.learning), words.pairs,
                           drillable(), drawseed(), target));
    case DrillKind::WeakKeys:
        break;
    }
    return std::make_unique<WeakKeysDrill>(words.model, keys, drillable(), drawseed(),
                                           KeyJudge{[this](QChar key) { return livestat(key); },
                                                    [this] { return target; },
                                                    [this](QChar key) { return reached(key); }});
}

void CoachPlanner::start() {
    if (loading()) {
        tell(tr("The typing statistics are still being read."));
        return;
    }
    showfocus();
    std::unique_ptr<Drill> chosen = chosendrill();
    tell(chosen->start());
    if (chosen->finished())
        return;
    // Taken before the drill is in hand: the figures then would count the last drill twice.
    focusbefore = confidence(keyhistory().stat(keys.focus), target);
    focusheld = isheld(keys.focus);
    running = std::move(chosen);
    cleared.clear();
    session.start();
    emit drillstarted();
    showfigures();
    showentry();
}

void CoachPlanner::showentry() {
    // An entry is shown as the keyboard can type it; one it can't type at all is passed by.
    for (;;) {
        shown = typeableentry(running->entry(), cantype);
        if (!shown.skipped.isEmpty())
            tell(tr("Skipped %1: not on this keyboard.").arg(shown.skipped));
        if (!shown.entry.isEmpty())
            break;
        running->typed(false);
        if (running->finished()) {
            stopdrill(true);
            return;
        }
    }
    emit entrychanged(shown.entry);
    wrongatentry = session.counts().tally.wrong;
    emit barschanged(running->keys());
    // Every entry starts in an empty box, as the drill does.
    typed(QString());
}

void CoachPlanner::typed(const QString& box) {
    if (!drilling())
        return;
    const QString entry = shown.entry;
    const QString text = shown.accepted(box);
    const bool matched = session.changed(entry, text);
    const qsizetype next = text.size();
    const bool onway = entry.startsWith(text);
    const QString nextchar = onway && next < entry.size() ? QString(entry[next]) : QString();
    if (nextchar != shownnext) {
        shownnext = nextchar;
        emit nextcharacter(nextchar);
    }
    if (matched)
        entrydone(session.counts().tally.wrong > wrongatentry);
    else
        showfigures(onway ? next : rightstart(text, entry));
}

void CoachPlanner::correctionkey() {
    if (drilling())
        session.correctionkey();
}

void CoachPlanner::correctionretracted() {
    if (drilling())
        session.correctionretracted();
}

void CoachPlanner::showfigures(qsizetype inhand) {
    const TypingTally sofar = session.sofar();
    emit figures(qRound(livewordsperminute(sofar, inhand)), qRound(accuracypercent(sofar)));
}

void CoachPlanner::entrydone(bool wrongkey) {
    emit clearbox();
    const QString entry = running->entry();
    if (!wrongkey && records().mistyped.contains(entry) && !cleared.contains(entry))
        cleared.append(entry);
    const QString told = running->typed(wrongkey);
    if (!told.isEmpty())
        tell(told);
    showfigures();
    if (running->finished())
        stopdrill(true);
    else
        showentry();
}
