#pragma once
// Fixed-size storage shapes shared by the configuration record, the station records
// and the panel image. The record is written to disk and packed for the panel exactly
// as laid out, so every member keeps its fixed width and order.

#include <array>
#include <cassert>
#include <cstdint>

inline constexpr int16_t VbTrue = -1;
inline constexpr int16_t VbFalse = 0;

// A two-index table whose first index runs fastest in storage: element (a, b) is the
// (a + Rows * b)-th, which is the order of the data file and of the panel image.
template <int Rows, int Cols>
struct Table16 {
    static constexpr int kRows = Rows;
    static constexpr int kCols = Cols;
    std::array<int16_t, Rows * Cols> v{};

    int16_t& operator()(int a, int b)
    {
        assert(a >= 0 && a < Rows && b >= 0 && b < Cols);
        return v[static_cast<std::size_t>(a + Rows * b)];
    }
    int16_t operator()(int a, int b) const
    {
        assert(a >= 0 && a < Rows && b >= 0 && b < Cols);
        return v[static_cast<std::size_t>(a + Rows * b)];
    }
    static constexpr bool contains(int a, int b) { return a >= 0 && a < Rows && b >= 0 && b < Cols; }
    bool operator==(const Table16&) const = default;
};

using ItemArray = std::array<int16_t, 49>;       // items 0..47, element 48 spare
using ItemLongArray = std::array<int32_t, 49>;
using ItemMatrix = Table16<49, 49>;              // (owner, target)
using DateTable = Table16<13, 32>;               // (month 0..12, day 0..31)
using StationInputArray = std::array<int16_t, 9>; // inputs 0..7, element 8 spare
using StationInputMatrix = Table16<9, 49>;        // (input, target)
