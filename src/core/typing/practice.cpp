#include "practice.h"

#include "common/number.h"

QString resultmessage(qint32 seconds, qint32 typedcount, const QString& levelname,
                      qint32 mistakes) {
    return QLatin1String("You took ") + QString::number(seconds) + QLatin1String("s to type ") +
           QString::number(typedcount) + QLatin1String(" words in ") + levelname +
           QLatin1String(" level with ") + QString::number(mistakes) + QLatin1String(" mistakes.");
}
