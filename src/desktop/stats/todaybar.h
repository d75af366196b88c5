#pragma once

#include <QPointer>
#include <QProgressBar>

class DailyPractice;

// Today's practice against the goal, "Today: 6 of 10 min", as a bar that fills up to the goal.
// A screen reader reads it with its value: its name says what it is, its text how far it is.
class TodayBar : public QProgressBar {
    Q_OBJECT
public:
    explicit TodayBar(QWidget* parent = nullptr);
    void follow(DailyPractice* practice);

private:
    void showtoday();
    QPointer<DailyPractice> practice;
};
