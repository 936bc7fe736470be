#include <algorithm>
#include <cmath>

#include "core/vbRuntime.h"
#include "link/engine/panelImage.h"
#include "link/engine/panelImageLayout.h"

namespace {

// The panel receives the low byte of whatever a field holds (a foreign file may hold
// anything); keeping only that byte in the image makes the checksum match the wire.
void store(int address, int32_t value)
{
    iImage[static_cast<std::size_t>(address)] = static_cast<int16_t>(value & 0xFF);
}

void storeWord(int address, int32_t value)
{
    store(address, value >> 8);
    store(address + 1, value);
}

void storeText(int first, std::string_view text, std::size_t width)
{
    const std::string fixed = FixedWidth(text, width);
    for (std::size_t k = 0; k < width; ++k) store(first + static_cast<int>(k), static_cast<unsigned char>(fixed[k]));
}

class ImagePacker final : public ImageFieldCodec {
public:
    explicit ImagePacker(const PasswordDigits& password) : password_(password) {}

    void bytes(int first, std::span<int16_t> values) override
    {
        for (std::size_t i = 0; i < values.size(); ++i) store(first + static_cast<int>(i), values[i]);
    }
    void words(int first, std::span<int16_t> values) override
    {
        for (std::size_t i = 0; i < values.size(); ++i) storeWord(first + 2 * static_cast<int>(i), values[i]);
    }
    void words(int first, std::span<int32_t> values) override
    {
        for (std::size_t i = 0; i < values.size(); ++i) storeWord(first + 2 * static_cast<int>(i), values[i]);
    }

    // Each plane byte is built whole, so a bit cleared on the host since the last
    // download is clear in the image too.
    void planes(int first, MatrixView matrix, int rows, int planeCount, PlaneValue value) override
    {
        for (int k = 0; k < planeCount; ++k) {
            const int plane = first + k * kPlaneRowBytes * rows;
            for (int row = 0; row < rows; ++row) {
                for (int entry = 0; entry < kPlaneRowBytes; ++entry) {
                    int32_t bits = 0;
                    for (int bit = 0; bit < 8; ++bit) {
                        const int32_t element = matrix.at(row, 8 * entry + bit);
                        const bool set = value == PlaneValue::Membership ? element != 0 : ((element >> k) & 1) != 0;
                        if (set) bits |= 1 << bit;
                    }
                    store(plane + kPlaneRowBytes * row + entry, bits);
                }
            }
        }
    }

    void bitmap(int first, std::span<int16_t> flags) override
    {
        for (std::size_t entry = 0; entry * 8 < flags.size(); ++entry) {
            int32_t bits = 0;
            for (std::size_t bit = 0; bit < 8 && entry * 8 + bit < flags.size(); ++bit)
                if (flags[entry * 8 + bit] != 0) bits |= 1 << bit;
            store(first + static_cast<int>(entry), bits);
        }
    }

    void flag(int address, int16_t& value) override { store(address, value != 0 ? 1 : 0); }

    void names(int first, std::span<std::string> values) override
    {
        for (std::size_t i = 0; i < values.size(); ++i)
            storeText(first + kNameWidth * static_cast<int>(i), values[i], kNameWidth);
    }

    void panelName(int first, std::string& value) override
    {
        storeText(first, value.empty() ? std::string_view("OVK BREVANTINE 3  ") : std::string_view(value),
                  kPanelNameWidth);
    }

    // 100 % would round to 256, one past the panel's full level: it is sent as 255,
    // which reads back as 100 %. A percent outside 0..100 (only a foreign file holds
    // one) is held to the nearest level the panel has.
    void dmxLevel(int address, int16_t& percent) override
    {
        store(address, static_cast<int32_t>(std::clamp<int64_t>(VbIntDiv(int64_t{percent} * 255 + 128, 100), 0, 255)));
    }

    void modbusSettings(int address, int16_t& mode, int16_t& baud, int16_t& parity) override
    {
        store(address, mode + 2 * baud + 8 * parity);
    }

    void password(int first) override
    {
        for (int k = 0; k < kPasswordDigits; ++k) store(first + k, password_[static_cast<std::size_t>(k)]);
    }

private:
    const PasswordDigits& password_;
};

} // namespace

int16_t PasswordDigit(std::string_view boxText)
{
    // Rounded half to even, as a number assigned to an integer rounds.
    const double value = std::clamp(std::nearbyint(Val(boxText)), -32768.0, 32767.0);
    return static_cast<int16_t>(value);
}

void PackPanelImage(const PasswordDigits& password)
{
    // The low 32 KiB is built afresh by every pack, its gaps included. Above it only
    // the gaps keep what the last upload left: the station planes that reach there and
    // the dimmer words are written whole.
    std::fill_n(iImage.begin(), kImageZeroedEntries, int16_t{0});
    ImagePacker packer(password);
    VisitPanelImageLayout(packer);
}
