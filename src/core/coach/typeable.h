#pragma once

#include <QList>
#include <QString>

#include <functional>

// An own text as a reader would type it: curly quotes become straight ones, dashes a hyphen, an
// ellipsis three dots, a no-break or other wide space a blank.
QString readabletext(QString text);

// An entry as the player's keyboard can type it. A letter the layout lacks (é on a US keyboard)
// stays, and its base letter (e) is taken for it; a letter with no base letter is spelled as its
// languages spell it without it (œ as oe, æ as ae, ß as ss); a character that can't be typed
// even so is left out, and `skipped` says which.
struct TypeableEntry {
    QString entry;
    QString skipped;        // each character left out, once
    QList<qsizetype> based; // where a base letter is taken for the letter shown

    // What the typing box holds, with each base letter typed where the entry shows its
    // accented letter taken as that letter.
    QString accepted(const QString& typed) const;
};
// `cantype` tells whether the keyboard types a character (one, or a surrogate pair).
TypeableEntry typeableentry(const QString& entry,
                            const std::function<bool(const QString&)>& cantype);
