#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

class QWidget;

// One stop of the tour: a window, menu or prompt as the player meets it.
struct TourStop {
    QString name;            // "frmcars-ready": the picture's name
    QList<QWidget*> windows; // what is on the screen, the front one last
    std::function<QImage()> picture;
};

// The tour's fixed clock, draws and event pump, so every run meets the same windows.
void preparetour();
// Opens every window, menu and prompt of the game in turn, each staged with a made-up typist's
// career, and hands each to `stop` while it is open. The program folders are the tour's own.
void tourwindows(const std::function<void(const TourStop&)>& stop);
