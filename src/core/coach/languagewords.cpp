#include "coach/languagewords.h"

#include "common/bytelines.h"
#include "common/filereading.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QStringDecoder>

QString wordlistfolder = QStringLiteral(":/wordlists/");

const QList<CoachLanguage>& coachlanguages() {
    static const QList<CoachLanguage> languages = {
        {QStringLiteral("en"), QStringLiteral(QT_TRANSLATE_NOOP("LanguageWords", "English"))},
        {QStringLiteral("de"), QStringLiteral(QT_TRANSLATE_NOOP("LanguageWords", "German"))},
        {QStringLiteral("fr"), QStringLiteral(QT_TRANSLATE_NOOP("LanguageWords", "French"))},
        {QStringLiteral("es"), QStringLiteral(QT_TRANSLATE_NOOP("LanguageWords", "Spanish"))},
        {QStringLiteral("it"), QStringLiteral(QT_TRANSLATE_NOOP("LanguageWords", "Italian"))},
        {QStringLiteral("pt"), QStringLiteral(QT_TRANSLATE_NOOP("LanguageWords", "Portuguese"))},
    };
    return languages;
}

QString languagename(const QString& code) {
    for (const CoachLanguage& language : coachlanguages())
        if (language.code == code)
            return QCoreApplication::translate("LanguageWords", language.name.toUtf8().constData());
    return {};
}

namespace {

// Longer than any word of the lists: a line this long is no word.
constexpr qsizetype longestword = 40;

bool inner(QChar c) {
    return c == QLatin1Char('-') || c == QLatin1Char('\'');
}

QString damaged(const QString& language, const QString& why) {
    const QString name = languagename(language).isEmpty() ? language : languagename(language);
    return QCoreApplication::translate("LanguageWords",
                                       "The %1 word list %2: the coach makes up words instead.")
        .arg(name, why);
}

} // namespace

bool drillword(QStringView word) {
    if (word.isEmpty() || word.size() > longestword || inner(word.front()) || inner(word.back()))
        return false;
    QChar previous;
    for (QChar c : word) {
        if (inner(c) ? inner(previous) : !c.isLetter() || c.isSurrogate())
            return false;
        previous = c;
    }
    return true;
}

LanguageWords readlanguagewords(QByteArrayView bytes, const QString& language) {
    LanguageWords list;
    list.language = language;
    if (bytes.size() > longestlanguagelist) {
        list.error =
            damaged(language, QCoreApplication::translate("LanguageWords", "is too large"));
        return list;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0')) {
        list.error = damaged(language, QCoreApplication::translate("LanguageWords", "is damaged"));
        return list;
    }
    QSet<QString> seen;
    for (QStringView line : QStringTokenizer(text, QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('#')) || !drillword(line))
            continue;
        QString word = line.toString().normalized(QString::NormalizationForm_C);
        if (!seen.contains(word)) {
            seen.insert(word);
            list.words.append(std::move(word));
        }
    }
    if (list.words.isEmpty())
        list.error =
            damaged(language, QCoreApplication::translate("LanguageWords", "holds no words"));
    return list;
}

LanguageWords loadlanguagewords(const QString& language) {
    const QString name = languagename(language);
    if (name.isEmpty()) {
        LanguageWords none;
        none.language = language;
        none.error = QCoreApplication::translate(
            "LanguageWords", "The coach has no word list for that language: it makes up "
                             "words instead.");
        return none;
    }
    const QString path = wordlistfolder + language + QStringLiteral(".txt");
    QByteArray bytes;
    if (path.startsWith(QLatin1Char(':'))) {
        // Compiled in, so no file of the system's: Qt's resources are read as they are.
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.read(longestlanguagelist + 1);
        return readlanguagewords(bytes, language);
    }
    const FileRead read = readfile(path, longestlanguagelist, bytes);
    if (!read.ok()) {
        LanguageWords none;
        none.language = language;
        none.error =
            read.message(language + QStringLiteral(".txt")) +
            QCoreApplication::translate("LanguageWords", " The coach makes up words instead.");
        return none;
    }
    return readlanguagewords(bytes, language);
}

QString drilllanguage(const QString& chosen, const QString& layoutlanguage, QString& note) {
    note.clear();
    if (!languagename(chosen).isEmpty())
        return chosen;
    if (!languagename(layoutlanguage).isEmpty())
        return layoutlanguage;
    if (!layoutlanguage.isEmpty())
        note = QCoreApplication::translate(
            "LanguageWords", "The coach has no word list in the keyboard layout's language: "
                             "it drills English words. \"Words:\" chooses another language.");
    return defaultlanguage;
}
