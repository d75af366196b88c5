#pragma once

#include <QList>
#include <QString>

class QWidget;

// A text a window shows or a screen reader reads, and where: "frmcomp: country (QLabel)".
struct ShownText {
    QString where;
    QString text;
};

// Every text of `window` and its controls a player reads or hears: titles, captions, menus'
// items, tab and list headers, the items of choices, placeholders, tooltips, accessible names
// and descriptions. What lists and typing boxes hold is the player's or the files' own, and left
// out.
QList<ShownText> showntexts(QWidget* window);

// The labels and buttons of `window`, shown, that are narrower or lower than their text needs:
// "frmcomp: go (QPushButton) 'Fly away' needs 61 px, has 50".
QStringList cuttexts(QWidget* window);
