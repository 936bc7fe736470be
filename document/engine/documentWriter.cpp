#include "document/engine/documentWriter.h"

#include "document/engine/docSections.h"

namespace {

using SectionWriter = void (*)(DocText&);

// In the order of the section boxes, which is the order of the file.
constexpr std::array<SectionWriter, kDocSections> kSectionWriters = {
    DocPanelSettings,           DocRelaySchedule,          DocGroupSchedule, DocLocalInputSchedule,
    DocTiverlinkInputSchedule,  DocLocalInputPilotSchedule, DocTiverlinkPilotSchedule, DocTimerSchedule,
    DocPresetSchedule,          DocOffHoursSweepsSchedule, DocOpenCloseTimesSchedule, DocDimmers,
    DocDMXSchedule,
};
constexpr std::size_t kDmxSection = 12;

} // namespace

std::string DocumentText(const DocumentRequest& request)
{
    DocText doc;
    doc.line({"[OVK Brevantine 3 Configuration Documentation File]"});
    doc.line({"Host Software", request.softwareVersion});
    doc.line({"Brevantine 3 File Name", request.dataFileName});
    doc.line({"Document Created", DocTimeStamp(request.created)});
    for (std::size_t box = 0; box < kSectionWriters.size(); ++box) {
        // The DMX schedule belongs to the DMX add-on module alone.
        if (box == kDmxSection && tConfig.iAddOnModule != 1) continue;
        if (request.exclude[box] == 0) kSectionWriters[box](doc);
    }
    doc.line({"[End Of File]"});
    return doc.take();
}
