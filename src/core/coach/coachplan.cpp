#include "coach/coachplan.h"

#include "common/filewriting.h"
#include "common/number.h"
#include "common/programfolder.h"
#include "common/textfile.h"

#include <QStringList>
#include <QUrl>

#include <algorithm>

namespace {

constexpr char tag[] = "keystrider-coach";
// A language code is two or three letters; a key list holds a few hundred keys at the most.
constexpr qsizetype longestfield = 4096;

bool flag(const QString& value, bool& out) {
    if (value != QLatin1String("0") && value != QLatin1String("1"))
        return false;
    out = value == QLatin1String("1");
    return true;
}

bool languagecode(const QString& code) {
    return code.size() <= 8 &&
           std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= 'a' && c <= 'z'; });
}

// "101 110 105": keys by code, each once, never a blank or a control character.
std::optional<QString> keys(const QString& value) {
    QString out;
    for (const QString& part : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint code = part.toUInt(&ok);
        if (!ok || code <= 0x20 || code > 0xFFFF)
            return std::nullopt;
        const QChar key(static_cast<char16_t>(code));
        if (key.isSurrogate() || key.category() == QChar::Other_Control || out.contains(key))
            return std::nullopt;
        out.append(key);
    }
    return out;
}

// A path percent-encoded is plain ASCII, with no quote or comma.
std::optional<QString> path(const QString& value) {
    if (!std::all_of(value.cbegin(), value.cend(),
                     [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; }))
        return std::nullopt;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(value.toLatin1()));
}

QString codes(const QString& keys) {
    QStringList parts;
    for (QChar key : keys)
        parts.append(QString::number(key.unicode()));
    return parts.join(QLatin1Char(' '));
}

} // namespace

std::optional<CoachPlan> readcoachplan(QByteArrayView bytes) {
    const std::optional<QStringList> read =
        versionedfields(bytes, QLatin1String(tag), longestfield);
    if (!read)
        return std::nullopt;
    const QStringList& fields = *read;
    CoachPlan plan;
    QHash<QString, QString> flats; // laid over the tries once all are read
    for (qsizetype i = 0; i < fields.size();) {
        const QString& name = fields[i];
        const QString value = i + 1 < fields.size() ? fields[i + 1] : QString();
        if (i + 1 >= fields.size())
            return std::nullopt;
        if (name == QLatin1String("inplay")) {
            if (i + 2 >= fields.size() || !languagecode(value))
                return std::nullopt;
            const std::optional<QString> inplay = keys(fields[i + 2]);
            if (!inplay)
                return std::nullopt;
            plan.inplay.insert(value, *inplay);
            i += 3;
            continue;
        }
        if (name == QLatin1String("tries")) {
            if (i + 2 >= fields.size() || !languagecode(value))
                return std::nullopt;
            const std::optional<TriesByKey> tries = readtries(fields[i + 2]);
            if (!tries)
                return std::nullopt;
            plan.tries.insert(value, *tries);
            i += 3;
            continue;
        }
        bool ok = true;
        if (name == QLatin1String("words")) {
            ok = languagecode(value);
            plan.language = value;
        } else if (name == QLatin1String("capitals"))
            ok = flag(value, plan.stages.capitals);
        else if (name == QLatin1String("digits"))
            ok = flag(value, plan.stages.digits);
        else if (name == QLatin1String("punctuation"))
            ok = flag(value, plan.stages.punctuation);
        else if (name == QLatin1String("target")) {
            std::int64_t wpm = 0;
            ok = filenumber(value, slowesttarget, fastesttarget, wpm) == FileNumber::Whole;
            plan.targetwpm = static_cast<int>(wpm);
        } else if (name == QLatin1String("text")) {
            const std::optional<QString> text = path(value);
            ok = text.has_value();
            plan.text = text.value_or(QString());
        } else if (name == QLatin1String("flat")) {
            const QString language = value.section(QLatin1Char(' '), 0, 0);
            ok = !language.isEmpty() && languagecode(language);
            flats.insert(language, value.section(QLatin1Char(' '), 1));
        }
        if (!ok)
            return std::nullopt;
        i += 2; // a name this version does not know is skipped with its value
    }
    for (auto it = flats.cbegin(); it != flats.cend(); ++it)
        if (TriesByKey tries = plan.tries.value(it.key()); !readflat(it.value(), tries))
            return std::nullopt;
        else if (plan.tries.contains(it.key()))
            plan.tries.insert(it.key(), tries);
    return plan;
}

QByteArray coachplanline(const CoachPlan& plan) {
    LineWriter line;
    line.text(QLatin1String(tag)).number(1);
    line.text(QStringLiteral("words")).text(plan.language);
    line.text(QStringLiteral("capitals")).number(plan.stages.capitals ? 1 : 0);
    line.text(QStringLiteral("digits")).number(plan.stages.digits ? 1 : 0);
    line.text(QStringLiteral("punctuation")).number(plan.stages.punctuation ? 1 : 0);
    line.text(QStringLiteral("target")).number(plan.targetwpm);
    line.text(QStringLiteral("text")).text(QString::fromLatin1(QUrl::toPercentEncoding(plan.text)));
    QStringList languages = plan.inplay.keys();
    languages.sort();
    for (const QString& language : std::as_const(languages))
        line.text(QStringLiteral("inplay")).text(language).text(codes(plan.inplay[language]));
    languages = plan.tries.keys();
    languages.sort();
    for (const QString& language : std::as_const(languages))
        line.text(QStringLiteral("tries")).text(language).text(triestext(plan.tries[language]));
    for (const QString& language : std::as_const(languages))
        if (const QString flat = flattext(plan.tries[language]); !flat.isEmpty())
            line.text(QStringLiteral("flat")).text(language + QLatin1Char(' ') + flat);
    return line.line();
}

CoachPlan keptcoachplan(QString& trouble) {
    QByteArray bytes;
    const FileRead read = readfile(::apppath() + coachplanfilename, largestcoachplan, bytes);
    trouble = read.ok() || read.missing() ? QString() : read.message(coachplanfilename);
    if (!read.ok())
        return {};
    return readcoachplan(bytes).value_or(CoachPlan());
}

bool keepcoachplan(const CoachPlan& plan) {
    return replacefile(::apppath() + coachplanfilename, coachplanline(plan));
}
