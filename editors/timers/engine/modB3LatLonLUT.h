#pragma once
// Places the astro clock's location can be taken from: 260 cities by state, with
// whole degrees north and west. The list shows them in this order, unsorted, so a
// list position is an index here.

#include <array>
#include <cstdint>
#include <string>

struct CityLatLon {
    std::string sStateCity;  // "State,City", no blank after the comma
    int16_t iLat = 0;        // degrees north
    int16_t iLon = 0;        // degrees west, positive

    bool operator==(const CityLatLon&) const = default;
};

inline constexpr int kCityCount = 260;

// The degrees the astro clock's lists offer; every city lies within them.
inline constexpr int kFirstLatitude = 20;
inline constexpr int kLastLatitude = 65;
inline constexpr int kFirstLongitude = 50;
inline constexpr int kLastLongitude = 150;

// Empty until LoadCityTable first runs.
extern std::array<CityLatLon, kCityCount> tCity;

// Writes every entry of tCity; calling it again writes the same values.
void LoadCityTable();
