#include "link/engine/panelImage.h"
#include "link/engine/panelImageLayout.h"

namespace {

int32_t byteAt(int address) { return iImage[static_cast<std::size_t>(address)] & 0xFF; }

// Read as an unsigned 16-bit number: a high byte of 128 or more (an image this program
// did not pack) still decodes, and an Integer field keeps its 16-bit pattern, so the
// same bytes go back with the next download.
int32_t wordAt(int address) { return byteAt(address) * 256 + byteAt(address + 1); }

std::string textAt(int first, int width)
{
    std::string text(static_cast<std::size_t>(width), '\0');
    for (int k = 0; k < width; ++k) text[static_cast<std::size_t>(k)] = static_cast<char>(byteAt(first + k));
    return text;
}

class ImageUnpacker final : public ImageFieldCodec {
public:
    explicit ImageUnpacker(bool withNames) : withNames_(withNames) {}

    void bytes(int first, std::span<int16_t> values) override
    {
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = static_cast<int16_t>(byteAt(first + static_cast<int>(i)));
    }
    void words(int first, std::span<int16_t> values) override
    {
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = static_cast<int16_t>(wordAt(first + 2 * static_cast<int>(i)));
    }
    void words(int first, std::span<int32_t> values) override
    {
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = wordAt(first + 2 * static_cast<int>(i));
    }

    void planes(int first, MatrixView matrix, int rows, int planeCount, PlaneValue value) override
    {
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < kPlaneColumns; ++column) {
                int16_t element = 0;
                for (int k = 0; k < planeCount; ++k) {
                    const int entry = first + k * kPlaneRowBytes * rows + kPlaneRowBytes * row + column / 8;
                    if ((byteAt(entry) >> (column % 8)) & 1) element = static_cast<int16_t>(element + (1 << k));
                }
                if (value == PlaneValue::Membership) element = element != 0 ? VbTrue : VbFalse;
                matrix.at(row, column) = element;
            }
        }
    }

    void bitmap(int first, std::span<int16_t> flags) override
    {
        for (std::size_t i = 0; i < flags.size(); ++i)
            flags[i] = ((byteAt(first + static_cast<int>(i / 8)) >> (i % 8)) & 1) ? VbTrue : VbFalse;
    }

    void flag(int address, int16_t& value) override { value = byteAt(address) == 1 ? VbTrue : VbFalse; }

    void names(int first, std::span<std::string> values) override
    {
        if (!withNames_) return;
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = textAt(first + kNameWidth * static_cast<int>(i), kNameWidth);
    }

    void panelName(int first, std::string& value) override { value = textAt(first, kPanelNameWidth); }

    void dmxLevel(int address, int16_t& percent) override
    {
        percent = static_cast<int16_t>((byteAt(address) * 100 + 50) / 255);
    }

    void modbusSettings(int address, int16_t& mode, int16_t& baud, int16_t& parity) override
    {
        const int32_t v = byteAt(address);
        mode = static_cast<int16_t>(v % 2);
        baud = static_cast<int16_t>(v / 2 % 4);
        parity = static_cast<int16_t>(v / 8 % 4);
    }

    void password(int) override {}

private:
    bool withNames_;
};

} // namespace

void UnpackPanelImage()
{
    ImageUnpacker unpacker(bUnpackNames != 0);
    VisitPanelImageLayout(unpacker);
}
