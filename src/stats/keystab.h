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
// one of the two as a chart and as a heat map on the player's keyboard, and a way to the coach.
class KeysTab : public QStackedWidget {
    Q_OBJECT
public:
    explicit KeysTab(QWidget* parent = nullptr);

    // Shows the keys of a summary; the notice while none ranks yet.
    void showkeys(const StatsSummary& summary);
    void applytheme(bool dark);

    QLabel* notice;
    QChartView* chart;
    QTableWidget* missedtable;
    QTableWidget* slowtable;
    KeyboardView* heatmap;
    QRadioButton* bymiss;
    QRadioButton* bytime;
    QPushButton* practise;

signals:
    void practisekeys();

private:
    void draw();
    void drawchart(const QList<KeyMisses>& keys, bool time);
    void drawheat(bool time);

    QBarSeries* series;
    QBarCategoryAxis* along;
    QValueAxis* measure;
    StatsSummary shown;
};
