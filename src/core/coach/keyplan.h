#pragma once

#include "coach/confidence.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// What the player turned on beyond the letters.
struct Stages {
    bool capitals = false;
    bool digits = false;
    bool punctuation = false;
    bool symbols = false; // the symbols programmers type
    bool operator==(const Stages&) const = default;
};

// The letters of a language's words, most frequent first; lower case only.
QList<QChar> letterorder(const QStringList& words);
// Every key the coach teaches, in the order they join: the letters, then the stages turned on,
// each in its own order (capitals as their letters, digits from 1, punctuation as often as text
// holds it, symbols as often as code does), none twice.
QList<QChar> keyorder(const QList<QChar>& letters, const Stages& stages);

// The symbols programmers type, in the order the Symbols stage brings them: as often as C, C++,
// Python, shell and JavaScript sources hold them, each language weighed alike.
inline const QString programmersymbols = QStringLiteral("_=/*-#&{}$>[]<|+\\@`%^~");

// `stages` with the stage turned on that brings `key` (a capital, a digit, a punctuation mark),
// when the letters alone do not hold it; as they were when no stage holds it.
Stages withstageof(QChar key, const QList<QChar>& letters, Stages stages);

// A new player starts with this many keys.
inline constexpr qsizetype firstkeys = 6;

// The keys in play, in the order they joined: those kept from before and the first six, then,
// while every key in play passed (reached the target, or is held: see keytries.h), the next one
// in order. A key never typed has not passed, so it stops the next from joining: keys join one
// by one.
QString keysinplay(const QList<QChar>& order, const QString& kept,
                   const std::function<bool(QChar)>& passed);

// The keys a drill trains: the focus and the next two weakest, all of them in play; and the key
// the player most often mixes up with the focus, drilled in the words beside it.
struct FocusChoice {
    QChar focus;
    QList<QChar> others;
    QChar mixed = {};
};

// A mix-up counts once the two keys were typed for each other this many times.
inline constexpr std::int64_t fewestmixups = 3;
// The key of `among` (of the focus's kind: a letter for a letter) most often typed for `key`
// or typed when `key` was due, counting both ways; none under `fewestmixups`. Ties go to the
// lower key.
QChar mixedwith(QChar key, const QHash<quint32, std::int64_t>& instead, const QString& among);

// `keys` without those in `leftout`.
QString withoutkeys(const QString& keys, const QString& leftout);

// The key in play of lowest confidence, or `chosen` when the player chose one in play; then the
// next two weakest. Ties go to the key that joined first.
FocusChoice choosefocus(const QString& inplay, const std::function<double(QChar)>& confidence,
                        QChar chosen = {});
