#include "programfolder.h"
#include "common/filewriting.h"

#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {
QString& overridefolder() {
    static QString folder;
    return folder;
}

// `cannot` says what failed and where.
QString problem(QString text, const QString& reason) {
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    return text + QStringLiteral("\n\n") +
           QCoreApplication::translate("ProgramFolder", "Check that you may write there, or set "
                                                        "XDG_DATA_HOME to a folder of your own.");
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

QString chooseprogramfolder(const FolderSetting& setting) {
    if (setting.exehaswords && setting.exewritable)
        return programfolderfor(setting.exefolder);
    // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
    QString datahome = setting.datahome;
    if (!QDir::isAbsolutePath(datahome))
        datahome = programfolderfor(setting.home) + QStringLiteral(".local/share");
    return programfolderfor(QDir::cleanPath(datahome + QStringLiteral("/keystrider")));
}

QString prepareprogramfolder(const QString& folder, const QStringList& wordfiles,
                             const QStringList& sources) {
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error)
        return problem(
            QCoreApplication::translate("ProgramFolder",
                                        "Keystrider cannot create the folder for your files:\n%1")
                .arg(QDir::toNativeSeparators(folder)),
            QString::fromLocal8Bit(error.message()));
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable())
        return problem(
            QCoreApplication::translate("ProgramFolder",
                                        "Keystrider cannot write in the folder for your files:\n%1")
                .arg(QDir::toNativeSeparators(folder)),
            QString());
    for (const QString& name : wordfiles) {
        const QString target = programfolderfor(folder) + name;
        if (QFileInfo::exists(target))
            continue;
        for (const QString& source : sources) {
            const QString from = programfolderfor(source) + name;
            if (!QFileInfo::exists(from))
                continue;
            if (!QFile::copy(from, target))
                return problem(QCoreApplication::translate(
                                   "ProgramFolder",
                                   "Keystrider cannot copy %1 into the folder for your files:\n%2")
                                   .arg(name, QDir::toNativeSeparators(folder)),
                               QString());
            // A copy of a read-only source would be read-only too; the player's copy is theirs.
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
            break;
        }
    }
    return QString();
}

QString settleprogramfolder(const FolderSetting& setting, const QStringList& wordfiles,
                            const QString& installeddata) {
    const QString folder = chooseprogramfolder(setting);
    if (folder != programfolderfor(setting.exefolder)) {
        const QString message =
            prepareprogramfolder(folder, wordfiles, {installeddata, setting.exefolder});
        if (!message.isEmpty())
            return message;
    }
    // A portable copy is killed mid-write as easily as an installed one.
    removeunfinishedreplaces(folder);
    setprogramfolder(folder);
    return QString();
}

FolderSetting runningsetting(const QStringList& wordfiles) {
    FolderSetting setting;
    setting.exefolder = QCoreApplication::applicationDirPath();
    for (const QString& name : wordfiles) {
        if (QFileInfo::exists(programfolderfor(setting.exefolder) + name))
            setting.exehaswords = true;
    }
    setting.exewritable = QFileInfo(setting.exefolder).isWritable();
    setting.datahome = qEnvironmentVariable("XDG_DATA_HOME");
    setting.home = QDir::homePath();
    return setting;
}

QString settleprogramfolder(const QStringList& wordfiles, const QString& installeddata) {
    return settleprogramfolder(runningsetting(wordfiles), wordfiles, installeddata);
}
