#include "language/languages.h"

bool speaks(const QString& code) {
    for (const WindowLanguage& language : windowlanguages)
        if (code == QLatin1String(language.code))
            return true;
    return false;
}

QString windowlanguage(const QString& choice, const QStringList& uilanguages) {
    if (speaks(choice))
        return choice;
    for (const QString& tag : uilanguages) {
        // "pt-BR", "de_DE.UTF-8": the language is what comes before the region.
        const QString language = tag.section(QLatin1Char('-'), 0, 0)
                                     .section(QLatin1Char('_'), 0, 0)
                                     .section(QLatin1Char('.'), 0, 0)
                                     .toLower();
        if (speaks(language))
            return language;
    }
    return english;
}
