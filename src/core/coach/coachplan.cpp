#include "coach/coachplan.h"

#include "common/number.h"
#include "common/programfolder.h"
#include "common/textfile.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>

#include <algorithm>

namespace {

constexpr char tag[] = "keystrider-coach";
// A language code is two or three letters; a key list holds a few hundred keys at the most.
constexpr qsizetype longestfield = 4096;

bool languagecode(const QString& code) {
    return code.size() <= 8 &&
           std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= 'a' && c <= 'z'; });
}

// "101 110 105": keys by code, each once, never a blank or a control character. A key that is
// none is dropped alone.
QString keys(const QString& value, SettingsLine& line) {
    QString out;
    for (const QString& part : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint code = part.toUInt(&ok);
        const QChar key(static_cast<char16_t>(ok && code <= 0xFFFF ? code : 0));
        if (code <= 0x20 || key.isSpace() || key.isSurrogate() ||
            key.category() == QChar::Other_Control || out.contains(key)) {
            line.damaged();
            continue;
        }
        out.append(key);
    }
    return out;
}

// "112:3:150:0 120:1:40:2": a key whose tallies can't be read is dropped alone.
TriesByKey tries(const QString& value, SettingsLine& line) {
    TriesByKey out;
    for (const QString& part : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const std::optional<TriesByKey> one = readtries(part);
        if (!one || one->size() != 1 || out.contains(one->constBegin().key())) {
            line.damaged();
            continue;
        }
        out.insert(one->constBegin().key(), one->constBegin().value());
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

// A layout as the keyboard chooser names it: "de", "us(dvorak)"; plain characters, no blank.
bool layoutname(const QString& key) {
    return !key.isEmpty() && key.size() <= 100 &&
           std::all_of(key.cbegin(), key.cend(), [](QChar c) {
               return c.unicode() > 0x20 && c.unicode() < 0x7f && c != QLatin1Char('"') &&
                      c != QLatin1Char(',');
           });
}

// "us(dvorak) rest": a learnt layout's key, then what it keeps.
bool learntfield(const QString& value, QString& key, QString& rest) {
    key = value.section(QLatin1Char(' '), 0, 0);
    rest = value.section(QLatin1Char(' '), 1);
    return layoutname(key);
}

// A learnt layout's field of one language: "us(dvorak) en 101 116".
bool learntlanguage(const QString& value, QString& key, QString& language, QString& rest) {
    QString tail;
    if (!learntfield(value, key, tail))
        return false;
    language = tail.section(QLatin1Char(' '), 0, 0);
    rest = tail.section(QLatin1Char(' '), 1);
    return !language.isEmpty() && languagecode(language);
}

// "en 120", "en 113 122": a language, then the key chosen as the focus (one) or the keys left
// out, by code. False when it can't be read; a key that is none is dropped alone.
bool chosenkeys(const QString& value, bool focus, QString& language, QString& chosen,
                SettingsLine& line) {
    language = value.section(QLatin1Char(' '), 0, 0);
    chosen = keys(value.section(QLatin1Char(' '), 1), line);
    return !language.isEmpty() && languagecode(language) && (!focus || chosen.size() == 1);
}

// The focus and the keys left out of each language, the language first in each value: the
// desktop's under the names they always had, a learnt layout's (`key`) with its key before it.
void writechosen(LineWriter& line, const QString& key, const QHash<QString, QChar>& focus,
                 const QHash<QString, QString>& leftout) {
    const QString prefix = key.isEmpty() ? QString() : QStringLiteral("layout");
    const QString head = key.isEmpty() ? QString() : key + QLatin1Char(' ');
    QStringList languages = focus.keys();
    languages.sort();
    for (const QString& language : std::as_const(languages))
        line.text(prefix + QStringLiteral("focus"))
            .text(head + language + QLatin1Char(' ') + codes(QString(focus[language])));
    languages = leftout.keys();
    languages.sort();
    for (const QString& language : std::as_const(languages))
        if (!leftout[language].isEmpty())
            line.text(prefix + QStringLiteral("leftout"))
                .text(head + language + QLatin1Char(' ') + codes(leftout[language]));
}

// A learnt layout's fields, the key first in each value.
void writelearnt(LineWriter& line, const QString& key, const CoachPlan::Layout& layout) {
    const QString head = key + QLatin1Char(' ');
    line.text(QStringLiteral("layouttarget")).text(head + QString::number(layout.targetwpm));
    QStringList languages = layout.inplay.keys();
    languages.sort();
    for (const QString& language : std::as_const(languages))
        line.text(QStringLiteral("layoutinplay"))
            .text(head + language + QLatin1Char(' ') + codes(layout.inplay[language]));
    languages = layout.tries.keys();
    languages.sort();
    for (const QString& language : std::as_const(languages)) {
        line.text(QStringLiteral("layouttries"))
            .text(head + language + QLatin1Char(' ') + triestext(layout.tries[language]));
        if (const QString flat = flattext(layout.tries[language]); !flat.isEmpty())
            line.text(QStringLiteral("layoutflat")).text(head + language + QLatin1Char(' ') + flat);
    }
    writechosen(line, key, layout.focus, layout.leftout);
}

} // namespace

void CoachPlan::learn(const QString& key) {
    if (key == learning)
        return;
    layouts.insert(learning, {inplay, tries, targetwpm, focus, leftout});
    const Layout next = layouts.take(key);
    inplay = next.inplay;
    tries = next.tries;
    targetwpm = next.targetwpm;
    focus = next.focus;
    leftout = next.leftout;
    learning = key;
}

Reading readcoachplan(QByteArrayView bytes, CoachPlan& plan) {
    plan = CoachPlan();
    SettingsLine line(bytes, QLatin1String(tag), 1, longestfield);
    const QStringList& fields = line.fields();
    QHash<QString, QString> flats;                       // laid over the tries once all are read
    QHash<QString, QHash<QString, QString>> learntflats; // by layout, then language
    QString learn;
    for (qsizetype i = 0; i < fields.size();) {
        const QString& name = fields[i];
        // The keys in play and their tallies come by language: a name, a language, a list.
        const bool bylanguage = name == QLatin1String("inplay") || name == QLatin1String("tries");
        const qsizetype width = bylanguage ? 3 : 2;
        if (i + width > fields.size()) {
            line.damaged();
            break;
        }
        const QString& value = fields[i + 1];
        if (bylanguage || name == QLatin1String("words")) {
            if (!languagecode(value))
                line.damaged();
            else if (name == QLatin1String("inplay"))
                plan.inplay.insert(value, keys(fields[i + 2], line));
            else if (name == QLatin1String("tries"))
                plan.tries.insert(value, tries(fields[i + 2], line));
            else
                plan.language = value;
        } else if (name == QLatin1String("capitals"))
            line.flag(value, plan.stages.capitals);
        else if (name == QLatin1String("digits"))
            line.flag(value, plan.stages.digits);
        else if (name == QLatin1String("punctuation"))
            line.flag(value, plan.stages.punctuation);
        else if (name == QLatin1String("target"))
            line.number(value, slowesttarget, fastesttarget, plan.targetwpm);
        else if (name == QLatin1String("text")) {
            const std::optional<QString> text = path(value);
            if (text)
                plan.text = *text;
            else
                line.damaged();
        } else if (name == QLatin1String("focus") || name == QLatin1String("leftout")) {
            QString language, chosen;
            if (!chosenkeys(value, name == QLatin1String("focus"), language, chosen, line))
                line.damaged();
            else if (name == QLatin1String("focus"))
                plan.focus.insert(language, chosen.front());
            else if (!chosen.isEmpty())
                plan.leftout.insert(language, chosen);
        } else if (name == QLatin1String("flat")) {
            // A held key's back-off: one value, the language first.
            const QString language = value.section(QLatin1Char(' '), 0, 0);
            if (!language.isEmpty() && languagecode(language))
                flats.insert(language, value.section(QLatin1Char(' '), 1));
            else
                line.damaged();
        } else if (name == QLatin1String("symbols")) {
            line.flag(value, plan.stages.symbols);
        } else if (name == QLatin1String("learn")) {
            if (layoutname(value))
                learn = value;
            else
                line.damaged();
        } else if (name == QLatin1String("layouttarget")) {
            QString key, rest;
            if (learntfield(value, key, rest))
                line.number(rest, slowesttarget, fastesttarget, plan.layouts[key].targetwpm);
            else
                line.damaged();
        } else if (name == QLatin1String("layoutinplay") || name == QLatin1String("layouttries") ||
                   name == QLatin1String("layoutflat")) {
            QString key, language, rest;
            const bool read = learntlanguage(value, key, language, rest);
            if (!read)
                line.damaged();
            else if (name == QLatin1String("layoutinplay"))
                plan.layouts[key].inplay.insert(language, keys(rest, line));
            else if (name == QLatin1String("layouttries"))
                plan.layouts[key].tries.insert(language, tries(rest, line));
            else if (name == QLatin1String("layoutflat"))
                learntflats[key].insert(language, rest);
        } else if (name == QLatin1String("layoutfocus") || name == QLatin1String("layoutleftout")) {
            QString key, rest, language, chosen;
            if (!learntfield(value, key, rest) ||
                !chosenkeys(rest, name == QLatin1String("layoutfocus"), language, chosen, line))
                line.damaged();
            else if (name == QLatin1String("layoutfocus"))
                plan.layouts[key].focus.insert(language, chosen.front());
            else if (!chosen.isEmpty())
                plan.layouts[key].leftout.insert(language, chosen);
        }
        i += width; // a name this version does not know is skipped with its value
    }
    for (auto layout = learntflats.cbegin(); layout != learntflats.cend(); ++layout)
        for (auto it = layout->cbegin(); it != layout->cend(); ++it) {
            QHash<QString, TriesByKey>& alltries = plan.layouts[layout.key()].tries;
            if (TriesByKey tries = alltries.value(it.key()); !readflat(it.value(), tries))
                line.damaged();
            else if (alltries.contains(it.key()))
                alltries.insert(it.key(), tries);
        }
    // A back-off that can't be read is dropped alone, the tallies kept.
    for (auto it = flats.cbegin(); it != flats.cend(); ++it)
        if (TriesByKey tries = plan.tries.value(it.key()); !readflat(it.value(), tries))
            line.damaged();
        else if (plan.tries.contains(it.key()))
            plan.tries.insert(it.key(), tries);
    plan.learn(learn);
    return line.reading();
}

QByteArray coachplanline(const CoachPlan& learning) {
    // The desktop's layout keeps the names it always had; the layouts learnt, names of their own.
    CoachPlan plan = learning;
    plan.learn(QString());
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
    writechosen(line, QString(), plan.focus, plan.leftout);
    if (plan.stages.symbols)
        line.text(QStringLiteral("symbols")).number(1);
    if (!learning.learning.isEmpty())
        line.text(QStringLiteral("learn")).text(learning.learning);
    QStringList learnt = plan.layouts.keys();
    learnt.sort();
    for (const QString& key : std::as_const(learnt))
        if (!key.isEmpty())
            writelearnt(line, key, plan.layouts[key]);
    return line.line();
}

const SettingsFile& coachplanfile() {
    static const SettingsFile file{
        coachplanfilename, largestcoachplan,
        QCoreApplication::translate(
            "CoachPlan", "what the coach teaches and the text and target chosen are not kept"),
        judgeby(readcoachplan)};
    return file;
}

CoachPlan keptcoachplan(QString& trouble) {
    QByteArray bytes;
    const FileRead read = readfile(::apppath() + coachplanfilename, largestcoachplan, bytes);
    trouble = read.ok() || read.missing() ? QString() : read.message(coachplanfilename);
    CoachPlan plan;
    if (read.ok())
        readcoachplan(bytes, plan);
    return plan;
}

CoachPlan loadcoachplan(QString& said, bool& unkept) {
    CoachPlan plan;
    const SettingsRead read = readsettings(
        coachplanfile(), [&plan](QByteArrayView bytes) { return readcoachplan(bytes, plan); },
        [&plan] { return coachplanline(plan); });
    said = read.said;
    unkept = read.unkept;
    return plan;
}

bool keepcoachplan(const CoachPlan& plan, QString* said) {
    const SettingsWrite write = keepsettings(coachplanfile(), coachplanline(plan));
    if (said)
        *said = write.said;
    return write.written;
}
