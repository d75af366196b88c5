#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>

// The five countries the player flies between. None only while a flight is under way.
enum class Country { None, Singapore, Malaysia, China, Japan, America };

struct CountryInfo {
    Country country;
    const char* name;     // as the competition list names it
    const char* menuname; // the Country menu item's object name
    const char* caption;  // the Country menu item; the one place the fare is kept
    const char* arrival;  // the log entry on arrival
};

// Captions and arrivals are the English texts; countrycaption() and countryarrival() give them
// in the player's language. The fare is read from the English caption, which never changes.
inline constexpr CountryInfo countries[] = {
    {Country::Singapore, "Singapore", "singapore", QT_TRANSLATE_NOOP("Country", "Singapore [$500]"),
     QT_TRANSLATE_NOOP("Country", "You arrived in Singapore!")},
    {Country::Malaysia, "Malaysia", "malaysia", QT_TRANSLATE_NOOP("Country", "Malaysia [$200]"),
     QT_TRANSLATE_NOOP("Country", "You arrived in malaysia!")},
    {Country::China, "China", "china", QT_TRANSLATE_NOOP("Country", "China [$560]"),
     QT_TRANSLATE_NOOP("Country", "You arrived in china!")},
    {Country::Japan, "Japan", "japan", QT_TRANSLATE_NOOP("Country", "Japan [$700]"),
     QT_TRANSLATE_NOOP("Country", "You arrived in japan!")},
    {Country::America, "America", "america", QT_TRANSLATE_NOOP("Country", "America [$800]"),
     QT_TRANSLATE_NOOP("Country", "You arrived in america!")},
};

// The country's row; None has no row and gives the first.
const CountryInfo& countryinfo(Country country);
// The Country menu item's caption and the log entry on arrival, in the player's language.
QString countrycaption(const CountryInfo& place);
QString countryarrival(Country country);
// The fare read from the caption: its last four characters without "]".
std::int32_t countryfare(Country country);
