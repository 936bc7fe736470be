// Time to build the documentation file of a configuration that fills every section.
#include <chrono>

#include "bench/benchRegistry.h"
#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"
#include "document/engine/documentWriter.h"

namespace {

void fillConfiguration()
{
    SetDefaultSettings();
    PanelConfig& c = tConfig;
    c.iNodeIO[0] = 8;
    c.iNodeIO[1] = 4;
    c.iAddOnModule = 1;
    for (int i = 0; i < 48; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        c.iInputType[ii] = static_cast<int16_t>(i % 13);
        c.iRelayDMXChannel[ii] = static_cast<int16_t>(i * 10 + 1);
        c.iTimerTime[ii] = static_cast<int16_t>(i < 24 ? i : 24 + 32 * (i % 8));
        c.iTimerHolidayMonth[ii] = static_cast<int16_t>(i % 5 == 0 ? 1 + i % 12 : 0);
        for (int j = 0; j < 48; ++j) {
            const auto code = static_cast<int16_t>(1 + (i + j) % 2);
            c.iInputToRelayControl(i, j) = code;
            c.iInputToGroupControl(i, j) = code;
            c.bRelayInGroup(i, j) = -1;
            c.iTimerToRelayControl(i, j) = code;
            c.iTimerToGroupControl(i, j) = code;
            c.iTimerToPresetControl(i, j) = 1;
            c.iPresetRelayState(i, j) = code;
        }
    }
    c.iDateOpenTime.v.fill(32);
    c.iDateCloseTime.v.fill(84);
    for (int s = 1; s < kStationCount; ++s) {
        StationRecord& st = tStation[static_cast<std::size_t>(s)];
        st.iDeviceType = static_cast<int16_t>(1 + s % 9);
        for (int k = 0; k < 8; ++k) {
            st.iInputType[static_cast<std::size_t>(k)] = static_cast<int16_t>(k % 5);
            st.iPilot[static_cast<std::size_t>(k)] = static_cast<int16_t>(64 * (k % 4) + k);
            for (int j = 0; j < 48; ++j) {
                st.iRelayAction(k, j) = 1;
                st.iGroupAction(k, j) = 1;
            }
        }
    }
    for (int16_t d = 0; d < kDimmerDevices; ++d) {
        DimSetDevEnabled(d, 1);
        for (int16_t o = 0; o < kOutputsPerDimmer; ++o) {
            DimSetPCTrack(d, o, static_cast<int16_t>(o));
            for (int16_t n = 0; n < kDimmerOptions; ++n) {
                DimSetCOType(d, o, n, static_cast<int16_t>(n % 5));
                DimSetCOAction(d, o, n, static_cast<int16_t>(n * 6));
                DimSetCORevert(d, o, n, static_cast<int16_t>(n * 7));
            }
            for (int16_t r = 0; r < 48; ++r) DimSetRelayIncluded(d, o, r, -1);
        }
    }
}

std::vector<BenchFigure> documentFullConfiguration()
{
    fillConfiguration();
    DocumentRequest request;
    request.softwareVersion = "Version 1.02";
    request.dataFileName = "None";
    request.created = {2025, 1, 1, 12, 0};

    constexpr int kRuns = 50;
    std::size_t bytes = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int run = 0; run < kRuns; ++run) bytes += DocumentText(request).size();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return {{"documentation file, full configuration", elapsed.count() / kRuns, "ms"},
            {"documentation file size", static_cast<double>(bytes / kRuns) / 1024.0, "KiB"}};
}

} // namespace

B3_REGISTER_BENCH("document", documentFullConfiguration)
