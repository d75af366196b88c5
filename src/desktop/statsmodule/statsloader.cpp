// The game opens the statistics window through its module, loaded on first use and kept to the
// end: the window's code lives in it.
#include "statsmodule/statsopener.h"

#include "common/dialogs.h"

#include <QFileInfo>
#include <QLibrary>

namespace {

QStringList& modulepaths() {
    static QStringList paths;
    return paths;
}

OpenStatsWindow loadmodule() {
    static OpenStatsWindow opener = nullptr;
    if (opener)
        return opener;
    QString why = QStringLiteral("%1 is missing.").arg(QLatin1String(statsmodulename));
    for (const QString& path : std::as_const(modulepaths())) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        opener = reinterpret_cast<OpenStatsWindow>(library.resolve(openstatswindowname));
        if (opener)
            return opener;
        why = library.errorString();
    }
    msgbox(QStringLiteral("The typing statistics could not be opened: ") + why, MsgIcon::Error);
    return nullptr;
}

} // namespace

frmstats* openstatswindow(QObject* owner, StatsRecorder* recorder,
                          std::function<void(QChar)> practise) {
    const OpenStatsWindow opener = loadmodule();
    return opener ? opener(owner, recorder, std::move(practise)) : nullptr;
}

void setstatsmodules(QStringList paths) {
    modulepaths() = std::move(paths);
}
