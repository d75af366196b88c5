#include "stats/frmstats.h"

#include "career/form1.h"
#include "common/layout.h"
#include "common/programfolder.h"
#include "common/textfile.h"
#include "common/watchlabel.h"

#include <QAbstractTableModel>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPointer>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Far more points than a chart can show apart: more records are averaged in groups.
constexpr qsizetype mostpoints = 400;
// Each slice of reading stops after this long, so events wait no longer.
constexpr qint64 slicemilliseconds = 8;
// The file is read a part at a time, each soon read.
constexpr qint64 partbytes = 1 << 20;

QString percent(double value) {
    return QString::number(std::lround(value)) + QStringLiteral(" %");
}

QString speedtext(double wpm) {
    return QString::number(wpm, 'f', 1);
}

QString keyname(QChar key) {
    if (key == QLatin1Char(' '))
        return QStringLiteral("Space");
    return QString(key);
}

QTableWidget* table(QWidget* parent, const char* name, const QString& caption,
                    const QStringList& columns) {
    auto* t = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    t->setObjectName(QLatin1String(name));
    t->setAccessibleName(caption);
    t->setHorizontalHeaderLabels(columns);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setrow(QTableWidget* t, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c)
        t->setItem(row, c, new QTableWidgetItem(cells[c]));
}

QString counted(std::int64_t n, const char* one, const char* many) {
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

QChartView* chartview(QWidget* parent, const char* name, const QString& caption, QChart* chart) {
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QLatin1String(name));
    view->setAccessibleName(caption);
    view->setRenderHint(QPainter::Antialiasing);
    chart->setTitle(caption);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return view;
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
        return parent.isValid() ? 0 : static_cast<int>(headers.size());
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section < headers.size())
            return headers[section];
        return QAbstractTableModel::headerData(section, o, role);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const StatsRow& r = book.rows()[shown[shown.size() - 1 - index.row()]];
        switch (index.column()) {
        case 0:
            return r.day.toString(QStringLiteral("yyyy-MM-dd ")) +
                   r.time.toString(QStringLiteral("HH:mm"));
        case 1:
            return book.text(r.career);
        case 2:
            return book.text(r.activity);
        case 3:
            return book.text(r.level);
        case 4:
            return book.text(r.result);
        case 5:
            return speedtext(r.speed());
        case 6:
            return percent(r.accuracy());
        case 7:
            return QString::number(r.totals.corrections);
        }
        return {};
    }

private:
    const StatsBook& book;
    QList<qsizetype> shown;
    const QStringList headers{QStringLiteral("Date"),     QStringLiteral("Career"),
                              QStringLiteral("Activity"), QStringLiteral("Level"),
                              QStringLiteral("Result"),   QStringLiteral("Speed (WPM)"),
                              QStringLiteral("Accuracy"), QStringLiteral("Mistakes")};
};

frmstats::frmstats(QWidget* parent) : QWidget(parent) {
    setupsidewindow(this, "frmstats", QStringLiteral("Typing Statistics"));
    resize(twips(13500), twips(10500));
    auto* layout = new QVBoxLayout(this);

    summarylabel = new QLabel(this);
    summarylabel->setObjectName(QStringLiteral("summarylabel"));
    summarylabel->setTextFormat(Qt::PlainText);
    summarylabel->setWordWrap(true);
    summarylabel->setAccessibleName(QStringLiteral("Summary"));
    layout->addWidget(summarylabel);
    onlycurrent = new QCheckBox(QStringLiteral("Only the &current career"), this);
    onlycurrent->setObjectName(QStringLiteral("onlycurrent"));
    onlycurrent->setAccessibleName(QStringLiteral("Only the current career"));
    layout->addWidget(onlycurrent);

    pages = new QStackedWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    layout->addWidget(pages, 1);
    emptylabel = new QLabel(pages);
    emptylabel->setObjectName(QStringLiteral("emptylabel"));
    emptylabel->setAlignment(Qt::AlignCenter);
    pages->addWidget(emptylabel);
    tabs = new QTabWidget(pages);
    tabs->setObjectName(QStringLiteral("tabs"));
    pages->addWidget(tabs);

    auto* progress = new QChart;
    speedseries = new QLineSeries(progress);
    speedseries->setName(QStringLiteral("Speed (WPM)"));
    accuracyseries = new QLineSeries(progress);
    accuracyseries->setName(QStringLiteral("Accuracy (%)"));
    progress->addSeries(speedseries);
    progress->addSeries(accuracyseries);
    along = new QValueAxis(progress);
    along->setTitleText(QStringLiteral("Exercise or race, oldest first"));
    along->setLabelFormat(QStringLiteral("%d"));
    wpm = new QValueAxis(progress);
    wpm->setTitleText(QStringLiteral("Speed (WPM)"));
    auto* accuracy = new QValueAxis(progress);
    accuracy->setTitleText(QStringLiteral("Accuracy (%)"));
    accuracy->setRange(0, 100);
    progress->addAxis(along, Qt::AlignBottom);
    progress->addAxis(wpm, Qt::AlignLeft);
    progress->addAxis(accuracy, Qt::AlignRight);
    speedseries->attachAxis(along);
    speedseries->attachAxis(wpm);
    accuracyseries->attachAxis(along);
    accuracyseries->attachAxis(accuracy);
    progresschart =
        chartview(tabs, "progresschart", QStringLiteral("Speed and accuracy over time"), progress);
    tabs->addTab(progresschart, QStringLiteral("&Progress"));

    auto* keyspage = new QWidget(tabs);
    auto* keyslayout = new QHBoxLayout(keyspage);
    auto* keys = new QChart;
    keyseries = new QBarSeries(keys);
    keys->addSeries(keyseries);
    keyschart = chartview(keyspage, "keyschart", QStringLiteral("Keys missed most"), keys);
    keys->legend()->hide();
    keyslayout->addWidget(keyschart, 2);
    keystable = table(keyspage, "keystable", QStringLiteral("Keys missed most"),
                      {QStringLiteral("Key"), QStringLiteral("Missed"), QStringLiteral("Expected"),
                       QStringLiteral("Miss rate")});
    keyslayout->addWidget(keystable, 1);
    tabs->addTab(keyspage, QStringLiteral("&Keys"));

    entriestable = table(tabs, "entriestable", QStringLiteral("Entries mistyped most"),
                         {QStringLiteral("Entry"), QStringLiteral("Times mistyped")});
    tabs->addTab(entriestable, QStringLiteral("&Entries"));

    recordstable = new QTableView(tabs);
    recordstable->setObjectName(QStringLiteral("recordstable"));
    recordstable->setAccessibleName(QStringLiteral("Records"));
    model = new RecordsModel(kept, this);
    recordstable->setModel(model);
    recordstable->setSelectionBehavior(QAbstractItemView::SelectRows);
    recordstable->verticalHeader()->hide();
    recordstable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    recordstable->horizontalHeader()->setStretchLastSection(true);
    tabs->addTab(recordstable, QStringLiteral("&Records"));

    connect(onlycurrent, &QCheckBox::toggled, this, &frmstats::refresh);
    refresh();
}

frmstats::~frmstats() = default;

void frmstats::load() {
    kept = StatsBook();
    shown = StatsSummary();
    model->show(shown.shown); // no row may point into the book just emptied
    arrived.clear();
    unreadable = 0;
    reader = std::make_unique<StatsReader>();
    file = std::make_unique<QFile>(apppath() + statsfilename);
    // A missing file is a player who has not typed yet.
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        reader->end();
    // Records that end while this reads are appended to the file as well as handed to
    // addrecord: reading only what was there at the start shows each once.
    unreadbytes = file->isOpen() ? file->size() : 0;
    pages->setCurrentWidget(emptylabel);
    emptylabel->setText(QStringLiteral("Reading the records…"));
    summarylabel->clear();
    QTimer::singleShot(0, this, &frmstats::readslice);
}

void frmstats::readslice() {
    if (!reader)
        return;
    QElapsedTimer slice;
    slice.start();
    while (slice.elapsed() < slicemilliseconds && !reader->done()) {
        if (reader->read(500) || reader->done())
            continue;
        const qint64 before = file->pos();
        // At the end, or on a read error, what was read is shown.
        if (!reader->more(*file, std::min(partbytes, unreadbytes)) || file->pos() == before)
            reader->end();
        unreadbytes -= file->pos() - before;
    }
    // Showing the records takes a turn of its own, unless this one has time to spare.
    if (!reader->done() || slice.elapsed() > slicemilliseconds / 3) {
        QTimer::singleShot(0, this, &frmstats::readslice);
        return;
    }
    kept = std::move(reader->book);
    for (const TypingRecord& record : arrived)
        kept.add(record);
    arrived.clear();
    unreadable = reader->unreadable;
    reader.reset();
    file.reset();
    refresh();
}

void frmstats::finishloading() {
    if (!reader)
        return;
    while (reader) {
        readslice();
    }
}

void frmstats::addrecord(const TypingRecord& record) {
    if (reader) {
        arrived.append(record);
        return;
    }
    kept.add(record);
    refresh();
}

void frmstats::refresh() {
    std::optional<QString> career;
    if (onlycurrent->isChecked()) {
        Form1* main = Form1::instance();
        career = main ? main->nama1->text() : QString();
    }
    shown = summarise(kept, career);
    emptylabel->setText(QStringLiteral("No exercise or race recorded yet."));
    pages->setCurrentWidget(shown.shown.isEmpty() ? static_cast<QWidget*>(emptylabel) : tabs);
    QString text;
    if (!shown.shown.isEmpty())
        text = QStringLiteral("%1 and %2 recorded, %3 of typing. Average speed %4 WPM, best %5 "
                              "WPM; accuracy of the last ten %6.")
                   .arg(counted(shown.exercises, "exercise", "exercises"),
                        counted(shown.races, "race", "races"), durationtext(shown.milliseconds),
                        speedtext(shown.averagespeed), speedtext(shown.bestspeed),
                        percent(shown.recentaccuracy));
    if (unreadable > 0)
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) +
                counted(unreadable, "unreadable line skipped.", "unreadable lines skipped.");
    summarylabel->setText(text);
    model->show(shown.shown);
    drawprogress();
    drawkeys();
    fillentries();
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
        double speed = 0;
        double accuracy = 0;
        for (qsizetype i = from; i < to; ++i) {
            const StatsRow& r = kept.rows()[shown.shown[i]];
            speed += r.speed();
            accuracy += r.accuracy();
        }
        const double count = static_cast<double>(to - from);
        speeds.append({static_cast<double>(to), speed / count});
        accuracies.append({static_cast<double>(to), accuracy / count});
        topspeed = std::max(topspeed, speed / count);
    }
    speedseries->replace(speeds);
    accuracyseries->replace(accuracies);
    along->setRange(groups > 0 ? speeds.first().x() : 0, std::max<double>(1, n));
    wpm->setRange(0, std::ceil(topspeed / 10) * 10);
}

void frmstats::drawkeys() {
    keyseries->clear();
    QChart* chart = keyschart->chart();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis), delete axis;
    auto* rates = new QBarSet(QStringLiteral("Miss rate (%)"));
    QStringList names;
    keystable->setRowCount(static_cast<int>(shown.keys.size()));
    for (int i = 0; i < shown.keys.size(); ++i) {
        const KeyMisses& k = shown.keys[i];
        rates->append(100 * k.rate());
        names.append(keyname(k.key));
        setrow(keystable, i,
               {keyname(k.key), QString::number(k.missed), QString::number(k.expected),
                percent(100 * k.rate())});
    }
    keyseries->append(rates);
    auto* axisx = new QBarCategoryAxis;
    axisx->append(names);
    auto* axisy = new QValueAxis;
    axisy->setTitleText(QStringLiteral("Miss rate (%)"));
    double top = 0;
    for (const KeyMisses& k : shown.keys)
        top = std::max(top, 100 * k.rate());
    axisy->setRange(0, std::max(5.0, std::ceil(top / 5) * 5));
    chart->addAxis(axisx, Qt::AlignBottom);
    chart->addAxis(axisy, Qt::AlignLeft);
    keyseries->attachAxis(axisx);
    keyseries->attachAxis(axisy);
}

void frmstats::fillentries() {
    entriestable->setRowCount(static_cast<int>(shown.entries.size()));
    for (int i = 0; i < shown.entries.size(); ++i)
        setrow(entriestable, i, {shown.entries[i].entry, QString::number(shown.entries[i].times)});
}
