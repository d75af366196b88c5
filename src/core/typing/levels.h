#pragma once

#include <QString>

#include <array>

// One level of typing practice: what its option button reads, what the result calls it, the
// word file it draws from, how much of the file an exercise may leave out and what it earns.
struct PracticeLevel {
    QString caption;
    QString name;
    QString file;
    int divisor;
    int points;
};

// Levels 1 to 5, in the order of their option buttons.
const std::array<PracticeLevel, 5>& practicelevels();

// The caption and the name as the player reads them, in the language shown.
QString shownlevelcaption(const PracticeLevel& level);
QString shownlevelname(const PracticeLevel& level);
