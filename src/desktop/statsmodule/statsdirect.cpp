// A program that links the statistics window in (the tests, the benchmarks, the screenshots)
// opens it without the module.
#include "statsmodule/statsopener.h"

extern "C" frmstats* keystrider_openstatswindow(QObject* owner, StatsRecorder* recorder,
                                                std::function<void(QChar)> practise);

frmstats* openstatswindow(QObject* owner, StatsRecorder* recorder,
                          std::function<void(QChar)> practise) {
    return keystrider_openstatswindow(owner, recorder, std::move(practise));
}

void setstatsmodules(QStringList) {}
