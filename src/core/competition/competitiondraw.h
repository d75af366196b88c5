#pragma once

#include <QList>
#include <QString>

#include <functional>

struct Competition {
    QString country;
    int price = 0; // dollars
};

// The country of a drawn k from 1 to 6: k = 6 is Singapore again, so Singapore comes up on a
// row twice as often as any other country.
QString competitioncountry(int k);

// "$" and the dollars, as the list shows a first price.
QString pricetext(int price);

// The day's competitions: 1 to 5 rows, the countries drawn first, then the prices from $100 to
// $899. The generator is reseeded with the time of day before every draw, and `pump` lets
// pending window events run before each row.
QList<Competition> drawcompetitions(const std::function<void()>& pump);
