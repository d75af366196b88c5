#pragma once

#include "common/settingsfile.h"

#include <QMenu>

class QAction;

// Others, Language: "System", the desktop's language, then each language the windows speak,
// named as its speakers name it. The choice is kept in the program folder (language.dat) and
// taken at the next start; the menu says so at once, in the language chosen.
class LanguageMenu : public QMenu {
    Q_OBJECT
public:
    explicit LanguageMenu(QWidget* parent = nullptr);

    // System first, then English, Deutsch, Français, …; each holds its language's code, System
    // the empty one.
    QList<QAction*> items;

    // What the menu says once `choice` is kept: that it is taken at the next start, in that
    // language (for System, the desktop's) where its catalogue is at hand.
    static QString nextstartmessage(const QString& choice);

private:
    void choose(const QString& choice);
    void showchoice(const QString& choice);
    QString kept;
    // What reading language.dat at start found: whether it is to be left alone, and why.
    SettingsRead filestate;
};
