#pragma once

#include <QPointer>
#include <QWidget>

class CalendarView;
class DailyPractice;
class MonthRuler;
class QLabel;
class QSpinBox;
class TodayBar;

// The statistics window's Calendar page: the practice streak, the goal to set, today's practice,
// and the last 53 weeks of practice as a calendar, with what its shades and marks mean.
class CalendarTab : public QWidget {
    Q_OBJECT
public:
    explicit CalendarTab(QWidget* parent = nullptr);
    void follow(DailyPractice* practice);

    QLabel* streakcaption;
    QLabel* streak;
    QLabel* goalcaption;
    QSpinBox* goal;
    TodayBar* today;
    MonthRuler* months;
    CalendarView* calendar;
    QLabel* legend;
    QLabel* trouble;

private:
    void showpractice();
    QPointer<DailyPractice> practice;
};

// The spin box the goal is set with, in the coach and in the statistics: 5 to 60 minutes in
// steps of 5.
QSpinBox* goalbox(QWidget* parent);
