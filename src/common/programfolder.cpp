#include "programfolder.h"

#include <QCoreApplication>

namespace {
QString& overridefolder() {
    static QString folder;
    return folder;
}
} // namespace

QString programfolderfor(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString apppath() {
    if (!overridefolder().isEmpty())
        return programfolderfor(overridefolder());
    return programfolderfor(QCoreApplication::applicationDirPath());
}

void setprogramfolder(const QString& folder) {
    overridefolder() = folder;
}
