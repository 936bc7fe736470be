#include "link/engine/panelCommands.h"
#include "link/engine/panelImage.h"

// The host side of the panel's whole-memory checksum: only the byte the panel holds
// counts, whatever else an image entry carries.
int32_t ImageChecksumStep(int32_t sum, int16_t entry)
{
    return RangeChecksumStep(static_cast<uint16_t>(sum), static_cast<uint8_t>(entry & 0xFF));
}

int32_t ImageChecksum(const PanelImageArray& image)
{
    int32_t sum = 0;
    for (const int16_t entry : image) sum = ImageChecksumStep(sum, entry);
    return sum;
}
