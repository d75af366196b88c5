#include "stats/frmstats.h"

#include "common/controls.h"
#include "common/dialogs.h"
#include "common/layout.h"
#include "keyboard/keyboardview.h"
#include "keyboard/learnchoices.h"
#include "stats/calendartab.h"
#include "stats/dailypractice.h"
#include "stats/keystab.h"
#include "stats/statsexport.h"
#include "stats/statsrecorder.h"
#include "stats/statswidgets.h"
#include "stats/typinghistory.h"

#include <QAbstractTableModel>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Far more points than a chart can show apart: more records are averaged in groups.
constexpr qsizetype mostpoints = 400;
// Records shown one by one up to here draw each as a point too, so a few stand out.
constexpr qsizetype mostmarkedpoints = 60;

// `many` holds %n, so each language counts by its own rule (French's "0 course"). Qt counts in
// int: a larger count takes the form of the largest and keeps its own digits.
QString counted(std::int64_t n, const char* one, const char* many) {
    if (n == 1)
        return QString::number(n) + QLatin1Char(' ') + QCoreApplication::translate("frmstats", one);
    const int form =
        static_cast<int>(std::clamp<std::int64_t>(n, 0, std::numeric_limits<int>::max()));
    const QString said = QCoreApplication::translate("frmstats", many, nullptr, form);
    return n == form ? said : QString(said).replace(QString::number(form), QString::number(n));
}

// "3 exercises and 1 race", with the coach's drills named only once there are some.
QString recordedtext(const StatsSummary& shown) {
    const QString exercises = counted(shown.exercises, QT_TRANSLATE_NOOP("frmstats", "exercise"),
                                      QT_TRANSLATE_N_NOOP("frmstats", "%n exercises"));
    const QString races = counted(shown.races, QT_TRANSLATE_NOOP("frmstats", "race"),
                                  QT_TRANSLATE_N_NOOP("frmstats", "%n races"));
    if (shown.drills == 0)
        return QCoreApplication::translate("frmstats", "%1 and %2").arg(exercises, races);
    return QCoreApplication::translate("frmstats", "%1, %2 and %3")
        .arg(exercises, races,
             counted(shown.drills, QT_TRANSLATE_NOOP("frmstats", "drill"),
                     QT_TRANSLATE_N_NOOP("frmstats", "%n drills")));
}

} // namespace

// Every record, newest first; rows are made only as the view shows them, so a hundred
// thousand cost no more to show than ten.
class RecordsModel : public QAbstractTableModel {
public:
    RecordsModel(const StatsBook& book, QObject* parent)
        : QAbstractTableModel(parent), book(book) {}

    void show(const QList<qsizetype>& rows) {
        beginResetModel();
        shown = rows;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(shown.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(recordcolumns().size());
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section < recordcolumns().size())
            return QCoreApplication::translate("StatsExport", recordcolumns()[section].toUtf8());
        return QAbstractTableModel::headerData(section, o, role);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return recordcell(book, book.rows()[shown[shown.size() - 1 - index.row()]], index.column());
    }

private:
    const StatsBook& book;
    QList<qsizetype> shown;
};

frmstats::frmstats(QWidget* parent) : QWidget(parent), history(TypingHistory::shared()) {
    setupsidewindow(this, "frmstats", tr("Typing Statistics"));
    // Fits a 1280 x 720 screen with a panel and the title bar.
    resize(twips(17400), twips(9000));
    closeonescape(this);
    auto* layout = new QVBoxLayout(this);

    summarylabel = new QLabel(this);
    summarylabel->setObjectName(QStringLiteral("summarylabel"));
    summarylabel->setTextFormat(Qt::PlainText);
    summarylabel->setWordWrap(true);
    // No accessible name: a screen reader reads the figures themselves, not a word for them.
    layout->addWidget(summarylabel);
    onlycurrent = new QCheckBox(tr("Only the &current career"), this);
    onlycurrent->setObjectName(QStringLiteral("onlycurrent"));
    onlycurrent->setAccessibleName(tr("Only the current career"));
    exportbutton = new QPushButton(tr("E&xport..."), this);
    exportbutton->setObjectName(QStringLiteral("exportbutton"));
    exportbutton->setAccessibleName(tr("Export..."));
    layoutbox = captionedbox(this, tr("Layout:"), "lbllayout", "layoutbox", lbllayout);
    layoutbox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lbllayout->hide();
    layoutbox->hide();
    auto* choices = new QHBoxLayout;
    choices->addWidget(onlycurrent, 1);
    choices->addWidget(lbllayout);
    choices->addWidget(layoutbox);
    choices->addSpacing(twips(240));
    choices->addWidget(exportbutton);
    layout->addLayout(choices);
    // Tab follows the row as it reads.
    setTabOrder(onlycurrent, layoutbox);
    setTabOrder(layoutbox, exportbutton);

    pages = new QStackedWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    layout->addWidget(pages, 1);
    emptylabel = new QLabel(pages);
    emptylabel->setObjectName(QStringLiteral("emptylabel"));
    emptylabel->setTextFormat(Qt::PlainText);
    emptylabel->setWordWrap(true);
    emptylabel->setAlignment(Qt::AlignCenter);
    pages->addWidget(emptylabel);
    tabs = new QTabWidget(pages);
    tabs->setObjectName(QStringLiteral("tabs"));
    // Else a screen reader meets the row of tabs as a nameless filler.
    tabs->setAccessibleName(tr("Statistics pages"));
    pages->addWidget(tabs);

    auto* progress = new QChart;
    speedseries = new QLineSeries(progress);
    speedseries->setName(tr("Speed (WPM)"));
    speedseries->setMarkerSize(9);
    accuracyseries = new QLineSeries(progress);
    accuracyseries->setName(tr("Accuracy (%)"));
    accuracyseries->setMarkerSize(9);
    progress->addSeries(speedseries);
    progress->addSeries(accuracyseries);
    along = new QValueAxis(progress);
    along->setTitleText(tr("Exercise, race or drill, oldest first"));
    along->setLabelFormat(QStringLiteral("%d"));
    wpm = new QValueAxis(progress);
    wpm->setTitleText(tr("Speed (WPM)"));
    auto* accuracy = new QValueAxis(progress);
    accuracy->setTitleText(tr("Accuracy (%)"));
    roundticks(accuracy, 100, 5);
    progress->addAxis(along, Qt::AlignBottom);
    progress->addAxis(wpm, Qt::AlignLeft);
    progress->addAxis(accuracy, Qt::AlignRight);
    speedseries->attachAxis(along);
    speedseries->attachAxis(wpm);
    accuracyseries->attachAxis(along);
    accuracyseries->attachAxis(accuracy);
    progresschart = chartview(tabs, "progresschart", tr("Speed and accuracy over time"), progress);
    tabs->addTab(progresschart, tr("&Progress"));

    keys = new KeysTab(tabs);
    keyspages = keys;
    keysnotice = keys->notice;
    keyschart = keys->chart;
    keystable = keys->missedtable;
    connect(keys, &KeysTab::practisekeys, this, &frmstats::practisekeys);
    tabs->addTab(keyspages, tr("&Keys"));

    entriestable = table(tabs, "entriestable", tr("Entries mistyped most"),
                         {tr("Entry"), tr("Times mistyped")});
    // The entry takes the spare width: phrases are long, the count short.
    entriestable->horizontalHeader()->setStretchLastSection(false);
    entriestable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tabs->addTab(entriestable, tr("&Entries"));

    recordstable = new QTableView(tabs);
    recordstable->setObjectName(QStringLiteral("recordstable"));
    recordstable->setAccessibleName(tr("Records"));
    model = new RecordsModel(book(), this);
    recordstable->setModel(model);
    readonlytable(recordstable);
    recordstable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Widths from the longest texts a column holds, not from the rows: measuring a hundred
    // thousand rows would cost more than showing them.
    QHeaderView* header = recordstable->horizontalHeader();
    const QStringList widest{QStringLiteral("0000-00-00 00:00"),
                             QString(),
                             QStringLiteral("Practice"),
                             QStringLiteral("Coming Along Well"),
                             QStringLiteral("Completed"),
                             QString(),
                             QString(),
                             QString()};
    for (int c = 0; c < widest.size(); ++c) {
        const int text =
            std::max(recordstable->fontMetrics().horizontalAdvance(widest[c]),
                     header->fontMetrics().horizontalAdvance(
                         QCoreApplication::translate("StatsExport", recordcolumns()[c].toUtf8())));
        header->resizeSection(c, text + 3 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 12);
    }
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    tabs->addTab(recordstable, tr("&Records"));

    practice = DailyPractice::shared();
    calendar = new CalendarTab(tabs);
    calendar->follow(practice);
    tabs->addTab(calendar, tr("C&alendar"));

    connect(history, &TypingHistory::loaded, this, &frmstats::recordsread);
    connect(history, &TypingHistory::added, this, &frmstats::refresh);
    connect(onlycurrent, &QCheckBox::toggled, this, &frmstats::refresh);
    connect(layoutbox, &QComboBox::activated, this, &frmstats::refresh);
    connect(exportbutton, &QPushButton::clicked, this, &frmstats::exportrecords);
    applytheme();
    refresh();
}

void frmstats::setrecorder(StatsRecorder* r) {
    recorder = r;
}

void frmstats::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applytheme();
}

// The charts draw their own background and text: both follow whether the window is dark.
void frmstats::applytheme() {
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    const QChart::ChartTheme theme = dark ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    if (progresschart->chart()->theme() != theme)
        progresschart->chart()->setTheme(theme);
    keys->applytheme(dark);
}

void frmstats::exportrecords() {
    const QString path = savefilebox(tr("Export Typing Statistics"),
                                     QDir::home().filePath(QStringLiteral("typing-statistics.csv")),
                                     tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray bytes = statscsv(book(), shown.shown);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return;
    msgbox(
        tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), file.errorString()),
        MsgIcon::Exclamation, tr("Export Typing Statistics"));
}

frmstats::~frmstats() = default;

void frmstats::load() {
    history->load();
    if (history->isloaded()) {
        recordsread();
        return;
    }
    pages->setCurrentWidget(emptylabel);
    emptylabel->setText(tr("Reading the records…"));
    summarylabel->clear();
}

void frmstats::recordsread() {
    refresh();
    // Once the records are in: on two cores it would slow their reading down.
    if (!weighed && weights.isEmpty())
        weighpairs();
}

void frmstats::weighpairs() {
    // The coach's language may need xkeyboard-config's registry, and its words a moment.
    auto read = std::make_shared<PairWeights>();
    weighed = read;
    QThread* worker = QThread::create([read, layout = keys->heatmap->layout().description()] {
        *read = drilledpairweights(layout);
    });
    weigher = worker;
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, &frmstats::takeweights);
    worker->start();
}

void frmstats::takeweights() {
    if (!weighed)
        return;
    weights = std::move(*weighed);
    weighed.reset();
    refresh();
}

void frmstats::finishloading() {
    history->finishloading();
    if (weigher)
        weigher->wait();
    takeweights();
}

bool frmstats::loading() const {
    return history->loading();
}

const StatsBook& frmstats::book() const {
    return history->records().book;
}

void frmstats::refresh() {
    exportbutton->setEnabled(false);
    // Until the file is read there is nothing to narrow; its end shows the choice made meanwhile.
    if (!history->isloaded())
        return;
    StatsChoice choice;
    if (onlycurrent->isChecked())
        choice.career = statstext(recorder ? recorder->career() : QString());
    if (layoutbox->currentIndex() > 0)
        choice.layout = layoutbox->currentData().toString();
    choice = showlayouts(choice);
    const StatsHistory& records = history->records();
    keys->showlearnt(choice.layout.value_or(QString()));
    shown = summarise(records.book, choice, 10, 20, weights);
    const QString& unreadfile = records.trouble;
    emptylabel->setText(unreadfile.isEmpty() ? tr("No exercise or race recorded yet.")
                                             : unreadfile);
    pages->setCurrentWidget(shown.shown.isEmpty() ? static_cast<QWidget*>(emptylabel) : tabs);
    exportbutton->setEnabled(!shown.shown.isEmpty());
    QString text;
    if (!shown.shown.isEmpty())
        text = tr("%1 recorded, %2 of typing. Average speed %3 WPM, best %4 WPM; "
                  "accuracy of the last ten %5.")
                   .arg(recordedtext(shown), durationtext(shown.tally.milliseconds),
                        speedtext(shown.averagespeed), speedtext(shown.bestspeed),
                        shown.recentaccuracy ? percenttext(*shown.recentaccuracy) : tr("unknown"));
    if (records.unreadable > 0)
        text +=
            (text.isEmpty() ? QString() : QStringLiteral(" ")) +
            counted(records.unreadable, QT_TRANSLATE_NOOP("frmstats", "unreadable line skipped."),
                    QT_TRANSLATE_N_NOOP("frmstats", "%n unreadable lines skipped."));
    if (!unreadfile.isEmpty() && !shown.shown.isEmpty())
        text += QLatin1Char(' ') + unreadfile;
    summarylabel->setText(text);
    model->show(shown.shown);
    drawprogress();
    keys->showkeys(shown);
    fillentries();
}

StatsChoice frmstats::showlayouts(StatsChoice choice) {
    const QStringList layouts = book().layouts();
    // Nothing to choose until a layout is learnt in the coach.
    const bool learnt = !layouts.isEmpty() && !layouts.last().isEmpty();
    lbllayout->setVisible(learnt);
    layoutbox->setVisible(learnt);
    if (!learnt) {
        layoutbox->clear();
        choice.layout.reset();
        return choice;
    }
    QStringList listed;
    for (int row = 1; row < layoutbox->count(); ++row)
        listed.append(layoutbox->itemData(row).toString());
    const QSignalBlocker quiet(layoutbox);
    if (listed != layouts) {
        if (layoutcaptions.isEmpty())
            for (const LearnChoice& offered : learnchoices(xkblayoutnames()))
                layoutcaptions.insert(offered.key, offered.caption);
        layoutbox->clear();
        layoutbox->addItem(tr("All layouts"));
        for (const QString& layout : layouts)
            layoutbox->addItem(layoutcaptions.value(layout, layout), layout);
    }
    // "All layouts" has no key; the desktop's, the empty one.
    const auto row = choice.layout ? layouts.indexOf(*choice.layout) + 1 : 0;
    layoutbox->setCurrentIndex(static_cast<int>(row));
    if (row == 0)
        choice.layout.reset();
    return choice;
}

void frmstats::drawprogress() {
    const qsizetype n = shown.shown.size();
    const qsizetype groups = std::min(n, mostpoints);
    QList<QPointF> speeds;
    QList<QPointF> accuracies;
    double topspeed = 10;
    for (qsizetype g = 0; g < groups; ++g) {
        const qsizetype from = g * n / groups;
        const qsizetype to = (g + 1) * n / groups;
        TypingTally group;
        for (qsizetype i = from; i < to; ++i)
            group.add(book().rows()[shown.shown[i]].tally);
        const double speed = wordsperminute(group);
        speeds.append({static_cast<double>(to), speed});
        accuracies.append({static_cast<double>(to), accuracypercent(group)});
        topspeed = std::max(topspeed, speed);
    }
    speedseries->replace(speeds);
    accuracyseries->replace(accuracies);
    const bool few = n <= mostmarkedpoints;
    speedseries->setPointsVisible(few);
    accuracyseries->setPointsVisible(few);
    // Record numbers count from 1; a spare one at the end keeps the last point off the edge.
    roundticks(along, static_cast<double>(few ? n + 1 : n), 10);
    // Headroom above the fastest, so its point is not cut by the chart's edge.
    roundticks(wpm, topspeed * 1.1, 6);
}

void frmstats::fillentries() {
    entriestable->setRowCount(static_cast<int>(shown.entries.size()));
    for (int i = 0; i < shown.entries.size(); ++i)
        setrow(entriestable, i, {shown.entries[i].entry, QString::number(shown.entries[i].times)});
}
