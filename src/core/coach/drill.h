#pragma once

#include <QList>
#include <QString>

// The coach's drills by name, as its choices show them and the typing statistics keep them.
inline const QString weakkeysname = QStringLiteral(QT_TRANSLATE_NOOP("Drill", "Weak keys"));
inline const QString weakpairsname = QStringLiteral(QT_TRANSLATE_NOOP("Drill", "Weak pairs"));
inline const QString mistypedname = QStringLiteral(QT_TRANSLATE_NOOP("Drill", "Mistyped entries"));
inline const QString owntextname = QStringLiteral(QT_TRANSLATE_NOOP("Drill", "Own text"));

// The coach shows the confidence of this many keys at the most.
inline constexpr qsizetype mostkeysshown = 12;

// One of the coach's drills: the entries it asks for, in turn, and what the coach says of them.
// It holds no widgets; the window shows the entry and tells the drill when it was typed.
class Drill {
public:
    virtual ~Drill() = default;
    // Goes to the first entry. Returns what the coach tells the player, empty for nothing; a
    // drill with nothing to type is finished at once, and says why.
    virtual QString start() = 0;
    // The entry to type; empty once the drill is finished.
    virtual QString entry() const = 0;
    // The entry in hand was typed, with a wrong key on the way or without. Returns what the coach
    // tells the player, empty for nothing.
    virtual QString typed(bool wrongkey) = 0;
    virtual bool finished() const = 0;
    // The level the typing statistics keep the drill as.
    virtual QString level() const = 0;
    // The keys whose confidence the coach shows while the entry is typed.
    virtual QList<QChar> keys() const = 0;
};

// The characters of an entry, each once and in order, blanks left out, up to `mostkeysshown`.
QList<QChar> entrykeys(const QString& entry);
