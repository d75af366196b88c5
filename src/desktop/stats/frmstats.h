#pragma once

#include "stats/statsbook.h"
#include "stats/statssummary.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QCheckBox;
class QFile;
class QThread;
class QLabel;
class QPushButton;
class StatsRecorder;
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

    // Reads "stats.dat" afresh; returns at once, the slices follow as events.
    void load();
    // Reads what is left of the file now, without waiting for the slices.
    void finishloading();
    bool loading() const { return reader != nullptr; }
    // An exercise or race that just ended, already in the file.
    void addrecord(const TypingRecord& record);
    // Tells the window of each record kept, and which career is in play.
    void setrecorder(StatsRecorder* recorder);
    // Writes the records shown to a CSV file the player chooses.
    void exportrecords();

signals:
    // The player asks to practise the key shown (none while no key ranks): the coach opens.
    void practisekeys(QChar key);

public:
    const StatsBook& book() const { return kept; }
    const StatsSummary& summary() const { return shown; }

    QLabel* summarylabel;
    QCheckBox* onlycurrent;
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
    void readslice();
    void refresh();
    void drawprogress();
    void fillentries();

    void weighpairs();
    void takeweights();

    StatsBook kept;
    StatsSummary shown;
    // How common each letter pair is in the coach's words, read away from the window.
    PairWeights weights;
    QPointer<QThread> weigher;
    std::shared_ptr<PairWeights> weighed;
    std::int64_t unreadable = 0;
    // Why stats.dat could not be read, when it is there and could not.
    QString unreadfile;
    std::unique_ptr<StatsReader> reader;
    std::unique_ptr<QFile> file;
    qint64 unreadbytes = 0;
    // Records that ended while the file was still being read.
    QList<TypingRecord> arrived;
    RecordsModel* model;
    QLineSeries* speedseries;
    QLineSeries* accuracyseries;
    QValueAxis* along;
    QValueAxis* wpm;
    QPointer<StatsRecorder> recorder;
};
