#include "levels.h"

#include <QCoreApplication>

const std::array<PracticeLevel, 5>& practicelevels() {
    // The button and the result name differ on purpose for the first two levels. Both are kept
    // in English: the name is also the level word of the statistics file.
    static const std::array<PracticeLevel, 5> levels = {{
        {QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Beginner")),
         QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Easy")), QStringLiteral("easy.txt"), 5,
         1},
        {QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Coming along well")),
         QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Coming Along Well")),
         QStringLiteral("well.txt"), 4, 2},
        {QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Average")),
         QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Average")), QStringLiteral("avg.txt"), 3,
         3},
        {QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Above Average")),
         QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Above Average")),
         QStringLiteral("aavg.txt"), 2, 4},
        {QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Expert")),
         QLatin1String(QT_TRANSLATE_NOOP("PracticeLevel", "Expert")), QStringLiteral("dif.txt"), 2,
         5},
    }};
    return levels;
}

QString shownlevelcaption(const PracticeLevel& level) {
    return QCoreApplication::translate("PracticeLevel", level.caption.toLatin1().constData());
}

QString shownlevelname(const PracticeLevel& level) {
    return QCoreApplication::translate("PracticeLevel", level.name.toLatin1().constData());
}
