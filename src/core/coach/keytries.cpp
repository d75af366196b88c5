#include "coach/keytries.h"

#include "coach/coachplan.h"
#include "common/number.h"
#include "keyboard/keyboardphysical.h"

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
constexpr double flat = 0.01;
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
                const std::function<bool(QChar)>& fellbehind) {
    QList<QChar> heldkeys;
    QList<QChar> holding; // below the target and not held
    QHash<QChar, double> scores;
    bool justdrilled = false; // the last drill was a held key's
    for (QChar key : inplay) {
        const double score = confidence(key);
        scores.insert(key, score);
        if (score >= 1)
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
    if (!holding.isEmpty() && justdrilled) {
        QList<QChar> fallen;
        for (QChar key : std::as_const(heldkeys))
            if (fellbehind(key))
                fallen.append(key);
        return weakest(fallen.isEmpty() ? holding : fallen);
    }
    return *std::min_element(heldkeys.cbegin(), heldkeys.cend(), [&](QChar a, QChar b) {
        const qint16 resta = tries.value(a).rest;
        const qint16 restb = tries.value(b).rest;
        return resta != restb ? resta > restb : scores[a] < scores[b];
    });
}

bool fellbehind(const QList<FocusDrill>& recent, double now) {
    return !recent.isEmpty() && now < recent.last().after - behind;
}

QString forecast(QChar key, const QList<FocusDrill>& recent, int targetwpm) {
    const QString name = keyname(key);
    if (recent.isEmpty())
        return {};
    const double after = recent.last().after;
    const qsizetype drills = recent.size();
    const double rise = after - recent.first().after;
    if (drills >= 2 && rise <= flat) {
        KeyStat last;
        last.ms = recent.last().ms;
        last.missrate = recent.last().missrate;
        return bymisses(last, targetwpm)
                   ? QStringLiteral("%1 is not getting more accurate yet.").arg(name)
                   : QStringLiteral("%1 is not getting faster yet.").arg(name);
    }
    // The figures follow what is typed: a key typed at its best pace from now on ends there.
    double fastest = recent.first().ms;
    double surest = recent.first().missrate;
    for (const FocusDrill& drill : recent) {
        fastest = std::min(fastest, drill.ms);
        surest = std::min(surest, drill.missrate);
    }
    if (speedpart(fastest, targetwpm) < 1)
        return QStringLiteral("%1 is not fast enough for %2 WPM yet: %3 ms a key at best lately, "
                              "%4 ms needed.")
            .arg(name)
            .arg(targetwpm)
            .arg(qRound(fastest))
            .arg(qRound(targetms(targetwpm)));
    if (accuracypart(surest) < 1)
        return QStringLiteral("%1 is missed too often to pass yet: %2 % at best lately, %3 % at "
                              "most.")
            .arg(name, percent(surest), percent(tolerablemissrate));
    if (drills < 2)
        return QStringLiteral("One more drill of %1 will show how fast it is rising.").arg(name);
    const double pace = rise / static_cast<double>(drills - 1);
    // A whole number of drills, not one more for the rounding of the division.
    const double ahead = std::ceil((1 - after) / pace - 1e-9);
    if (ahead > furthestforecast)
        return QStringLiteral("%1 is rising, but more than ten drills from the target at this "
                              "pace.")
            .arg(name);
    const int more = std::max(1, static_cast<int>(ahead));
    return more == 1 ? QStringLiteral("About one more drill of %1 to reach the target.").arg(name)
                     : QStringLiteral("About %1 more drills of %2 to reach the target.")
                           .arg(more)
                           .arg(name);
}

std::optional<int> fittingtarget(const QList<KeyStat>& inplay, int targetwpm) {
    QList<double> times;
    qsizetype slow = 0;
    for (const KeyStat& stat : inplay)
        if (stat.timed >= settled) {
            times.append(stat.ms);
            slow += speedpart(stat.ms, targetwpm) < 1 ? 1 : 0;
        }
    if (slow * 2 <= times.size())
        return std::nullopt;
    std::sort(times.begin(), times.end());
    // At least half the keys are as fast as this one.
    const double middle = times[(times.size() - 1) / 2];
    const int fits = static_cast<int>(std::floor(60000.0 / (5.0 * middle) / 5.0)) * 5;
    const int proposed = std::max(slowesttarget, fits);
    if (proposed >= targetwpm)
        return std::nullopt;
    return proposed;
}

QString heldsentence(QChar key, const KeyStat& stat, int targetwpm, QChar joined) {
    const QString name = keyname(key);
    return QStringLiteral("%1 is still %2 (%3 %): %4 joins so you go on; %1 comes back every "
                          "other drill.")
        .arg(name,
             bymisses(stat, targetwpm) ? QStringLiteral("missed too often")
                                       : QStringLiteral("slow"),
             percent(confidence(stat, targetwpm)), keyname(joined));
}

QString helddescription(QChar key, const KeyStat& stat, int targetwpm) {
    return QStringLiteral("%1, confidence %2 %, comes back every other drill: %3 ms a key "
                          "against %4 ms for %5 WPM, missed %6 % against %7 % at most")
        .arg(keyname(key), percent(confidence(stat, targetwpm)))
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
