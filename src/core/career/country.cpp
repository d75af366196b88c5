#include "career/country.h"

#include "common/number.h"

const CountryInfo& countryinfo(Country country) {
    for (const CountryInfo& row : countries)
        if (row.country == country)
            return row;
    return countries[0];
}

std::int32_t countryfare(Country country) {
    QString fare = QString::fromLatin1(countryinfo(country).caption).right(4);
    fare.remove(QLatin1Char(']'));
    return textint32(fare);
}
