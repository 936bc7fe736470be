#include "stations/engine/stationFamilies.h"

#include "core/itemTexts.h"
#include "core/vbRuntime.h"

namespace {

// Local input type of each family code, in list order.
constexpr std::array<int, 5> kPushButtonKinds = {
    kLocalMomentaryPB, kLocalSetPreset, kLocalTimedOn, kLocal2Step, kLocal4Step,
};
constexpr std::array<int, 10> kFourInputKinds = {
    kLocalMomentaryOnOff, kLocalMomentaryPB, kLocalMaintOnOff, kLocalSetPreset,    kLocalTimedOn,
    kLocalHIDBiLevel,     kLocal2Step,       kLocal4Step,      kLocalTimerDisable, kLocalOutputOverride,
};
constexpr std::array<int, 5> kEightInputKinds = {
    kLocalMaintOnOff, kLocalSetPreset, kLocalTimedOn, kLocal2Step, kLocal4Step,
};

template <std::size_t N>
int kindAt(const std::array<int, N>& kinds, long code)
{
    return (code >= 0 && static_cast<std::size_t>(code) < N) ? kinds[static_cast<std::size_t>(code)] : -1;
}

} // namespace

StationFamily StationFamilyOf(long deviceType)
{
    if (deviceType >= 1 && deviceType <= 6) return StationFamily::PushButton;
    if (deviceType == 7) return StationFamily::FourInput;
    if (deviceType == 8) return StationFamily::EightInput;
    if (deviceType == 9) return StationFamily::Photocell;
    return StationFamily::None;
}

int StationInputsShown(long deviceType)
{
    if (deviceType >= 1 && deviceType <= 5) return static_cast<int>(deviceType);
    if (deviceType == 7) return 4;
    if (deviceType == 6 || deviceType == 8 || deviceType == 9) return 8;
    return 0;
}

std::span<const std::string_view> StationInputTypeNames(StationFamily family)
{
    switch (family) {
    case StationFamily::PushButton: return kPushButtonInputTypeNames;
    case StationFamily::FourInput: return kFourInputInputTypeNames;
    case StationFamily::EightInput: return kEightInputInputTypeNames;
    default: return {};
    }
}

int StationInputKind(StationFamily family, long inputType)
{
    switch (family) {
    case StationFamily::PushButton: return kindAt(kPushButtonKinds, inputType);
    case StationFamily::FourInput: return kindAt(kFourInputKinds, inputType);
    case StationFamily::EightInput: return kindAt(kEightInputKinds, inputType);
    default: return -1;
    }
}

std::string StationInputName(std::string_view stationName, int input)
{
    return std::string(stationName) + "." + std::to_string(input + 1);
}

int16_t StationListCode(StationFamily family, int16_t inputType)
{
    const bool fiveTypes = family == StationFamily::PushButton || family == StationFamily::EightInput;
    return fiveTypes ? static_cast<int16_t>(inputType % 5) : inputType;
}

std::string StationDeviceTypeCaption(long deviceType)
{
    const bool known = StationFamilyOf(deviceType) != StationFamily::None;
    return " " + std::string(known ? kStationDeviceTypeNames[static_cast<std::size_t>(deviceType)] : "None");
}

std::string StationInputTypeCaption(long deviceType, int16_t inputType)
{
    const StationFamily family = StationFamilyOf(deviceType);
    if (family == StationFamily::Photocell) return " Maintained On/Off";
    const int kind = StationInputKind(family, StationListCode(family, inputType));
    return kind < 0 ? std::string() : " " + std::string(kLocalInputTypeNames[static_cast<std::size_t>(kind)]);
}

std::string PhotocellLevelCaption(std::string_view which, int16_t level)
{
    return " " + std::string(which) + " " + FormatDigits(level, 3) + "/255 (" + FormatNumber(VbInt(level / 2.55)) + "%)";
}
