#include "career/score.h"

#include "common/textfile.h"

QString hallentry(const QString& playername, std::int64_t score) {
    return quotabletext(playername) + QStringLiteral(" scored ") + QString::number(score) +
           QStringLiteral(" points!");
}
