#include "link/engine/panelImage.h"

int32_t ImageChecksumStep(int32_t sum, int16_t entry)
{
    // Only the byte the panel holds counts, whatever else the entry carries.
    // Doubling and taking 65535 off when over 65535, as the panel does, is a rotate.
    const uint32_t t = (static_cast<uint32_t>(sum) + static_cast<uint32_t>(entry & 0xFF)) & 0xFFFF;
    return static_cast<int32_t>(((t << 1) | (t >> 15)) & 0xFFFF);
}

int32_t ImageChecksum(const PanelImageArray& image)
{
    int32_t sum = 0;
    for (const int16_t entry : image) sum = ImageChecksumStep(sum, entry);
    return sum;
}
