#pragma once

#include "stats/statsbook.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The columns of the records table, and a record's text in each: the window and the export
// show the same figures.
const QStringList& recordcolumns();
QString recordcell(const StatsBook& book, const StatsRow& row, int column);

QString speedtext(double wpm);
QString percenttext(double value);

// The records shown, oldest first, as CSV after RFC 4180 in UTF-8: the records table's columns,
// then the raw counts a spreadsheet can work from, the letter pairs timed, then
// the keys typed instead ("c for x: 12; v for b: 1").
QByteArray statscsv(const StatsBook& book, const QList<qsizetype>& shown);
