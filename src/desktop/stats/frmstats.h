#pragma once

#include "stats/statsbook.h"
#include "stats/statssummary.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QThread;
class QLabel;
class QPushButton;
class StatsRecorder;
class TypingHistory;
class QStackedWidget;
class QTableView;
class QTableWidget;
class QTabWidget;
class RecordsModel;
class KeysTab;
class CalendarTab;
class DailyPractice;
class QChartView;
class QLineSeries;
class QValueAxis;

// The typing statistics: a summary, the progress over time, the keys and entries missed most
// and every record. The file is read in slices, so the window answers while a long one loads.
class frmstats : public QWidget {
    Q_OBJECT
public:
    explicit frmstats(QWidget* parent = nullptr);
    ~frmstats() override;

    // Shows the typing history, which is read away from the window the first time it is asked
    // for; returns at once.
    void load();
    // Waits for the history being read, and shows it.
    void finishloading();
    bool loading() const;
    // Tells the window which career is in play.
    void setrecorder(StatsRecorder* recorder);
    // Writes the records shown to a CSV file the player chooses.
    void exportrecords();

signals:
    // The player asks to practise the key shown (none while no key ranks): the coach opens.
    void practisekeys(QChar key);

public:
    const StatsBook& book() const;
    const StatsSummary& summary() const { return shown; }

    QLabel* summarylabel;
    QCheckBox* onlycurrent;
    // Shown once the records hold a layout learnt in the coach: each layout's records apart.
    QLabel* lbllayout;
    QComboBox* layoutbox;
    QPushButton* exportbutton;
    QStackedWidget* pages;
    QLabel* emptylabel;
    QTabWidget* tabs;
    QChartView* progresschart;
    KeysTab* keys;
    QStackedWidget* keyspages;
    QLabel* keysnotice;
    QChartView* keyschart;
    QTableWidget* keystable;
    QTableWidget* entriestable;
    QTableView* recordstable;
    CalendarTab* calendar;
    // Today's practice, the streak and the calendar, of every career.
    DailyPractice* practice;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applytheme();
    void recordsread();
    void refresh();
    // The layouts the records hold, the one shown kept; what is shown.
    StatsChoice showlayouts(StatsChoice choice);
    void drawprogress();
    void fillentries();

    void weighpairs();
    void takeweights();

    // Every record, shared with the other windows.
    QPointer<TypingHistory> history;
    StatsSummary shown;
    // How common each letter pair is in the coach's words, read away from the window.
    PairWeights weights;
    QPointer<QThread> weigher;
    std::shared_ptr<PairWeights> weighed;
    RecordsModel* model;
    QLineSeries* speedseries;
    QLineSeries* accuracyseries;
    QValueAxis* along;
    QValueAxis* wpm;
    QPointer<StatsRecorder> recorder;
    // The captions of the layouts learnt, by key, read from the system's list once one is shown.
    QHash<QString, QString> layoutcaptions;
};
