#include "fakePanelMemory.h"

#include <algorithm>

#include "core/hexText.h"

namespace {

bool allHex(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

std::optional<FakePanelAnswer> ack() { return FakePanelAnswer{}; }

} // namespace

std::string hexBytes(const std::vector<uint8_t>& bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) text += Hex2(b);
    return text;
}

FakePanelState::FakePanelState()
    : memory(kPanelMemorySize, 0),
      revision(std::string("BREVANTINE 3 PANEL") + std::string(2, ' ') + "FIRMWARE REV 1.00   "),
      keypadDisplay(kKeypadDisplayLength, ' '),
      dimmerLevels(kDimmerLevels, 0)
{
    status = PanelStatus{8, 30, 0, 6, 15, 24, 6, 8, 0, 0};
    pages.fill(std::string(kItemPageLength, '0'));
    stationTables.fill(std::vector<uint8_t>(kStationAddresses, 0));
}

std::string FakePanelState::statusPayload() const
{
    std::string p = Hex2(status.hour) + Hex2(status.minute) + Hex2(status.second) + Hex2(status.month) + Hex2(status.day)
                    + Hex2(status.year);
    p += Hex2(status.weekday * 16);
    p += Hex2(status.ioPoints);
    p += Hex2(status.cardType);
    p += Hex2(status.cardRevision * 16);
    p += std::string(30 - p.size(), '0');
    return p;
}

std::optional<FakePanelAnswer> FakePanelState::answer(std::string_view command)
{
    if (command.size() < 2 || !allHex(command)) return std::nullopt;
    const std::string_view op = command.substr(0, 2);
    const std::string_view args = command.substr(2);
    const auto exactly = [&](std::size_t n) { return args.size() == n; };

    if (op == "00" && exactly(11)) return setClock(args);
    if (op == "01" && exactly(0)) return FakePanelAnswer{statusPayload()};
    if (op == "02" && exactly(0)) return FakePanelAnswer{"00", forceWaitDelayMs};
    if (op == "05" && exactly(0)) return FakePanelAnswer{revision};
    if (op == "07" && exactly(2)) return FakePanelAnswer{keypadDisplay + Hex2(keyLamps)};
    if (op == "10" && exactly(3)) return switchItems(pages[0], args, false);
    if (op == "11" && exactly(3)) return switchItems(pages[1], args, true);
    if (op == "13" && exactly(3)) return ack();
    if (op == "20" && args == "FF") return FakePanelAnswer{pages[2]};
    if (op == "23" && args == "FF") return FakePanelAnswer{pages[0]};
    if (op == "24" && args == "FF") return FakePanelAnswer{pages[1]};
    if (op == "25" && args == "FF") return FakePanelAnswer{pages[3]};
    if (op == "30") return writeMemory(args);
    if (op == "31" && exactly(6)) return readMemory(args);
    if (op == "34" && exactly(8)) return rangeCommand(args, false);
    if (op == "36" && exactly(8)) return rangeCommand(args, true);
    if ((op == "40" || op == "41") && exactly(3)) return ack();
    if (op == "46" && exactly(0)) return FakePanelAnswer{hexBytes(stationTables[0])};
    if (op == "47" && exactly(0)) return FakePanelAnswer{hexBytes(stationTables[1])};
    if (op == "48" && exactly(0)) return FakePanelAnswer{hexBytes(stationTables[2])};
    if (op == "49" && exactly(0)) return FakePanelAnswer{hexBytes(dimmerLevels)};
    return std::nullopt;
}

std::optional<FakePanelAnswer> FakePanelState::switchItems(std::string& page, std::string_view args, bool keepUndefined)
{
    const int item = HexByte(args.substr(0, 2));
    const char state = args[2];
    if (state != '0' && state != '1') return std::nullopt;
    const auto set = [&](char& c) {
        if (!(keepUndefined && c == '2')) c = state;
    };
    if (item == kAllItems) {
        for (char& c : page) set(c);
    } else if (item < kItemPageLength) {
        set(page[static_cast<std::size_t>(item)]);
    } else {
        return std::nullopt;
    }
    return ack();
}

std::optional<FakePanelAnswer> FakePanelState::writeMemory(std::string_view args)
{
    if (args.size() < 6) return std::nullopt;
    const int address = HexWord(args.substr(0, 4));
    const int count = HexByte(args.substr(4, 2)) + 1;
    const std::string_view data = args.substr(6);
    if (data.size() != 2 * static_cast<std::size_t>(count) || address + count > kPanelMemorySize) return std::nullopt;
    for (int j = 0; j < count; ++j)
        memory[static_cast<std::size_t>(address + j)] = static_cast<uint8_t>(HexByte(data.substr(2 * static_cast<std::size_t>(j), 2)));
    return ack();
}

std::optional<FakePanelAnswer> FakePanelState::readMemory(std::string_view args)
{
    const int address = HexWord(args.substr(0, 4));
    const int count = HexByte(args.substr(4, 2)) + 1;
    if (address + count > kPanelMemorySize) return std::nullopt;
    const auto first = memory.begin() + address;
    return FakePanelAnswer{hexBytes(std::vector<uint8_t>(first, first + count))};
}

std::optional<FakePanelAnswer> FakePanelState::rangeCommand(std::string_view args, bool clear)
{
    const int first = HexWord(args.substr(0, 4));
    const int last = HexWord(args.substr(4, 4));
    if (first > last || last >= kPanelMemorySize) return std::nullopt;
    const auto begin = memory.begin() + first;
    const auto end = memory.begin() + last + 1;
    if (clear) {
        std::fill(begin, end, uint8_t{0});
        return ack();
    }
    return FakePanelAnswer{Hex4(RangeChecksum(std::span<const uint8_t>(&*begin, static_cast<std::size_t>(end - begin))))};
}

std::optional<FakePanelAnswer> FakePanelState::setClock(std::string_view args)
{
    const int weekday = args[10] - '0';
    if (weekday < 0 || weekday > 6) return std::nullopt;
    status.hour = HexByte(args.substr(0, 2));
    status.minute = HexByte(args.substr(2, 2));
    status.month = HexByte(args.substr(4, 2));
    status.day = HexByte(args.substr(6, 2));
    status.year = HexByte(args.substr(8, 2));
    status.weekday = weekday;
    status.second = 0;
    return ack();
}
