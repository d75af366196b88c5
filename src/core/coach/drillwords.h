#pragma once

#include <QChar>
#include <QHash>
#include <QStringList>

#include <cstdint>

class SeededDraw;

// A language's words for drills, most frequent first, and a letter model of them: how often
// each letter follows each pair of letters within a word, for made-up words that read like the
// language's own.
class DrillWords {
public:
    DrillWords() = default;
    explicit DrillWords(QStringList ranked);
    const QStringList& words() const { return list; }

    // A made-up word of three to eight of the letters `allowed` (lower case), holding `key`, no
    // letter three times in a row, walked through the letter model; empty when none could be
    // made without a pair the model lacks. Each call draws anew. `first`: the key begins it.
    QString madeup(QChar key, const QString& allowed, SeededDraw& draw, bool first = false) const;
    // Whether the model has every step of the word, from its start to its end.
    bool modelled(const QString& word) const;

private:
    using Table = QHash<QChar, std::int64_t>;
    static quint32 pair(QChar a, QChar b) { return (quint32(a.unicode()) << 16) | b.unicode(); }
    QString walk(QChar first, const QString& allowed, SeededDraw& draw) const;
    QStringList list;
    QHash<quint32, Table> after; // by the two letters before; a null QChar is the word's edge
};
