#include "competition/competitiondraw.h"

#include "common/clock.h"
#include "common/random.h"

#include <array>

QString competitioncountry(int k) {
    static const std::array<QString, 6> names{
        QStringLiteral(QT_TRANSLATE_NOOP("Country", "Singapore")),
        QStringLiteral(QT_TRANSLATE_NOOP("Country", "Malaysia")),
        QStringLiteral(QT_TRANSLATE_NOOP("Country", "China")),
        QStringLiteral(QT_TRANSLATE_NOOP("Country", "America")),
        QStringLiteral(QT_TRANSLATE_NOOP("Country", "Japan")),
        QStringLiteral(QT_TRANSLATE_NOOP("Country", "Singapore"))};
    return names.at(static_cast<std::size_t>(k - 1));
}

QString pricetext(int price) {
    return QLatin1Char('$') + QString::number(price);
}

QList<Competition> drawcompetitions(const std::function<void()>& pump) {
    randomize(timeofday());
    QList<Competition> rows(wholeupto(5));
    for (Competition& row : rows) {
        pump();
        randomize(timeofday());
        row.country = competitioncountry(wholeupto(6));
    }
    for (Competition& row : rows) {
        pump();
        randomize(timeofday());
        row.price = static_cast<int>(rnd() * 800) + 100;
    }
    return rows;
}
