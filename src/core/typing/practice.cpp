#include "practice.h"

#include "common/number.h"

#include <QCoreApplication>

QString resultmessage(qint32 seconds, qint32 typedcount, const QString& levelname,
                      qint32 mistakes) {
    return QCoreApplication::translate(
               "Practice", "You took %1s to type %2 words in %3 level with %4 mistakes.")
        .arg(QString::number(seconds), QString::number(typedcount), levelname,
             QString::number(mistakes));
}
