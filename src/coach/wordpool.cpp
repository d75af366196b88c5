#include "coach/wordpool.h"

#include "stats/keystrokes.h"

namespace {

// Longer runs are no words anyone practises: a line of a binary file, a pasted link.
constexpr qsizetype longestword = 30;

void bump(QHash<QChar, std::int64_t>& table, QChar key) {
    std::int64_t& count = table[key];
    count = addsaturated(count, 1);
}

} // namespace

void WordPool::addtexts(const QStringList& texts, qsizetype most) {
    qsizetype taken = 0;
    for (const QString& text : texts) {
        if (taken >= most)
            return;
        qsizetype start = -1;
        bool first = true;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            const bool blank = i == text.size() || text[i].isSpace();
            if (!blank && start < 0)
                start = i;
            if (blank && start >= 0) {
                taken += addword(text.mid(start, i - start)) ? 1 : 0;
                start = -1;
                // The blank between two words is a key typed too.
                if (!first)
                    bump(counts, QLatin1Char(' '));
                first = false;
            }
        }
    }
}

bool WordPool::addword(const QString& word) {
    if (word.size() > longestword || seen.contains(word))
        return false;
    for (QChar c : word)
        if (c.category() == QChar::Other_Control || c.isSurrogate())
            return false;
    seen.insert(word);
    list.append(word);
    QChar previous; // the word's start
    for (QChar c : word) {
        bump(counts, c);
        bump(after[previous], c);
        bump(before[c], previous);
        previous = c;
    }
    bump(after[previous], QChar());
    bump(before[QChar()], previous);
    return true;
}
