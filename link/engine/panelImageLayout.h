#pragma once
// Where every configuration field lives in the panel's 40,960-byte memory, and how it
// is encoded there. The layout is walked once by the packer and once by the unpacker:
// each encoding is one member of ImageFieldCodec, and the layout names the address and
// the configuration member of each region, so both directions share a single table.

#include <cstdint>
#include <span>
#include <string>

#include "core/vbTypes.h"

// A 49-column relation matrix seen through its storage: element (row, column) is
// data[row + rowCount * column], the first index running fastest.
struct MatrixView {
    int16_t* data = nullptr;
    int rowCount = 0;

    template <int Rows, int Cols>
    explicit MatrixView(Table16<Rows, Cols>& table) : data(table.v.data()), rowCount(Rows) {}

    int16_t& at(int row, int column) const { return data[row + rowCount * column]; }
};

// What a bit plane carries of a matrix element.
enum class PlaneValue {
    Code,       // bit k of the code in plane k; read back as the sum of the planes' bits
    Membership, // one plane: set when the element is non-zero; read back -1 or 0
};

inline constexpr int kPlaneColumns = 48;
inline constexpr int kPlaneRowBytes = 6;  // 48 columns of one bit
inline constexpr int kNameWidth = 10;
inline constexpr int kPanelNameWidth = 18;
inline constexpr int kPasswordDigits = 6;

// One member per encoding. `first` is the image address of the region's first entry.
class ImageFieldCodec {
public:
    virtual ~ImageFieldCodec() = default;

    // B: value i in entry first + i.
    virtual void bytes(int first, std::span<int16_t> values) = 0;
    // W: value i in entries first + 2i (high byte) and first + 2i + 1 (low byte).
    virtual void words(int first, std::span<int16_t> values) = 0;
    virtual void words(int first, std::span<int32_t> values) = 0;
    // P: `planeCount` planes of `rows` x 48 bits, plane k from first + k * 6 * rows;
    // element (row, column) is bit column % 8 of entry plane + 6 * row + column / 8.
    virtual void planes(int first, MatrixView matrix, int rows, int planeCount, PlaneValue value) = 0;
    // M: 48 Booleans as bits, element i is bit i % 8 of entry first + i / 8.
    virtual void bitmap(int first, std::span<int16_t> flags) = 0;
    // F: 1 for true, 0 for false.
    virtual void flag(int address, int16_t& value) = 0;
    // N (10): names the user may choose not to take from the panel, name i at first + 10i.
    virtual void names(int first, std::span<std::string> values) = 0;
    // N (18): the panel name, always taken from the panel.
    virtual void panelName(int first, std::string& value) = 0;
    // D: a DMX level in percent stored as a byte.
    virtual void dmxLevel(int address, int16_t& percent) = 0;
    // Mode in bit 0, baud code in bits 1-2, parity in bits 3-4.
    virtual void modbusSettings(int address, int16_t& mode, int16_t& baud, int16_t& parity) = 0;
    // The six password digits: written on every download, never read back.
    virtual void password(int first) = 0;

    void byte(int address, int16_t& value) { bytes(address, std::span<int16_t>(&value, 1)); }
    void word(int address, int16_t& value) { words(address, std::span<int16_t>(&value, 1)); }
};

// Walks every region of the panel image, configuration record, stations 1 to 64 and
// the dimmer table, in address order. Entries it does not name are gaps: the packer
// clears those below 0x8000, and the ones above go back to the panel as the last
// upload brought them.
void VisitPanelImageLayout(ImageFieldCodec& codec);
