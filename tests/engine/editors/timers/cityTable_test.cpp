#include <gtest/gtest.h>

#include <algorithm>

#include "editors/timers/engine/modB3LatLonLUT.h"

TEST(CityTable, KeepsItsOrderSpellingsAndDegreesWithinTheAstroLists)
{
    LoadCityTable();
    struct Entry {
        int index;
        const char* stateCity;
        int lat;
        int lon;
    };
    // Ends, an unsorted pair that a sorted list would swap, and the extremes.
    const Entry entries[] = {
        {0, "Alabama,Birmingham", 33, 87},   {191, "Oregon,Salem", 45, 123},  {192, "Oregon,Eugene", 44, 123},
        {259, "Wyoming,Sheridan", 45, 107},  {6, "Alaska,Fairbanks", 65, 148}, {5, "Alaska,Anchorage", 61, 150},
        {44, "Florida,Key West", 24, 82},    {96, "Maine,Bangor", 45, 69},
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.index);
        EXPECT_EQ(tCity[e.index].sStateCity, e.stateCity);
        EXPECT_EQ(tCity[e.index].iLat, e.lat);
        EXPECT_EQ(tCity[e.index].iLon, e.lon);
    }

    const auto [south, north] = std::minmax_element(tCity.begin(), tCity.end(),
                                                    [](const auto& a, const auto& b) { return a.iLat < b.iLat; });
    const auto [east, west] = std::minmax_element(tCity.begin(), tCity.end(),
                                                  [](const auto& a, const auto& b) { return a.iLon < b.iLon; });
    EXPECT_EQ(south->iLat, 24);
    EXPECT_EQ(north->iLat, 65);
    EXPECT_EQ(east->iLon, 69);
    EXPECT_EQ(west->iLon, 150);
    for (const CityLatLon& city : tCity) {
        EXPECT_GE(city.iLat, kFirstLatitude) << city.sStateCity;
        EXPECT_LE(city.iLat, kLastLatitude) << city.sStateCity;
        EXPECT_GE(city.iLon, kFirstLongitude) << city.sStateCity;
        EXPECT_LE(city.iLon, kLastLongitude) << city.sStateCity;
        EXPECT_EQ(city.sStateCity.find(", "), std::string::npos) << city.sStateCity;
    }

    const auto before = tCity;
    LoadCityTable();
    EXPECT_EQ(tCity, before);
}
