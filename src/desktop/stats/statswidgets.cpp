#include "stats/statswidgets.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLegend>
#include <QTableWidget>
#include <QValueAxis>

#include <cmath>

// The round step, 1, 2 or 5 times a power of ten and at least 1, that cuts `span` into at most
// `most` parts: axes label whole records and whole percents.
namespace {

double roundstep(double span, int most) {
    for (double power = 1; power < 1e15; power *= 10)
        for (double m : {1.0, 2.0, 5.0})
            if (span <= m * power * most)
                return m * power;
    return 1e15;
}

} // namespace

void roundticks(QValueAxis* axis, double top, int most) {
    const double step = roundstep(top, most);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setRange(0, std::max(step, std::ceil(top / step) * step));
}

QTableWidget* table(QWidget* parent, const char* name, const QString& caption,
                    const QStringList& columns) {
    auto* t = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    t->setObjectName(QLatin1String(name));
    t->setAccessibleName(caption);
    t->setHorizontalHeaderLabels(columns);
    readonlytable(t);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void readonlytable(QAbstractItemView* t) {
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table for the next control; the arrow keys move inside it.
    t->setTabKeyNavigation(false);
    if (auto* view = qobject_cast<QTableView*>(t))
        view->verticalHeader()->hide();
}

void setrow(QTableWidget* t, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c)
        t->setItem(row, c, new QTableWidgetItem(cells[c]));
}

QChartView* chartview(QWidget* parent, const char* name, const QString& caption, QChart* chart) {
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QLatin1String(name));
    view->setAccessibleName(caption);
    view->setRenderHint(QPainter::Antialiasing);
    // A picture the keyboard can do nothing with takes no Tab stop; its figures are in the
    // tables.
    view->setFocusPolicy(Qt::NoFocus);
    chart->setTitle(caption);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return view;
}
