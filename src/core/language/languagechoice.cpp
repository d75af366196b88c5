#include "language/languagechoice.h"

#include "common/textfile.h"
#include "language/languages.h"

#include <QCoreApplication>

namespace {

constexpr char tag[] = "keystrider-language";
// Names and values are a few characters; a field any longer is none of ours.
constexpr qsizetype longestfield = 64;
const QString systemword = QStringLiteral("system");

} // namespace

const SettingsFile& languagefile() {
    static const SettingsFile file{
        languagefilename, largestlanguagefile,
        QStringLiteral(QT_TRANSLATE_NOOP("SettingsFile", "the language chosen is not kept")),
        judgeby(readlanguagechoice)};
    return file;
}

Reading readlanguagechoice(QByteArrayView bytes, QString& choice) {
    choice.clear();
    SettingsLine line(bytes, QLatin1String(tag), 1, longestfield);
    const QStringList& fields = line.fields();
    if (fields.size() % 2 != 0)
        line.damaged();
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        if (fields[i] != QLatin1String("language"))
            continue; // a name this version does not know is skipped with its value
        if (fields[i + 1] == systemword)
            choice.clear();
        else if (speaks(fields[i + 1]))
            choice = fields[i + 1];
        else
            line.damaged();
    }
    return line.reading();
}

QByteArray languagechoiceline(const QString& choice) {
    return LineWriter()
        .text(QLatin1String(tag))
        .number(1)
        .text(QStringLiteral("language"))
        .text(choice.isEmpty() ? systemword : choice)
        .line();
}

QString keptlanguage(SettingsRead& read, const QString& folder) {
    QString choice;
    read = readsettings(
        languagefile(),
        [&choice](QByteArrayView bytes) { return readlanguagechoice(bytes, choice); }, {}, folder);
    return choice;
}

SettingsWrite keeplanguage(const QString& choice) {
    return keepsettings(languagefile(), languagechoiceline(choice));
}
