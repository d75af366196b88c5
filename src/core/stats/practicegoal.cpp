#include "stats/practicegoal.h"

#include "common/bytelines.h"
#include "common/filereading.h"
#include "common/filewriting.h"
#include "common/number.h"
#include "common/programfolder.h"
#include "common/textfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>

namespace {

constexpr char tag[] = "keystrider-goal";
const QString dayformat = QStringLiteral("yyyy-MM-dd");

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
        at = list.insert(at, {day, minutes}) + 1;
    // Nor does a later one that now repeats it.
    if (at != list.end() && at->minutes == minutes)
        list.erase(at);
}

namespace {

// "2026-12-08" as goalsline() writes it, read straight from its bytes: a file may hold a goal
// for every day of a century.
QDate readday(QByteArrayView v) {
    int parts[3] = {};
    const int widths[3] = {4, 2, 2};
    qsizetype at = 0;
    for (int p = 0; p < 3; ++p) {
        if (p > 0 && (at >= v.size() || v[at++] != '-'))
            return {};
        for (int i = 0; i < widths[p]; ++i, ++at) {
            if (at >= v.size() || v[at] < '0' || v[at] > '9')
                return {};
            parts[p] = parts[p] * 10 + (v[at] - '0');
        }
    }
    return at == v.size() ? QDate(parts[0], parts[1], parts[2]) : QDate();
}

} // namespace

std::optional<GoalHistory> readgoals(QByteArrayView bytes) {
    QByteArrayView line;
    nextline(bytes, line);
    FieldReader reader(line.toByteArray());
    QList<QByteArrayView> fields;
    QByteArrayView field;
    while (reader.nextbytes(field))
        fields.append(field);
    if (reader.unclosedquote() || fields.size() < 2 || fields[0] != tag || fields[1] != "1")
        return std::nullopt;
    QList<GoalChange> read;
    for (qsizetype i = 2; i < fields.size();) {
        if (fields[i] != "goal") {
            // A name this version does not know is skipped with its value.
            if (i + 1 >= fields.size())
                return std::nullopt;
            i += 2;
            continue;
        }
        if (i + 2 >= fields.size())
            return std::nullopt;
        const QDate day = readday(fields[i + 1]);
        std::int64_t minutes = 0;
        if (!day.isValid() ||
            filenumber(fields[i + 2], leastgoal, mostgoal, minutes) != FileNumber::Whole ||
            !possiblegoal(minutes))
            return std::nullopt;
        read.append({day, static_cast<int>(minutes)});
        i += 3;
    }
    // In the order of their days, the last set on a day holding; once sorted each is set at the
    // end, so a long file costs no more than its length.
    std::stable_sort(read.begin(), read.end(),
                     [](const GoalChange& a, const GoalChange& b) { return a.from < b.from; });
    GoalHistory goals;
    for (qsizetype i = 0; i < read.size(); ++i)
        if (i + 1 == read.size() || read[i + 1].from != read[i].from)
            goals.set(read[i].from, read[i].minutes);
    return goals;
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

KeptGoals keptgoals() {
    KeptGoals kept;
    QByteArray bytes;
    const QString path = ::apppath() + goalfilename;
    const FileRead read = readfile(path, largestgoalfile, bytes);
    if (read.missing())
        return kept;
    if (!read.ok()) {
        kept.trouble =
            read.message(goalfilename) + QStringLiteral(" The practice goal is not kept.");
        kept.unkept = true;
        return kept;
    }
    if (const std::optional<GoalHistory> goals = readgoals(bytes)) {
        kept.goals = *goals;
        return kept;
    }
    // Kept aside for the player to mend, and a fresh file in its place, so the goal set from now
    // on is kept again.
    const QString aside = keepdamaged(path, bytes);
    if (aside.isEmpty() || !keepgoals({})) {
        kept.trouble = QStringLiteral("%1 is damaged and could not be set aside: the practice "
                                      "goal is not kept.")
                           .arg(goalfilename);
        kept.unkept = true;
        return kept;
    }
    kept.trouble = QStringLiteral("%1 was damaged: it is kept as %2, and the practice goal "
                                  "starts again at %3 min.")
                       .arg(goalfilename, QFileInfo(aside).fileName())
                       .arg(firstgoal);
    return kept;
}

bool keepgoals(const GoalHistory& goals) {
    return replacefile(::apppath() + goalfilename, goalsline(goals));
}

GoalNews* GoalNews::instance() {
    // Made on first use and gone with the application.
    static QPointer<GoalNews> news;
    if (!news)
        news = new GoalNews(QCoreApplication::instance());
    return news;
}
