#include "stats/todaybar.h"

#include "stats/dailypractice.h"

#include <QAccessible>

#include <algorithm>

TodayBar::TodayBar(QWidget* parent) : QProgressBar(parent) {
    setObjectName(QStringLiteral("todaybar"));
    setAccessibleName(tr("Today's practice"));
    setRange(0, firstgoal);
    setValue(0);
    setFormat(todaytext(0, firstgoal));
    setToolTip(format());
    setAccessibleDescription(format());
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(fontMetrics().horizontalAdvance(todaytext(60 * 60000, mostgoal)) + 16);
}

void TodayBar::follow(DailyPractice* followed) {
    if (practice)
        disconnect(practice, nullptr, this, nullptr);
    practice = followed;
    if (practice)
        connect(practice, &DailyPractice::changed, this, &TodayBar::showtoday);
    showtoday();
}

void TodayBar::showtoday() {
    if (!practice)
        return;
    const int goal = practice->goal();
    const std::int64_t ms = practice->todaymilliseconds();
    const QString text = todaytext(ms, goal);
    if (text == format() && maximum() == goal)
        return;
    setRange(0, goal);
    setValue(static_cast<int>(std::min<std::int64_t>(wholeminutes(ms), goal)));
    setFormat(text);
    setToolTip(text);
    // Read after the name and the share filled, as the bar shows it; the bar tells a new value
    // itself.
    setAccessibleDescription(text);
    if (QAccessible::isActive()) {
        QAccessibleEvent told(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&told);
    }
}
