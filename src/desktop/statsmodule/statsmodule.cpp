// The statistics module's entry point: the window as the main window opens it.
#include "statsmodule/statsopener.h"

#include "common/controls.h"
#include "stats/frmstats.h"

extern "C" Q_DECL_EXPORT frmstats* keystrider_openstatswindow(QObject* owner,
                                                              StatsRecorder* recorder,
                                                              std::function<void(QChar)> practise) {
    auto* window = new frmstats;
    // Lives as long as its owner unless its close box discards it first.
    QObject::connect(owner, &QObject::destroyed, window, [window] { delete window; });
    showtofront(window);
    window->setrecorder(recorder);
    QObject::connect(window, &frmstats::practisekeys, owner, std::move(practise));
    window->load();
    return window;
}
