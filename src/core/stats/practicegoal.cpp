#include "stats/practicegoal.h"

#include "common/textfile.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace {

constexpr char tag[] = "keystrider-goal";
const QString dayformat = QStringLiteral("yyyy-MM-dd");
// A day and a number of minutes are a few characters; a field any longer is none of ours,
// though a later version may keep a longer one.
constexpr qsizetype longestfield = 4096;

} // namespace

bool possiblegoal(std::int64_t minutes) {
    return minutes >= leastgoal && minutes <= mostgoal && minutes % goalstep == 0;
}

int GoalHistory::on(QDate day) const {
    const auto after = std::upper_bound(list.cbegin(), list.cend(), day,
                                        [](QDate d, const GoalChange& c) { return d < c.from; });
    return after == list.cbegin() ? firstgoal : std::prev(after)->minutes;
}

void GoalHistory::set(QDate day, int minutes) {
    if (!day.isValid() || !possiblegoal(minutes))
        return;
    auto at = std::lower_bound(list.begin(), list.end(), day,
                               [](const GoalChange& c, QDate d) { return c.from < d; });
    if (at != list.end() && at->from == day)
        at = list.erase(at);
    // A goal that is already in force needs no change of its own.
    const int before = at == list.begin() ? firstgoal : std::prev(at)->minutes;
    if (minutes != before)
        list.insert(at, {day, minutes});
    // A goal kept for a later day (the clock was set back since) stays as it is, even where it
    // now repeats this one: a goal set later still leaves that day's as it was.
}

GoalHistory::GoalHistory(QList<GoalChange> changes) {
    // In the order of their days, the last set on a day holding; sorted once, each then comes
    // at the end, so a long file costs no more than its length.
    std::stable_sort(changes.begin(), changes.end(),
                     [](const GoalChange& a, const GoalChange& b) { return a.from < b.from; });
    for (qsizetype i = 0; i < changes.size(); ++i)
        if (i + 1 == changes.size() || changes[i + 1].from != changes[i].from)
            list.append(changes[i]);
}

namespace {

// "2026-12-08" as goalsline() writes it.
QDate readday(QStringView v) {
    int parts[3] = {};
    const int widths[3] = {4, 2, 2};
    qsizetype at = 0;
    for (int p = 0; p < 3; ++p) {
        if (p > 0 && (at >= v.size() || v[at++] != u'-'))
            return {};
        for (int i = 0; i < widths[p]; ++i, ++at) {
            if (at >= v.size() || v[at] < u'0' || v[at] > u'9')
                return {};
            parts[p] = parts[p] * 10 + (v[at].unicode() - u'0');
        }
    }
    return at == v.size() ? QDate(parts[0], parts[1], parts[2]) : QDate();
}

} // namespace

Reading readgoals(QByteArrayView bytes, GoalHistory& goals) {
    SettingsLine line(bytes, QLatin1String(tag), 1, longestfield);
    const QStringList& fields = line.fields();
    QList<GoalChange> read;
    for (qsizetype i = 0; i < fields.size();) {
        // A name this version does not know is skipped with its value.
        const qsizetype width = fields[i] == QLatin1String("goal") ? 3 : 2;
        if (i + width > fields.size()) {
            line.damaged();
            break;
        }
        if (width == 3) {
            // A goal on no day, or of no step the spin box offers, is dropped alone; one out of
            // range is taken as the nearest there is.
            const QDate day = readday(fields[i + 1]);
            int minutes = 0;
            if (!day.isValid() || !line.number(fields[i + 2], leastgoal, mostgoal, minutes) ||
                !possiblegoal(minutes))
                line.damaged();
            else
                read.append({day, minutes});
        }
        i += width;
    }
    goals = GoalHistory(std::move(read));
    return line.reading();
}

QByteArray goalsline(const GoalHistory& goals) {
    LineWriter line;
    line.text(QLatin1String(tag)).number(1);
    for (const GoalChange& change : goals.changes())
        line.text(QStringLiteral("goal"))
            .text(change.from.toString(dayformat))
            .number(change.minutes);
    return line.line();
}

const SettingsFile& goalfile() {
    static const SettingsFile file{
        goalfilename, largestgoalfile,
        QCoreApplication::translate("PracticeGoal", "the practice goal is not kept"),
        judgeby(readgoals)};
    return file;
}

KeptGoals keptgoals() {
    KeptGoals kept;
    const SettingsRead read = readsettings(
        goalfile(), [&kept](QByteArrayView bytes) { return readgoals(bytes, kept.goals); },
        [&kept] { return goalsline(kept.goals); });
    kept.trouble = read.said;
    kept.unkept = read.unkept;
    // A goal set in this run that could not be kept still holds in every window until the end.
    if (kept.unkept)
        if (const std::optional<GoalHistory> set = GoalNews::instance()->lastset())
            kept.goals = *set;
    return kept;
}

bool keepgoals(const GoalHistory& goals) {
    return keepsettings(goalfile(), goalsline(goals)).written;
}

GoalNews* GoalNews::instance() {
    // Made on first use and gone with the application.
    static QPointer<GoalNews> news;
    if (!news)
        news = new GoalNews(QCoreApplication::instance());
    return news;
}
