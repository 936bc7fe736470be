// Packing and unpacking the panel memory image of a configuration that uses every
// table, so that the host's share of a transfer can be set against the wire time.
#include <chrono>

#include "bench/benchRegistry.h"
#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"
#include "link/engine/panelImage.h"

namespace {

constexpr int kRuns = 2000;

void fillWholeConfiguration()
{
    SetDefaultSettings();
    PanelConfig& c = tConfig;
    c.sPanelName = "BENCH PANEL";
    for (int a = 0; a < 48; ++a) {
        for (int b = 0; b < 48; ++b) {
            const auto code = static_cast<int16_t>((a + b) % 8);
            c.iInputToRelayControl(a, b) = code;
            c.iInputToGroupControl(a, b) = code;
            c.bRelayInGroup(a, b) = (a + b) % 2 ? VbTrue : VbFalse;
            c.iTimerToRelayControl(a, b) = static_cast<int16_t>(code % 3);
            c.iPresetRelayState(a, b) = static_cast<int16_t>(code % 3);
        }
    }
    for (int s = 1; s < kStationCount; ++s) {
        StationRecord& st = tStation[static_cast<std::size_t>(s)];
        st.iDeviceType = static_cast<int16_t>(s % 10);
        for (int k = 0; k < 8; ++k)
            for (int r = 0; r < 48; ++r) st.iRelayAction(k, r) = static_cast<int16_t>((k + r) % 8);
    }
    for (int16_t device = 0; device < kDimmerDevices; ++device) DimSetDevEnabled(device, 1);
}

template <class Operation>
double microsecondsPerRun(Operation operation)
{
    operation();
    const auto start = std::chrono::steady_clock::now();
    for (int run = 0; run < kRuns; ++run) operation();
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / kRuns;
}

std::vector<BenchFigure> imageBench()
{
    fillWholeConfiguration();
    const PasswordDigits password{1, 2, 3, 4, 5, 6};
    const double pack = microsecondsPerRun([&] { PackPanelImage(password); });
    bUnpackNames = VbTrue;
    const double unpack = microsecondsPerRun([] { UnpackPanelImage(); });
    return {{"pack", pack, "us/op"}, {"unpack", unpack, "us/op"}};
}

} // namespace

B3_REGISTER_BENCH("image", imageBench)
