#pragma once

#include <QString>
#include <QStringList>

// The languages the windows speak, each named as its speakers name it, English first: the one
// the game is written in, which needs no catalogue.
struct WindowLanguage {
    const char* code; // "de"
    const char* name; // "Deutsch"
};
inline constexpr WindowLanguage windowlanguages[] = {
    {"en", "English"}, {"de", "Deutsch"},  {"fr", "Français"},
    {"es", "Español"}, {"it", "Italiano"}, {"pt", "Português"},
};
inline const QString english = QStringLiteral("en");

// Whether `code` is one of the languages above.
bool speaks(const QString& code);

// The language the windows speak: the player's choice when it names one; for the empty choice,
// "System", the first of the desktop's languages (QLocale::uiLanguages(): "de-DE", "fr", …)
// that the game speaks, English among them, so an English desktop that lists German second
// stays English; English when it speaks none of them.
QString windowlanguage(const QString& choice, const QStringList& uilanguages);
