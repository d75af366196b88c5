#include "levels.h"

const std::array<PracticeLevel, 5>& practicelevels() {
    // The button and the result name differ on purpose for the first two levels.
    static const std::array<PracticeLevel, 5> levels = {{
        {QStringLiteral("Beginner"), QStringLiteral("Easy"), QStringLiteral("easy.txt"), 5, 1},
        {QStringLiteral("Coming along well"), QStringLiteral("Coming Along Well"),
         QStringLiteral("well.txt"), 4, 2},
        {QStringLiteral("Average"), QStringLiteral("Average"), QStringLiteral("avg.txt"), 3, 3},
        {QStringLiteral("Above Average"), QStringLiteral("Above Average"),
         QStringLiteral("aavg.txt"), 2, 4},
        {QStringLiteral("Expert"), QStringLiteral("Expert"), QStringLiteral("dif.txt"), 2, 5},
    }};
    return levels;
}
