#pragma once

#include "stats/statssummary.h"

#include <QStackedWidget>

class KeyboardView;
class QBarCategoryAxis;
class QBarSeries;
class QChartView;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QValueAxis;

// The statistics window's Keys tab: the keys missed most and the slowest keys, each as a table,
// one of the two as a chart and as a heat map on the player's keyboard, the slowest letter pairs
// in a table of their own, and a way to the coach.
class KeysTab : public QStackedWidget {
    Q_OBJECT
public:
    explicit KeysTab(QWidget* parent = nullptr);

    // Shows the keys of a summary; the notice while none ranks yet.
    void showkeys(const StatsSummary& summary);
    // The key the tab puts first: the row picked in the table shown, else its top row; none
    // while no key ranks.
    QChar shownkey() const;
    void applytheme(bool dark);
    // The heat map on a layout learnt in the coach whose records are shown; empty for the
    // coach's keyboard.
    void showlearnt(const QString& key);

    QLabel* notice;
    QChartView* chart;
    QTableWidget* missedtable;
    QTableWidget* slowtable;
    QTableWidget* pairtable;    // the slowest letter pairs
    QTableWidget* insteadtable; // keys typed instead of those due, most often first
    KeyboardView* heatmap;
    QRadioButton* bymiss;
    QRadioButton* bytime;
    QPushButton* practise;

signals:
    // The player asks to practise `key`, which may be none.
    void practisekeys(QChar key);

private:
    void draw();
    void drawchart(const QList<KeyMisses>& keys, bool time);
    void drawheat(bool time);
    // The heat map on the layout of a choice as the coach keeps it.
    void showlayout(const QString& key);

    QBarSeries* series;
    QBarCategoryAxis* along;
    QValueAxis* measure;
    StatsSummary shown;
    QString layoutkey; // empty for the system keyboard
    QString learntkey; // empty when none is shown
};
