#include "competition/replaybook.h"

#include "common/bytelines.h"
#include "common/number.h"
#include "common/settingsfile.h"
#include "common/textfile.h"

#include <QCoreApplication>

#include <limits>

namespace {

constexpr char tag[] = "keystrider-replays";
constexpr int version = 1;
// A step is never longer than the longest entry's step.
constexpr int longeststep = 1000;

std::size_t at(RaceLevel level) {
    return static_cast<std::size_t>(level);
}

QByteArray movesfield(const Replay& replay) {
    QByteArray out;
    out.reserve(replay.moves.size() * 12);
    int left = track::startleft;
    for (const RaceMove& move : replay.moves) {
        if (!out.isEmpty())
            out += ' ';
        out += QByteArray::number(move.ms) + ':' + QByteArray::number(move.left - left);
        left = move.left;
    }
    return out;
}

// "1520:250 2890:250 3100:-50"; a single blank between pairs, nothing else.
bool readmoves(QByteArrayView field, QList<RaceMove>& moves) {
    moves.clear();
    int left = track::startleft;
    while (!field.isEmpty()) {
        if (moves.size() >= mostmoves)
            return false;
        qsizetype blank = field.indexOf(' ');
        const QByteArrayView pair = blank < 0 ? field : field.first(blank);
        field = blank < 0 ? QByteArrayView() : field.sliced(blank + 1);
        if (blank >= 0 && field.isEmpty())
            return false;
        const qsizetype colon = pair.indexOf(':');
        std::int64_t ms = 0;
        std::int64_t step = 0;
        if (colon < 0 || filenumber(pair.first(colon), 0, longestrace, ms) != FileNumber::Whole ||
            filenumber(pair.sliced(colon + 1), -longeststep, longeststep, step) !=
                FileNumber::Whole)
            return false;
        left += static_cast<int>(step);
        moves.append({ms, left});
    }
    return true;
}

} // namespace

const std::optional<Replay>& ReplayBook::bestof(RaceLevel level) const {
    return best.at(at(level));
}

bool ReplayBook::add(const Replay& race) {
    QList<Replay>& last = recent.at(at(race.level));
    last.append(race);
    while (last.size() > keptraces)
        last.removeFirst();
    std::optional<Replay>& top = best.at(at(race.level));
    if (top && !betterrace(race, *top))
        return false;
    top = race;
    return true;
}

QByteArray replayline(const QString& kind, const Replay& replay) {
    return LineWriter()
        .text(kind)
        .text(levelname(replay.level))
        .number(replay.length)
        .text(QString::fromLatin1(movesfield(replay)))
        .line();
}

std::optional<Replay> readreplayline(QByteArrayView line, QString& kind) {
    FieldReader fields(line.toByteArray());
    QString level;
    QByteArrayView length;
    QByteArrayView moves;
    Replay replay;
    if (!fields.next(kind) || !fields.next(level) || !fields.nextbytes(length) ||
        !fields.nextbytes(moves) || !fields.atend())
        return std::nullopt;
    const std::optional<RaceLevel> named = levelnamed(level);
    if (!named || filenumber(length, 0, longestrace, replay.length) != FileNumber::Whole ||
        !readmoves(moves, replay.moves))
        return std::nullopt;
    replay.level = *named;
    if (!typedbyaperson(replay))
        return std::nullopt;
    return replay;
}

QByteArray replaysbytes(const ReplayBook& book) {
    QByteArray out = LineWriter()
                         .text(QString::fromLatin1(tag))
                         .number(version)
                         .text(QStringLiteral("showbest"))
                         .number(book.showbest ? 1 : 0)
                         .line();
    for (std::size_t level = 0; level < book.best.size(); ++level) {
        if (book.best[level])
            out += replayline(QStringLiteral("best"), *book.best[level]);
        for (const Replay& race : book.recent[level])
            out += replayline(QStringLiteral("race"), race);
    }
    return out;
}

Reading readreplays(QByteArrayView bytes, ReplayBook& book, int& badline) {
    book = ReplayBook();
    badline = 0;
    Reading how = Reading::Whole;
    const auto damaged = [&how, &badline](int line) {
        how = worse(how, Reading::Damaged);
        if (badline == 0)
            badline = line;
    };
    QByteArrayView line;
    if (!nextline(bytes, line)) {
        damaged(1);
        return how;
    }
    FieldReader header(line.toByteArray());
    QString name;
    QString showbest;
    QString setting;
    std::int64_t number = 0;
    const bool ours =
        header.next(name) && name == QLatin1String(tag) && header.next(setting) &&
        filenumber(setting, version, std::numeric_limits<int>::max(), number) == FileNumber::Whole;
    if (number > version)
        how = worse(how, Reading::Newer);
    // A later version may say more than this one knows.
    if (!ours || !header.next(name) || name != QLatin1String("showbest") ||
        !header.next(showbest) ||
        (showbest != QLatin1String("0") && showbest != QLatin1String("1")) ||
        (!header.atend() && number == version))
        damaged(1);
    book.showbest = showbest != QLatin1String("0");
    // Each replay is checked on its own: one that could not have been raced is dropped alone.
    for (int lineno = 2; nextline(bytes, line); ++lineno) {
        if (line.trimmed().isEmpty())
            continue;
        QString kind;
        const std::optional<Replay> replay = readreplayline(line, kind);
        if (!replay) {
            damaged(lineno);
            continue;
        }
        const std::size_t level = at(replay->level);
        if (kind == QLatin1String("best") && !book.best[level])
            book.best[level] = *replay;
        else if (kind == QLatin1String("race") && book.recent[level].size() < keptraces)
            book.recent[level].append(*replay);
        else
            damaged(lineno);
    }
    return how;
}

QString damagedline(const QString& name, int line) {
    return QCoreApplication::translate("ReplayBook", "%1 could not be read: line %2 is damaged.")
        .arg(name)
        .arg(line);
}
