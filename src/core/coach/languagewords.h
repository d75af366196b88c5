#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// The languages whose word lists the coach ships, by ISO 639-1 code ("en"), with their names.
struct CoachLanguage {
    QString code;
    QString name;
};
const QList<CoachLanguage>& coachlanguages();
// The name of a language the coach has a list of; empty for any other code.
QString languagename(const QString& code);
inline const QString defaultlanguage = QStringLiteral("en");

// A language's words, most frequent first, or why its list could not be had.
struct LanguageWords {
    QString language;
    QStringList words;
    QString error; // for the player; empty when the list was read
};

// A word list: UTF-8, a word a line, most frequent first, after lines starting with #. A line
// that is no word (anything but letters, a hyphen or apostrophe inside) is left out; bytes that
// are no UTF-8, or a list with no word at all, make the list damaged.
inline constexpr qsizetype longestlanguagelist = 2 * 1024 * 1024;
LanguageWords readlanguagewords(QByteArrayView bytes, const QString& language);
// The list the game ships for the language, from `wordlistfolder`.
LanguageWords loadlanguagewords(const QString& language);
// Where the lists lie: compiled into the game; tests point it elsewhere.
extern QString wordlistfolder;

// The language of the drills' words: the one the player chose, else the keyboard layout's where
// the coach has its list, else English; `note` then says why, when the layout has a language.
QString drilllanguage(const QString& chosen, const QString& layoutlanguage, QString& note);

// Whether a word is one a drill may ask: letters, with a hyphen or apostrophe only inside.
bool drillword(QStringView word);
