#include "coach/keytries.h"

#include "coach/coachplan.h"
#include "common/number.h"
#include "keyboard/keyboardphysical.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint16 mostcounted = std::numeric_limits<qint16>::max();

qint16 onemore(qint16 count) {
    return count < mostcounted ? static_cast<qint16>(count + 1) : mostcounted;
}

// Too small a rise to tell from the noise of one drill.
constexpr double flatrise = 0.01;
// Further ahead than this a trend foretells nothing.
constexpr int furthestforecast = 10;
// A held key that lost this much since its last drill comes back before its turn.
constexpr double behind = 0.05;
// After this many timed keystrokes a key's time is the player's, not the slow start's.
constexpr std::int64_t settled = 30;

QString percent(double share) {
    return QString::number(qRound(share * 100));
}

// Whether misses, not time, keep the key below the target.
bool bymisses(const KeyStat& stat, int targetwpm) {
    return accuracypart(stat.missrate) < speedpart(stat.ms, targetwpm);
}

} // namespace

bool held(const KeyTries& tries) {
    return tries.drills >= focusdrillsbeforeheld || tries.keystrokes >= keystrokesbeforeheld;
}

int heldspacing(const KeyTries& tries) {
    return 2 + std::clamp(tries.flat / 2, 0, 2);
}

void notefocusdrill(KeyTries& tries, double after, bool washeld) {
    const qint16 now = static_cast<qint16>(std::clamp(qRound(after * 1000), 0, 1000));
    if (washeld)
        tries.flat = tries.left >= 0 && now > tries.left + qRound(flatrise * 1000)
                         ? qint16(0)
                         : onemore(tries.flat);
    tries.left = now;
}

void tallyrecord(TriesByKey& tries, const QString& inplay,
                 const std::function<bool(QChar)>& reached, const QHash<QChar, std::int64_t>& due,
                 QChar focus) {
    for (QChar key : inplay) {
        if (reached(key)) {
            tries.remove(key);
            continue;
        }
        KeyTries& t = tries[key];
        t.keystrokes = addsaturated(t.keystrokes, std::max<std::int64_t>(0, due.value(key)));
        if (focus.isNull())
            continue;
        if (key == focus) {
            t.drills = onemore(t.drills);
            t.rest = 0;
        } else {
            t.rest = onemore(t.rest);
        }
    }
}

QChar nextfocus(const QString& inplay, const TriesByKey& tries,
                const std::function<double(QChar)>& confidence,
                const std::function<bool(QChar)>& reached,
                const std::function<bool(QChar)>& fellbehind) {
    QList<QChar> heldkeys;
    QList<QChar> holding; // below the target and not held
    QHash<QChar, double> scores;
    bool justdrilled = false; // the last drill was a held key's
    for (QChar key : inplay) {
        scores.insert(key, confidence(key));
        if (reached(key))
            continue;
        const KeyTries t = tries.value(key);
        if (held(t)) {
            heldkeys.append(key);
            justdrilled = justdrilled || (t.rest == 0 && t.drills > 0);
        } else {
            holding.append(key);
        }
    }
    if (heldkeys.isEmpty())
        return {};
    auto weakest = [&](const QList<QChar>& keys) {
        // Ties go to the key that joined first.
        return *std::min_element(keys.cbegin(), keys.cend(),
                                 [&](QChar a, QChar b) { return scores[a] < scores[b]; });
    };
    QList<QChar> fallen;
    QList<QChar> due; // held keys whose turn came
    for (QChar key : std::as_const(heldkeys)) {
        if (fellbehind(key))
            fallen.append(key);
        const KeyTries t = tries.value(key);
        if (t.rest >= heldspacing(t) - 1)
            due.append(key);
    }
    if (!fallen.isEmpty())
        return weakest(fallen);
    if (!holding.isEmpty() && (justdrilled || due.isEmpty()))
        return weakest(holding);
    const QList<QChar>& turn = due.isEmpty() ? heldkeys : due;
    return *std::min_element(turn.cbegin(), turn.cend(), [&](QChar a, QChar b) {
        const qint16 resta = tries.value(a).rest;
        const qint16 restb = tries.value(b).rest;
        return resta != restb ? resta > restb : scores[a] < scores[b];
    });
}

bool fellbehind(const KeyTries& tries, double now) {
    return tries.left >= 0 && now < tries.left / 1000.0 - behind;
}

QString forecast(QChar key, const QList<FocusDrill>& recent, int targetwpm) {
    const QString name = keyname(key);
    if (recent.isEmpty())
        return {};
    const double after = recent.last().after;
    const qsizetype drills = recent.size();
    const double rise = after - recent.first().after;
    if (drills >= 2 && rise <= flatrise) {
        KeyStat last;
        last.ms = recent.last().ms;
        last.missrate = recent.last().missrate;
        return bymisses(last, targetwpm)
                   ? QCoreApplication::translate("KeyTries", "%1 is not getting more accurate yet.")
                         .arg(name)
                   : QCoreApplication::translate("KeyTries", "%1 is not getting faster yet.")
                         .arg(name);
    }
    // The figures follow what is typed: a key typed at its best pace from now on ends there.
    double fastest = recent.first().ms;
    double surest = recent.first().missrate;
    for (const FocusDrill& drill : recent) {
        fastest = std::min(fastest, drill.ms);
        surest = std::min(surest, drill.missrate);
    }
    // Short of the target past its margin: no rounding shows the best as what is needed.
    if (!attarget(speedpart(fastest, targetwpm)))
        return QCoreApplication::translate(
                   "KeyTries", "%1 is not fast enough for %2 WPM yet: %3 ms a key at best lately, "
                               "%4 ms needed.")
            .arg(name)
            .arg(targetwpm)
            .arg(qRound(fastest))
            .arg(qRound(targetms(targetwpm)));
    if (!attarget(accuracypart(surest)))
        return QCoreApplication::translate(
                   "KeyTries", "%1 is missed too often to pass yet: %2 % at best lately, %3 % at "
                               "most.")
            .arg(name, percent(surest), percent(tolerablemissrate));
    if (drills < 2)
        return QCoreApplication::translate("KeyTries",
                                           "One more drill of %1 will show how fast it is rising.")
            .arg(name);
    const double pace = rise / static_cast<double>(drills - 1);
    // A whole number of drills, not one more for the rounding of the division.
    const double ahead = std::ceil((1 - targetmargin - after) / pace - 1e-9);
    if (ahead > furthestforecast)
        return QCoreApplication::translate(
                   "KeyTries", "%1 is rising, but more than ten drills from the target at this "
                               "pace.")
            .arg(name);
    const int more = std::max(1, static_cast<int>(ahead));
    return more == 1
               ? QCoreApplication::translate("KeyTries",
                                             "About one more drill of %1 to reach the target.")
                     .arg(name)
               : QCoreApplication::translate(
                     "KeyTries", "About %n more drills of %1 to reach the target.", nullptr, more)
                     .arg(name);
}

bool mostbelowtarget(const QList<KeyStat>& inplay, int targetwpm, bool orat) {
    qsizetype judged = 0;
    qsizetype below = 0;
    for (const KeyStat& stat : inplay)
        if (stat.timed >= settled) {
            ++judged;
            const double pace = targetms(targetwpm) / std::max(1.0, stat.ms);
            below += pace < (orat ? 1 + targetmargin : 1.0) ? 1 : 0;
        }
    return below * 2 > judged;
}

std::optional<int> fittingtarget(const QList<KeyStat>& inplay, int targetwpm, bool orat) {
    if (!mostbelowtarget(inplay, targetwpm, orat))
        return std::nullopt;
    QList<double> times;
    for (const KeyStat& stat : inplay)
        if (stat.timed >= settled)
            times.append(stat.ms);
    std::sort(times.begin(), times.end());
    // At least half the keys are as fast as this one.
    const double middle = times[(times.size() - 1) / 2];
    const int fits = static_cast<int>(std::floor(60000.0 / (5.0 * middle) / 5.0)) * 5;
    const int proposed = std::max(slowesttarget, fits);
    if (proposed >= targetwpm)
        return std::nullopt;
    return proposed;
}

namespace {

QString comesback(const KeyTries& tries) {
    switch (heldspacing(tries)) {
    case 2:
        return QCoreApplication::translate("KeyTries", "every other drill");
    case 3:
        return QCoreApplication::translate("KeyTries", "every third drill");
    default:
        return QCoreApplication::translate("KeyTries", "every fourth drill");
    }
}

} // namespace

QString heldsentence(QChar key, const KeyStat& stat, int targetwpm, QChar joined) {
    const QString name = keyname(key);
    return QCoreApplication::translate(
               "KeyTries", "%1 is still %2 (%3 %): %4 joins so you go on; %1 comes back every "
                           "other drill.")
        .arg(name,
             bymisses(stat, targetwpm) ? QCoreApplication::translate("KeyTries", "missed too often")
                                       : QCoreApplication::translate("KeyTries", "slow"),
             QString::number(confidencepercent(confidence(stat, targetwpm))), keyname(joined));
}

QString helddescription(QChar key, const KeyStat& stat, int targetwpm, const KeyTries& tries) {
    return QCoreApplication::translate(
               "KeyTries", "%1, confidence %2 %, comes back %3: %4 ms a key against %5 ms for %6 "
                           "WPM, missed %7 % against %8 % at most")
        .arg(keyname(key), QString::number(confidencepercent(confidence(stat, targetwpm))),
             comesback(tries))
        .arg(qRound(stat.ms))
        .arg(qRound(targetms(targetwpm)))
        .arg(targetwpm)
        .arg(percent(stat.missrate), percent(tolerablemissrate));
}

QString triestext(const TriesByKey& tries) {
    QList<QChar> keys = tries.keys();
    std::sort(keys.begin(), keys.end());
    QStringList parts;
    for (QChar key : std::as_const(keys)) {
        const KeyTries& t = tries[key];
        parts.append(QStringLiteral("%1:%2:%3:%4")
                         .arg(key.unicode())
                         .arg(t.drills)
                         .arg(t.keystrokes)
                         .arg(t.rest));
    }
    return parts.join(QLatin1Char(' '));
}

QString flattext(const TriesByKey& tries) {
    QList<QChar> keys = tries.keys();
    std::sort(keys.begin(), keys.end());
    QStringList parts;
    for (QChar key : std::as_const(keys)) {
        const KeyTries& t = tries[key];
        if (t.flat > 0 || t.left >= 0)
            parts.append(QStringLiteral("%1:%2:%3").arg(key.unicode()).arg(t.flat).arg(t.left));
    }
    return parts.join(QLatin1Char(' '));
}

bool readflat(const QString& text, TriesByKey& tries) {
    TriesByKey read = tries;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList fields = part.split(QLatin1Char(':'));
        std::int64_t code = 0;
        qint16 flat = 0;
        std::int64_t left = 0;
        if (fields.size() != 3 || filenumber(fields[0], 0x21, 0xFFFF, code) != FileNumber::Whole ||
            filenumber(fields[1], flat) != FileNumber::Whole || flat < 0 ||
            filenumber(fields[2], -1, 1000, left) != FileNumber::Whole)
            return false;
        // What is kept of a key no longer tallied (it reached the target) is of no use.
        const QChar key(static_cast<char16_t>(code));
        if (!read.contains(key))
            continue;
        read[key].flat = flat;
        read[key].left = static_cast<qint16>(left);
    }
    tries = read;
    return true;
}

std::optional<TriesByKey> readtries(const QString& text) {
    TriesByKey tries;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList fields = part.split(QLatin1Char(':'));
        std::int64_t code = 0;
        KeyTries t;
        if (fields.size() != 4 || filenumber(fields[0], 0x21, 0xFFFF, code) != FileNumber::Whole ||
            filenumber(fields[1], t.drills) != FileNumber::Whole || t.drills < 0 ||
            filenumber(fields[2], 0, std::numeric_limits<std::int64_t>::max(), t.keystrokes) !=
                FileNumber::Whole ||
            filenumber(fields[3], t.rest) != FileNumber::Whole || t.rest < 0)
            return std::nullopt;
        const QChar key(static_cast<char16_t>(code));
        if (key.isSurrogate() || key.category() == QChar::Other_Control || tries.contains(key))
            return std::nullopt;
        tries.insert(key, t);
    }
    return tries;
}
