#pragma once

#include "common/programfolder.h"

#include <QApplication>
#include <QTemporaryDir>

// What every benchmark starts with: the game's windows without a display (unless one is asked
// for) and a temporary program folder, so nothing is written beside the build.
struct BenchSetup {
    BenchSetup(int& argc, char** argv) : app(offscreen(argc), argv) {
        setprogramfolder(dir.path());
    }
    QString filepath(const QString& name) const { return dir.filePath(name); }

    QApplication app;
    QTemporaryDir dir;

private:
    static int& offscreen(int& argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};
