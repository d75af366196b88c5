// A program that links the statistics window in (the tests, the benchmarks, the screenshots)
// opens it without the module.
#include "statsmodule/statsopener.h"

extern "C" void keystrider_showstatswindow(QObject* owner, QPointer<frmstats>& window,
                                           StatsRecorder* recorder,
                                           std::function<void(QChar)> practise);

void showstatswindow(QObject* owner, QPointer<frmstats>& window, StatsRecorder* recorder,
                     std::function<void(QChar)> practise) {
    keystrider_showstatswindow(owner, window, recorder, std::move(practise));
}

void setstatsmodules(QStringList) {}
