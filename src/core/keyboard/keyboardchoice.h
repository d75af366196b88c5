#pragma once

#include "common/settingsfile.h"
#include "keyboard/keyboardlayout.h"

#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <optional>

// The layout the player picked for the coach's keyboard drawing, kept in the program folder so
// it holds after a restart: one quoted line, the chooser's key ("de", "us(intl)", or empty for
// the X server's own keymap), read and written by the rule of the settings files
// (common/settingsfile.h).
inline const QString keyboardfilename = QStringLiteral("keyboard.dat");
// One short line; a file any larger is no choice of ours.
inline constexpr qint64 largestkeyboardfile = 4096;
const SettingsFile& keyboardfile();
// The kept choice, for those who only look at it; none when nothing was kept or the file
// cannot be read, and `trouble` then says why when the file is there.
std::optional<QString> keptkeyboard(QString& trouble);
// The same for the coach, which keeps it: a damaged file is set aside and mended at once.
// `said` is what the player is told; `unkept`, that the file is not to be written over.
std::optional<QString> loadkeyboard(QString& said, bool& unkept);
// The choice a file's bytes keep into `key`, none when they keep none (a name no layout can
// have is dropped), and how they read.
Reading readkeyboardchoice(QByteArrayView bytes, std::optional<QString>& key);
// Keeps the choice; false when the file could not be written.
bool keepkeyboard(const QString& key);

// The layout a choice names: "de", "us(intl)", or the system keyboard for the empty choice;
// "us" when it names none that can be compiled (or there is no system keyboard), and an empty
// layout, which still draws the keys, when not even that can be.
KeyboardLayout layoutofchoice(const QString& key);

// Tells every drawing of the player's keyboard (the coach's, the statistics' heat map) that the
// player chose another layout, so they all show one.
class KeyboardChoiceNews : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    static KeyboardChoiceNews* instance();
    void tell(const QString& key) { emit chosen(key); }

signals:
    void chosen(const QString& key);
};
