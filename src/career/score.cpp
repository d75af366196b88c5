#include "career/score.h"

QString hallentry(const QString& playername, std::int64_t score) {
    QString name = playername;
    name.replace(QLatin1Char('"'), QLatin1Char('\''));
    return name + QStringLiteral(" scored ") + QString::number(score) + QStringLiteral(" points!");
}
