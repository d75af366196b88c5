// The coach's planner: which keys are in play and which the next drill trains, the keys held,
// and the target offered.
#include "coach/coachplanner.h"

#include "coach/weakpairsdrill.h"
#include "keyboard/keyboardphysical.h"

#include <QCoreApplication>

QString namelist(QStringList names) {
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return QCoreApplication::translate("CoachPlanner", "%1 and %2")
        .arg(names.join(QStringLiteral(", ")), last);
}

QString keylist(const QString& keys) {
    QStringList names;
    for (QChar key : keys)
        names.append(keyname(key));
    return namelist(names);
}

namespace {

// After this many drills in a row in which most keys sat at the target or below, the coach
// offers a target they fit.
constexpr int lowdrillsbeforeoffer = 3;

} // namespace

KeyStat CoachPlanner::livestat(QChar key) const {
    KeyStat stat = keyhistory().stat(key);
    if (drilling()) {
        // The drill in hand counts as the record it will make.
        const KeystrokeCounts& counts = session.counts();
        const KeyTime time = counts.keytime.value(key);
        stat.addrecord(counts.expected.value(key), counts.missed.value(key), time.milliseconds,
                       time.count);
    }
    return stat;
}

double CoachPlanner::confidenceof(QChar key) const {
    return confidence(livestat(key), target);
}

bool CoachPlanner::reached(QChar key) const {
    return attarget(confidenceof(key));
}

void CoachPlanner::showfocus() {
    // A key asked for from the statistics turns on the stage that teaches it.
    if (!chosenfocus.isNull() && !drilling()) {
        const Stages needed = withstageof(chosenfocus, words.letters, plan.stages);
        if (!(needed == plan.stages)) {
            plan.stages = needed;
            emit stageschanged(needed);
            keepplan();
        }
    }
    QList<QChar> order = keyorder(words.letters, plan.stages);
    // A symbol the keyboard can't type is said once and left out.
    QString unreachable;
    order.removeIf([&](QChar key) {
        const bool out = programmersymbols.contains(key) && !cantype(QString(key));
        if (out)
            unreachable.append(key);
        return out;
    });
    const QString stored = plan.inplay.value(words.language);
    QString kept = stored;
    // A key asked for from the statistics joins the keys in play, if the language has it.
    if (!chosenfocus.isNull() && !kept.contains(chosenfocus) && !words.language.isEmpty()) {
        if (order.contains(chosenfocus)) {
            kept.append(chosenfocus);
        } else {
            tell(tr("No word to type holds %1.").arg(keyname(chosenfocus)));
            chosenfocus = QChar();
        }
    }
    // A key held back by its slowness or misses holds back no other, nor does one left out.
    const QString left = leftout();
    inplay = ::keysinplay(order, kept, [this, &left](QChar key) {
        return reached(key) || isheld(key) || left.contains(key);
    });
    // Keys once in play stay in play; those of a stage turned off wait in the plan.
    QString keep = kept;
    QString joined;
    for (QChar key : std::as_const(inplay))
        if (!keep.contains(key)) {
            keep.append(key);
            if (!kept.isEmpty())
                joined.append(key);
        }
    if (!words.language.isEmpty() && keep != stored) {
        plan.inplay.insert(words.language, keep);
        keepplan();
    }
    toldheld.removeIf([this](QChar key) { return !isheld(key); });
    QString told;
    if (joined.size() == 1) {
        told = tr("%1 joins the keys in play.").arg(keyname(joined.front()));
        // The first time a key is held, the coach says why the next one joined all the same.
        for (QChar key : std::as_const(inplay))
            if (isheld(key) && !toldheld.contains(key)) {
                told = heldsentence(key, livestat(key), target, joined.front());
                toldheld.append(key);
                break;
            }
    } else if (!joined.isEmpty()) {
        told = tr("%1 join the keys in play.", nullptr, static_cast<int>(joined.size()))
                   .arg(keylist(joined));
    }
    if (!unreachable.isEmpty() && unreachable != toldunreachable)
        told = QStringList{(unreachable.size() == 1
                                ? tr("%1 can't be typed on this keyboard, so the Symbols stage "
                                     "leaves it out.")
                                : tr("%1 can't be typed on this keyboard, so the Symbols stage "
                                     "leaves them out."))
                               .arg(keylist(unreachable)),
                           told}
                   .join(QLatin1Char(' '))
                   .trimmed();
    toldunreachable = unreachable;
    const auto judged = [this](QChar key) { return confidenceof(key); };
    // A key asked for from the statistics, then the one the player chose in the coach.
    const QString usable = drillable();
    QChar first = chosenfocus;
    if (first.isNull() || !usable.contains(first))
        first = chosenkey();
    if (first.isNull() || !usable.contains(first))
        first = nextfocus(
            usable, plan.tries.value(words.language), judged,
            [this](QChar key) { return reached(key); },
            [this](QChar key) {
                return fellbehind(plan.tries.value(words.language).value(key), confidenceof(key));
            });
    keys = choosefocus(usable, judged, first);
    keys.mixed = mixedwith(keys.focus, records().book.instead(), usable);
    proposetarget(told);
    if (!told.isEmpty())
        tell(told);
    emit focuschanged(keys.focus.isNull() ? QString() : keyname(keys.focus));
    emit keyschanged(order, inplay, keys.focus);
    QList<QChar> used;
    QStringList pairs;
    if (drillkind == DrillKind::WeakPairs) {
        // The pairs the drill will train, said before Start; its words are drawn then.
        const WeakPairsDrill ahead(buildpairdrill(
            words.model.words(), records().pairsof(plan.learning), words.pairs, usable, 0, target));
        for (const PairStanding& s : ahead.pairs())
            pairs << pairname(s.pair);
        used = ahead.keys();
    } else if (!keys.focus.isNull()) {
        used << keys.focus << keys.others;
        if (!keys.mixed.isNull() && !used.contains(keys.mixed))
            used << keys.mixed;
    }
    emit pairschanged(namelist(pairs));
    emit barschanged(used);
}

bool CoachPlanner::isheld(QChar key) const {
    return !reached(key) && held(plan.tries.value(words.language).value(key));
}

QString CoachPlanner::helddescription(QChar key) const {
    return isheld(key) ? ::helddescription(key, livestat(key), target,
                                           plan.tries.value(words.language).value(key))
                       : QString();
}

void CoachPlanner::proposetarget(QString& told) {
    QList<KeyStat> stats;
    for (QChar key : std::as_const(inplay))
        stats.append(livestat(key));
    std::optional<int> fits = fittingtarget(stats, target);
    QString why = tr("Most keys in play are slower than %1 WPM").arg(target);
    if (!fits && lowdrills >= lowdrillsbeforeoffer) {
        fits = fittingtarget(stats, target, true);
        why = tr("Most keys in play have sat at %1 WPM or below for %2 drills")
                  .arg(target)
                  .arg(lowdrills);
    }
    // An offer stays until the player answers it, its speed following the typing.
    if (!fits || fits == proposal)
        return;
    proposal = fits;
    emit targetproposed(*fits);
    told += (told.isEmpty() ? QString() : QStringLiteral(" ")) +
            tr("%1: %2 WPM fits your typing now, and \"Use %2 WPM\" makes it the "
               "target.")
                .arg(why)
                .arg(*fits);
}

void CoachPlanner::tally(const TypingRecord& record, QChar focus) {
    if (words.language.isEmpty())
        return;
    TriesByKey& counted = tries();
    const TriesByKey was = counted;
    tallyrecord(
        counted, inplay, [this](QChar key) { return reached(key); }, record.counts.expected, focus);
    if (counted != was)
        keepplan();
}
