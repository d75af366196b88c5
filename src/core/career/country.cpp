#include "career/country.h"

#include "common/number.h"

const CountryInfo& countryinfo(Country country) {
    for (const CountryInfo& row : countries)
        if (row.country == country)
            return row;
    return countries[0];
}

QString countrycaption(const CountryInfo& place) {
    return QCoreApplication::translate("Country", place.caption);
}

QString countryarrival(Country country) {
    return QCoreApplication::translate("Country", countryinfo(country).arrival);
}

std::int32_t countryfare(Country country) {
    QString fare = QString::fromLatin1(countryinfo(country).caption).right(4);
    fare.remove(QLatin1Char(']'));
    return textint32(fare);
}
