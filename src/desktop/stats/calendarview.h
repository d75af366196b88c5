#pragma once

#include "stats/practicecalendar.h"

#include <QAbstractTableModel>
#include <QTableView>

// The practice calendar's days as a table: a row a weekday, Monday first, a column a week, the
// oldest first. Each day is named to a screen reader by its date and described by its figures,
// and shows them in its tooltip; the days after today are none.
class CalendarModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setcalendar(const PracticeCalendar& calendar);
    const CalendarDay* day(const QModelIndex& index) const;
    QModelIndex indexof(QDate date) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    PracticeCalendar shown;
};

// The calendar drawn as boxes on the ground, shaded by the share of the goal met, today
// outlined, frozen days crossed; the arrow keys move between the days, the month names above.
class CalendarView : public QTableView {
    Q_OBJECT
public:
    explicit CalendarView(QWidget* parent = nullptr);
    void setcalendar(const PracticeCalendar& calendar);
    CalendarModel* days() const { return model; }
    // Each day's room, its box and the room around it for the outlines.
    int cellsize() const { return cell; }
    // Where the first week's column begins.
    int weeksleft() const;

private:
    CalendarModel* model;
    int cell;
};

// The months' names above the calendar's weeks, each over the week its first day falls in.
class MonthRuler : public QWidget {
public:
    explicit MonthRuler(const CalendarView* view, QWidget* parent = nullptr);
    void setcalendar(const PracticeCalendar& calendar);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CalendarView* view;
    QList<std::pair<int, QString>> months; // week and name
};
