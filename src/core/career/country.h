#pragma once

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

inline constexpr CountryInfo countries[] = {
    {Country::Singapore, "Singapore", "singapore", "Singapore [$500]", "You arrived in Singapore!"},
    {Country::Malaysia, "Malaysia", "malaysia", "Malaysia [$200]", "You arrived in malaysia!"},
    {Country::China, "China", "china", "China [$560]", "You arrived in china!"},
    {Country::Japan, "Japan", "japan", "Japan [$700]", "You arrived in japan!"},
    {Country::America, "America", "america", "America [$800]", "You arrived in america!"},
};

// The country's row; None has no row and gives the first.
const CountryInfo& countryinfo(Country country);
// The fare read from the caption: its last four characters without "]".
std::int32_t countryfare(Country country);
