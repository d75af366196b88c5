#pragma once

#include <QStringList>

class QWidget;

// The labels of a window that a screen reader reads as something other than the text they
// show, as "name: reads 'Speed', shows '42 WPM'". A label of a changing value must be read as
// its value; a picture (a label with no text) is left out.
QStringList misreadlabels(const QWidget* window);
