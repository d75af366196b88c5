#include "competition/replaybook.h"

#include "common/bytelines.h"
#include "common/number.h"
#include "common/textfile.h"

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

std::optional<ReplayBook> readreplays(QByteArrayView bytes, int& badline) {
    badline = 1;
    QByteArrayView line;
    if (!nextline(bytes, line))
        return std::nullopt;
    FieldReader header(line.toByteArray());
    QString name;
    QString showbest;
    QString setting;
    std::int64_t number = 0;
    if (!header.next(name) || name != QLatin1String(tag) || !header.next(setting) ||
        filenumber(setting, version, version, number) != FileNumber::Whole || !header.next(name) ||
        name != QLatin1String("showbest") || !header.next(showbest) ||
        (showbest != QLatin1String("0") && showbest != QLatin1String("1")) || !header.atend())
        return std::nullopt;
    ReplayBook book;
    book.showbest = showbest == QLatin1String("1");
    while (nextline(bytes, line)) {
        ++badline;
        QString kind;
        const std::optional<Replay> replay = readreplayline(line, kind);
        if (!replay)
            return std::nullopt;
        const std::size_t level = at(replay->level);
        if (kind == QLatin1String("best") && !book.best[level])
            book.best[level] = *replay;
        else if (kind == QLatin1String("race") && book.recent[level].size() < keptraces)
            book.recent[level].append(*replay);
        else
            return std::nullopt;
    }
    badline = 0;
    return book;
}

QString damagedline(const QString& name, int line) {
    return QStringLiteral("%1 could not be read: line %2 is damaged.").arg(name).arg(line);
}
