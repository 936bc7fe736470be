#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "document/engine/docSections.h"
#include "document/engine/docText.h"

void DocDMXSchedule(DocText& doc)
{
    const PanelConfig& c = tConfig;
    doc.line({"[DMX Schedule]"});
    doc.line({"Relay Number", "Relay Name", "DMX Channel"});
    const int points = GetIOPointCount();
    for (int r = 0; r < points; ++r) {
        const auto rr = static_cast<std::size_t>(r);
        const int channel = c.iRelayDMXChannel[rr];
        doc.line({ItemNumber(r), c.sRelayName[rr], channel != 0 ? FormatDigits(channel, 3) : std::string("None")});
    }
}
