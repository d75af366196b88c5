#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

// The windows' texts in one language: Qt's own catalogue (qtbase, its standard buttons and
// dialogs) and the game's (keystrider_de.qm), made by Qt Linguist from translations/.
class Catalogues {
public:
    Catalogues();
    ~Catalogues();

    // Loads the catalogues of `language`: the game's from the first of `folders` that holds it,
    // Qt's from Qt's translations, in the desktop's variant of the language where Qt has one.
    // English, and a language whose catalogue is missing, load English's plural forms alone
    // (keystrider_en.qm), so no window mixes two languages. True when the language's own
    // catalogue is loaded.
    bool load(const QString& language, const QStringList& folders);
    // Into the application running now, Qt's first; the game's texts are looked up first.
    // Installed again into the next application, as the terminal's gives way to the windows'.
    void install() const;
    void remove() const;
    // The language loaded, "en" for English's plural forms; empty when none is.
    const QString& language() const { return loaded; }
    // The game's catalogue, to say something in this language before it is installed.
    const QTranslator& game() const { return *gametexts; }

private:
    std::unique_ptr<QTranslator> qttexts;
    std::unique_ptr<QTranslator> gametexts;
    QString loaded;
};

// The locale that names days and months as the windows speak: the installed catalogues'
// language, English's (C) until one is installed. Numbers and money are written as in English
// whatever it is.
class QLocale;
const QLocale& shownlocale();

// Where the game's catalogues lie: beside the executable in a build folder or a portable copy,
// in the installed data folder otherwise. The start sets them; until then, the executable's
// folder.
const QStringList& cataloguefolders();
void setcataloguefolders(const QStringList& folders);
