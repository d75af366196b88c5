#include "coach/coachplanner.h"

#include "coach/mistypeddrill.h"
#include "coach/owntextdrill.h"
#include "coach/owntextloader.h"
#include "coach/weakkeysdrill.h"
#include "coach/weakpairsdrill.h"
#include "common/programfolder.h"
#include "common/random.h"
#include "keyboard/keyboardchoice.h"
#include "keyboard/keyboardphysical.h"
#include "keyboard/layoutlanguage.h"
#include "stats/statsrecorder.h"

#include <QFileInfo>
#include <QThread>

#include <cmath>
#include <utility>

// The statistics and the words of the drills' language, read away from the coach's thread.
struct LoadedHistory {
    CoachHistory history;
    LanguageWords words;
    QString trouble;
};

namespace {

// When a language's list can't be had, its letters are taken in this order, English's.
const QString fallbackletters = QStringLiteral("etaoinsrhldcumfpgwybvkxjqz");

const QString readingstatistics = QStringLiteral("Reading the typing statistics...");

} // namespace

CoachPlanner::CoachPlanner(std::function<bool(const QString&)> cantype, QObject* parent)
    : QObject(parent), cantype(std::move(cantype)) {
    // A coachplan.dat or keyboard.dat that must not be written over is left alone.
    QString trouble;
    plan = loadcoachplan(trouble, planunkept);
    target = plan.targetwpm;
    QString keyboardtrouble;
    layoutkept = loadkeyboard(keyboardtrouble, keyboardunkept);
    lastnote = QStringList{trouble, keyboardtrouble}.join(QLatin1Char(' ')).trimmed();
    // A place in an own text that could not be kept is the player's to know.
    connect(&places, &PlaceKeeper::said, this, &CoachPlanner::tell);
}

void CoachPlanner::tell(const QString& text) {
    lastnote = text;
    emit note(text);
}

void CoachPlanner::load(const QString& layout) {
    auto result = std::make_shared<LoadedHistory>();
    historyread = result;
    arrived.clear();
    const QString folder = ::apppath();
    const QString chosen = plan.language;
    if (lastnote.isEmpty())
        tell(readingstatistics);
    // What ends from now on is appended to the file and handed to recordarrived() as well:
    // reading only what is there now takes each record once.
    const qint64 upto = QFileInfo(folder + statsfilename).size();
    // A long stats.dat takes a while to read and tally, and the layouts' registry to read; the
    // window answers meanwhile.
    QThread* worker = QThread::create([result, folder, upto, chosen, layout] {
        result->history = loadcoachhistory(folder, upto);
        QString why;
        result->words = loadlanguagewords(drilllanguage(chosen, layoutlanguage(layout), why));
        result->trouble = result->history.trouble;
        for (const QString& more : {why, result->words.error})
            if (!more.isEmpty())
                result->trouble +=
                    (result->trouble.isEmpty() ? QString() : QStringLiteral(" ")) + more;
    });
    historyworker = worker;
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, &CoachPlanner::takeuphistory);
    worker->start();
    if (!plan.text.isEmpty() && owntext.sentences.isEmpty() && !readingtext)
        loadtext(plan.text, false);
}

void CoachPlanner::finishloading() {
    if (historyworker)
        historyworker->wait();
    takeuphistory();
}

void CoachPlanner::takeuphistory() {
    if (!historyread)
        return;
    history = std::move(historyread->history);
    for (const TypingRecord& record : std::as_const(arrived))
        history.add(record);
    arrived.clear();
    const QString trouble = historyread->trouble;
    LanguageWords list = std::move(historyread->words);
    historyread.reset();
    takeupwords(std::move(list));
    if (!trouble.isEmpty())
        tell(trouble);
    else if (lastnote == readingstatistics)
        tell(firstnote());
    emit historyloaded();
}

std::uint64_t CoachPlanner::drawseed() const {
    return static_cast<std::uint64_t>(rnd() * 9007199254740992.0);
}

KeyStat CoachPlanner::livestat(QChar key) const {
    KeyStat stat = history.keys.stat(key);
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

void CoachPlanner::keepplan() {
    if (!planunkept && !keepcoachplan(plan))
        tell(QStringLiteral("%1 could not be written: what the coach teaches and the text and "
                            "target chosen are not kept.")
                 .arg(coachplanfilename));
}

void CoachPlanner::keep() {
    places.write();
    if (plan.targetwpm == target)
        return;
    plan.targetwpm = target;
    keepplan();
}

void CoachPlanner::keeplayout(const QString& key) {
    if (!keyboardunkept && !keepkeyboard(key))
        tell(QStringLiteral("%1 could not be written: the keyboard chosen is not kept.")
                 .arg(keyboardfilename));
}

void CoachPlanner::settarget(int wpm) {
    target = wpm;
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

void CoachPlanner::takeupwords(LanguageWords list) {
    words.language = list.language;
    words.letters = letterorder(list.words);
    if (words.letters.isEmpty())
        words.letters = QList<QChar>(fallbackletters.cbegin(), fallbackletters.cend());
    words.pairs = pairweights(list.words);
    words.model = DrillWords(std::move(list.words));
    // What this session saw of the keys was of the other language's drills.
    recent.clear();
    toldheld.clear();
    emit languagechanged(words.language);
    showfocus();
}

void CoachPlanner::choosewords(const QString& code) {
    if (code.isEmpty() || code == words.language || drilling())
        return;
    plan.language = code;
    keepplan();
    chosenfocus = QChar();
    LanguageWords list = loadlanguagewords(code);
    tell(list.error);
    takeupwords(std::move(list));
}

void CoachPlanner::followlayout(const QString& layout) {
    // Until the player chooses a language, the words are the keyboard layout's.
    if (!plan.language.isEmpty() || historyread || drilling())
        return;
    QString why;
    const QString code = drilllanguage({}, layoutlanguage(layout), why);
    if (code == words.language)
        return;
    chosenfocus = QChar();
    LanguageWords list = loadlanguagewords(code);
    tell(!list.error.isEmpty() ? list.error : why);
    takeupwords(std::move(list));
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

void CoachPlanner::practise(QChar key) {
    choosekind(DrillKind::WeakKeys);
    chosenfocus = key;
    // Until the statistics and words are read there are no keys in play; their arrival shows it.
    if (!historyread && !drilling())
        showfocus();
}

void CoachPlanner::choosekind(DrillKind kind) {
    if (kind == drillkind)
        return;
    drillkind = kind;
    emit kindchanged(kind);
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
    const QList<QChar> order = keyorder(words.letters, plan.stages);
    const QString stored = plan.inplay.value(words.language);
    QString kept = stored;
    // A key asked for from the statistics joins the keys in play, if the language has it.
    if (!chosenfocus.isNull() && !kept.contains(chosenfocus) && !words.language.isEmpty()) {
        if (order.contains(chosenfocus)) {
            kept.append(chosenfocus);
        } else {
            tell(QStringLiteral("No word to type holds %1.").arg(keyname(chosenfocus)));
            chosenfocus = QChar();
        }
    }
    // A key held back by its slowness or misses holds back no other.
    inplay = ::keysinplay(order, kept, [this](QChar key) {
        return reachedtarget(livestat(key), target) || isheld(key);
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
        told = QStringLiteral("%1 joins the keys in play.").arg(keyname(joined.front()));
        // The first time a key is held, the coach says why the next one joined all the same.
        for (QChar key : std::as_const(inplay))
            if (isheld(key) && !toldheld.contains(key)) {
                told = heldsentence(key, livestat(key), target, joined.front());
                toldheld.append(key);
                break;
            }
    } else if (!joined.isEmpty()) {
        told = QStringLiteral("%1 join the keys in play.").arg(joined);
    }
    const auto judged = [this](QChar key) { return confidenceof(key); };
    QChar first = chosenfocus;
    if (first.isNull() || !inplay.contains(first))
        first = nextfocus(inplay, plan.tries.value(words.language), judged, [this](QChar key) {
            return fellbehind(recent.value(key), confidenceof(key));
        });
    keys = choosefocus(inplay, judged, first);
    proposetarget(told);
    if (!told.isEmpty())
        tell(told);
    emit focuschanged(keys.focus.isNull() ? QString() : keyname(keys.focus));
    emit keyschanged(order, inplay, keys.focus);
    QList<QChar> used;
    if (!keys.focus.isNull())
        used << keys.focus << keys.others;
    emit barschanged(used);
}

bool CoachPlanner::isheld(QChar key) const {
    return !reachedtarget(livestat(key), target) &&
           held(plan.tries.value(words.language).value(key));
}

QString CoachPlanner::helddescription(QChar key) const {
    return isheld(key) ? ::helddescription(key, livestat(key), target) : QString();
}

void CoachPlanner::proposetarget(QString& told) {
    QList<KeyStat> stats;
    for (QChar key : std::as_const(inplay))
        stats.append(livestat(key));
    const std::optional<int> fits = fittingtarget(stats, target);
    if (fits == proposal)
        return;
    proposal = fits;
    emit targetproposed(fits.value_or(0));
    if (fits)
        told += (told.isEmpty() ? QString() : QStringLiteral(" ")) +
                QStringLiteral("Most keys in play are slower than %1 WPM: %2 WPM fits your typing "
                               "now, and \"Use %2 WPM\" makes it the target.")
                    .arg(target)
                    .arg(*fits);
}

void CoachPlanner::tally(const TypingRecord& record, QChar focus) {
    if (words.language.isEmpty())
        return;
    TriesByKey& counted = tries();
    const TriesByKey was = counted;
    tallyrecord(
        counted, inplay,
        [this](QChar key) { return reachedtarget(history.keys.stat(key), target); },
        record.counts.expected, focus);
    if (counted != was)
        keepplan();
}

QString CoachPlanner::firstnote() const {
    if (history.drills > 0)
        return {};
    return QStringLiteral("The coach brings in the letters of your words one by one, the most "
                          "frequent first: a new one joins when every key in play reaches the "
                          "target speed. Each drill trains the weakest key in play; press Start.");
}

QString CoachPlanner::drillsummary(QChar key, double before, double after) const {
    const QList<QChar> order = keyorder(words.letters, plan.stages);
    const QString text = QStringLiteral("%1: confidence %2 % before, %3 % after. Keys in play: %4 "
                                        "of %5.")
                             .arg(keyname(key))
                             .arg(qRound(before * 100))
                             .arg(qRound(after * 100))
                             .arg(inplay.size())
                             .arg(order.size());
    if (after >= 1)
        return text + QStringLiteral(" %1 has reached the target.").arg(keyname(key));
    const QString ahead = forecast(key, recent.value(key), target);
    return ahead.isEmpty() ? text : text + QLatin1Char(' ') + ahead;
}

void CoachPlanner::loadtext(const QString& path, bool chosen) {
    tell(QStringLiteral("Reading %1...").arg(QFileInfo(path).fileName()));
    emit textreading(true);
    readingtext = true;
    loadowntextaside(path, this, [this, chosen](LoadedText& result) { textread(result, chosen); });
}

void CoachPlanner::textread(LoadedText& result, bool chosen) {
    readingtext = false;
    if (!result.text.error.isEmpty()) {
        tell(result.text.error);
    } else {
        owntext = std::move(result.text);
        emit textloaded(QFileInfo(owntext.path).fileName(), chosen);
        tell(QString());
        if (!drilling())
            showfocus();
        // The text kept from the last time waits in hand; one the player just chose is next.
        if (chosen) {
            choosekind(DrillKind::OwnText);
            plan.text = owntext.path;
            keepplan();
        }
    }
    emit textreading(false);
}

void CoachPlanner::setrecorder(StatsRecorder* newrecorder) {
    if (recorder == newrecorder)
        return;
    if (recorder)
        disconnect(recorder, nullptr, this, nullptr);
    recorder = newrecorder;
    if (recorder)
        connect(recorder, &StatsRecorder::recorded, this, &CoachPlanner::recordarrived);
}

void CoachPlanner::recordarrived(const TypingRecord& record) {
    if (recordingown)
        return;
    if (historyread) {
        arrived.append(record);
        return;
    }
    history.add(record);
    tally(record);
    // The bars show the drill's keys during a drill; its end shows the new focus.
    if (!drilling())
        showfocus();
}

std::unique_ptr<Drill> CoachPlanner::chosendrill() {
    switch (drillkind) {
    case DrillKind::Mistyped:
        return std::make_unique<MistypedDrill>(history.mistyped, drawseed(), history.evermistyped);
    case DrillKind::OwnText:
        return std::make_unique<OwnTextDrill>(owntext, readingtext, places);
    case DrillKind::WeakPairs:
        return std::make_unique<WeakPairsDrill>(
            buildpairdrill(words.model.words(), history.pairs, words.pairs, inplay, drawseed()));
    case DrillKind::WeakKeys:
        break;
    }
    return std::make_unique<WeakKeysDrill>(
        words.model, keys, inplay, drawseed(),
        KeyJudge{[this](QChar key) { return livestat(key); }, [this] { return target; }});
}

void CoachPlanner::start() {
    if (historyread) {
        tell(QStringLiteral("The typing statistics are still being read."));
        return;
    }
    showfocus();
    std::unique_ptr<Drill> chosen = chosendrill();
    tell(chosen->start());
    if (chosen->finished())
        return;
    // Taken before the drill is in hand: the figures then would count the last drill twice.
    focusbefore = confidence(history.keys.stat(keys.focus), target);
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
            tell(QStringLiteral("Skipped %1: not on this keyboard.").arg(shown.skipped));
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
    if (!wrongkey && history.mistyped.contains(entry) && !cleared.contains(entry))
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

void CoachPlanner::stopdrill(bool completed) {
    const QString level = running->level();
    TypingRecord record =
        session.finish(QStringLiteral("Drill"), level,
                       completed ? QStringLiteral("Completed") : QStringLiteral("Stopped"));
    record.cleared = cleared;
    cleared.clear();
    QList<PairStanding> drilledpairs;
    if (const auto* pairs = dynamic_cast<const WeakPairsDrill*>(running.get()))
        drilledpairs = pairs->pairs();
    running.reset();
    const QChar drilled = keys.focus;
    history.add(record);
    const bool weak = level == weakkeysname;
    const double after = confidence(history.keys.stat(drilled), target);
    const KeyTime timed = record.counts.keytime.value(drilled);
    const std::int64_t due = record.counts.expected.value(drilled);
    if (weak && completed && timed.count > 0 && due > 0) {
        QList<FocusDrill>& drills = recent[drilled];
        drills.append({after, static_cast<double>(timed.milliseconds) / timed.count,
                       static_cast<double>(record.counts.missed.value(drilled)) / due});
        if (drills.size() > trenddrills)
            drills.removeFirst();
    }
    tally(record, weak && completed ? drilled : QChar());
    places.write();
    emit clearbox();
    emit entrychanged(QString());
    shownnext.clear();
    emit nextcharacter(QString());
    emit drillstopped();
    const QString told = lastnote;
    chosenfocus = QChar();
    showfocus();
    if (lastnote == told || lastnote.isEmpty())
        tell(told);
    if (record.counts.tally.charstyped > 0) {
        // The figures end as the record keeps them, the time up to Stop included.
        const int wpm = qRound(wordsperminute(record.counts.tally));
        const int percent = qRound(accuracypercent(record.counts.tally));
        emit figures(wpm, percent);
        QString more;
        if (weak)
            more = drillsummary(drilled, focusbefore, after);
        else if (level == weakpairsname)
            more = pairsmoved(drilledpairs, history.pairs);
        emit summary(QStringLiteral("%1 WPM, %2 % accurate. ").arg(wpm).arg(percent) + more);
    }
    QPointer<CoachPlanner> alive(this);
    // The recorder leaves out a drill in which nothing was typed. The record it hands back is
    // in the history already.
    recordingown = true;
    if (recorder)
        recorder->record(record);
    if (alive)
        recordingown = false;
}
