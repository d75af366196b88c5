#pragma once

#include "keyboard/keyboardchooser.h"

#include <QList>
#include <QString>

// A layout the coach can teach on the keyboard the player has: its key as the keyboard chooser
// names it ("us(dvorak)"), empty for the desktop's own, and its caption.
struct LearnChoice {
    QString key;
    QString caption;
    bool operator==(const LearnChoice&) const = default;
};

// The rows of "Layout to learn:": the desktop's layout first, then the alternatives players ask
// for most (US Dvorak, Colemak, Colemak-DH, Workman, French BÉPO, German Neo 2, then Dvorak for
// other languages), then every other layout in the chooser's order.
QList<LearnChoice> learnchoices(const QList<KeyboardLayoutName>& names);

// The layout key of a row kept in the plan, as the choices name it; the row, or -1.
int learnrow(const QList<LearnChoice>& choices, const QString& key);
