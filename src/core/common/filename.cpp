#include "common/filename.h"

#include <QCoreApplication>
#include <QFile>

#include <climits>

bool isplainfilename(const QString& name, const QString& ending) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QChar(u'\0')))
        return false;
    if (name.count(QLatin1Char('.')) == name.size())
        return false;
    return QFile::encodeName(name + ending).size() <= NAME_MAX;
}

QString namelettersmessage() {
    return QCoreApplication::translate("FileName",
                                       "Names can use the letters of Western European languages "
                                       "only, as the game's files cannot keep other letters. "
                                       "Please type another name.");
}
