// The game opens the statistics window through its module, loaded on first use and kept to the
// end: the window's code lives in it.
#include "statsmodule/statsopener.h"

#include "common/dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

QStringList& modulepaths() {
    static QStringList paths;
    return paths;
}

ShowStatsWindow loadmodule() {
    static ShowStatsWindow entry = nullptr;
    if (entry)
        return entry;
    QString why = QCoreApplication::translate("StatsModule", "%1 is missing.")
                      .arg(QLatin1String(statsmodulename));
    for (const QString& path : std::as_const(modulepaths())) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        entry = reinterpret_cast<ShowStatsWindow>(library.resolve(showstatswindowname));
        if (entry)
            return entry;
        why = library.errorString();
    }
    msgbox(
        QCoreApplication::translate("StatsModule", "The typing statistics could not be opened: %1")
            .arg(why),
        MsgIcon::Error);
    return nullptr;
}

} // namespace

void showstatswindow(QObject* owner, QPointer<frmstats>& window, StatsRecorder* recorder,
                     std::function<void(QChar)> practise) {
    if (const ShowStatsWindow entry = loadmodule())
        entry(owner, window, recorder, std::move(practise));
}

void setstatsmodules(QStringList paths) {
    modulepaths() = std::move(paths);
}
