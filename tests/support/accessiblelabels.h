#pragma once

#include <QStringList>

class QWidget;

// The labels of a window that a screen reader reads as something other than the text they
// show, as "name: reads 'Speed', shows '42 WPM'". A label of a changing value must be read as
// its value, an empty one as nothing; a picture is left out.
QStringList misreadlabels(const QWidget* window);
