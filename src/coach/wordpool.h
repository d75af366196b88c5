#pragma once

#include <QChar>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>

// The words drills are made of, gathered once from the word files and the player's own texts:
// each distinct word, how often each character comes, and which letter follows which.
class WordPool {
public:
    // Splits every entry at blanks; a word is kept once, however often it comes. Stops once
    // `most` new words were taken: a long book has all the words a drill needs in its first
    // pages, and reading every one of a million would keep the player waiting.
    void addtexts(const QStringList& texts, qsizetype most = 20000);
    const QStringList& words() const { return list; }
    const QHash<QChar, std::int64_t>& frequency() const { return counts; }
    // How often `next` followed `key` within a word; a null QChar stands for the word's edge.
    const QHash<QChar, QHash<QChar, std::int64_t>>& following() const { return after; }
    const QHash<QChar, QHash<QChar, std::int64_t>>& preceding() const { return before; }

private:
    bool addword(const QString& word);
    QStringList list;
    QSet<QString> seen;
    QHash<QChar, std::int64_t> counts;
    QHash<QChar, QHash<QChar, std::int64_t>> after;
    QHash<QChar, QHash<QChar, std::int64_t>> before;
};
