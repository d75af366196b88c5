#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

class QChart;
class QChartView;
class QAbstractItemView;
class QTableWidget;
class QValueAxis;
class QWidget;

// The pieces the statistics window's tabs are built of, so every tab looks alike.

// Ticks at a round step from 0 to at least `top`, at most `most` of them.
void roundticks(QValueAxis* axis, double top, int most);
// A read-only table of whole rows, its caption as accessible name.
QTableWidget* table(QWidget* parent, const char* name, const QString& caption,
                    const QStringList& columns);
// A table the player reads and never edits: whole rows selected, no row numbers, and Tab goes on
// to the next control.
void readonlytable(QAbstractItemView* t);
void setrow(QTableWidget* t, int row, const QStringList& cells);
// A chart view titled and named by its caption.
QChartView* chartview(QWidget* parent, const char* name, const QString& caption, QChart* chart);
