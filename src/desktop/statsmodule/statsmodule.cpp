// The statistics module's entry point: the window as the main window opens it.
#include "statsmodule/statsopener.h"

#include "common/controls.h"
#include "common/sidewindow.h"
#include "stats/frmstats.h"

extern "C" Q_DECL_EXPORT void keystrider_showstatswindow(QObject* owner, QPointer<frmstats>& window,
                                                         StatsRecorder* recorder,
                                                         std::function<void(QChar)> practise) {
    const bool fresh = !window;
    showtofront(sidewindow(window, owner));
    if (fresh) {
        window->setrecorder(recorder);
        QObject::connect(window, &frmstats::practisekeys, owner, std::move(practise));
        window->load();
    }
}
