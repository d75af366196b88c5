#pragma once

#include "sound/soundsettings.h"

#include <QMenu>

class QAction;

// The "Sound" menu: the three switches, the volume and a mute that Ctrl+M turns on and off
// from any window of the game. It takes the settings kept in the program folder when it is
// made, and keeps every change there.
class SoundMenu : public QMenu {
    Q_OBJECT
public:
    explicit SoundMenu(QWidget* parent = nullptr);

    QAction* gamesounds;
    QAction* wrongkeytick;
    QAction* keyclicks;
    QMenu* volumemenu;
    QList<QAction*> volumes; // 25, 50, 75 and 100 %
    QAction* mute;

private:
    void change(const SoundSettings& settings);
    void showsettings(const SoundSettings& settings);
    // What reading sound.dat at start found: whether it is to be left alone, and why.
    SettingsRead filestate;
    bool toldunkept = false;
};
