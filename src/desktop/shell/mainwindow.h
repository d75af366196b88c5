#pragma once

#include <QWidget>

#include <memory>

// The main window, started as the program starts: hidden, with the File menu offered.
std::unique_ptr<QWidget> startmainwindow();
