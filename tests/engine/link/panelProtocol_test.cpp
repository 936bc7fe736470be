#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "link/engine/frameProtocol.h"
#include "link/engine/panelCommands.h"
#include "link/engine/panelReplies.h"
#include "link/engine/panelStatusText.h"

namespace pc = panelCommand;

TEST(FrameProtocol, ChecksumFramesAndReplyChecks)
{
    EXPECT_EQ(FrameChecksum("0001"), 0xD3);
    EXPECT_EQ(FrameChecksum(""), 0);
    EXPECT_EQ(BuildFrame("01"), "[0001D3]");
    EXPECT_EQ(BuildReply(""), "[00]");

    EXPECT_TRUE(ReplyIsValid("[00]", 4));
    EXPECT_FALSE(ReplyIsValid("[00]", 6));          // short
    EXPECT_FALSE(ReplyIsValid("[00]x", 4));         // long
    EXPECT_FALSE(ReplyIsValid("[01]", 4));          // checksum
    EXPECT_FALSE(ReplyIsValid("", 0));
    EXPECT_FALSE(ReplyIsValid("[]", 2));
    // The frame characters themselves are not examined.
    const std::string reply = BuildReply("1234");
    std::string odd = reply;
    odd.front() = 'x';
    odd.back() = 'y';
    EXPECT_TRUE(ReplyIsValid(odd, odd.size()));
    // A garbled checksum field never passes as the number it starts with.
    EXPECT_FALSE(ReplyIsValid("[0G]", 4));
    EXPECT_FALSE(ReplyIsValid("[ 0]", 4));
}

TEST(PanelCommands, TextsLengthsAndTimeouts)
{
    const auto expect = [](const PanelCommand& c, const std::string& text, int length, int seconds) {
        EXPECT_EQ(c.text, text);
        EXPECT_EQ(c.replyLength, length) << text;
        EXPECT_EQ(c.timeoutSeconds, seconds) << text;
    };
    expect(pc::SetClock(14, 5, 12, 8, 2026, 2), "000E050C081A2", 4, 4);
    expect(pc::SetClock(0, 0, 1, 1, 2000, 6), "0000000101006", 4, 4);
    expect(pc::ReadStatus(), "01", 34, 5);
    expect(pc::ForceWait(), "02", 6, 80);
    expect(pc::ReadRevision(), "05", 44, 3);
    expect(pc::KeypadPoll(0x30), "0730", 86, 3);
    expect(pc::SwitchRelay(5, true), "10051", 4, 4);
    expect(pc::SwitchRelay(kAllItems, false), "10FF0", 4, 4);
    expect(pc::SwitchGroup(47, true), "112F1", 4, 4);
    expect(pc::ForceTimer(10), "130A0", 4, 4);
    expect(pc::ReadInputStatus(), "20FF", 52, 4);
    expect(pc::ReadRelayStatus(), "23FF", 52, 5);
    expect(pc::ReadGroupStatus(), "24FF", 52, 5);
    expect(pc::ReadPresetStatus(), "25FF", 52, 5);
    expect(pc::ReadMemory(64 * 3, 64), "3100C03F", 132, 10);
    expect(pc::ReadMemory(kPasswordAddress, 6), "311F7A05", 16, 4);
    expect(pc::ReadMemory(kNodeTableAddress, 12), "311FF00B", 28, 2);
    const std::array<uint8_t, 6> password{1, 2, 3, 4, 5, 9};
    expect(pc::WriteMemory(kPasswordAddress, password), "301F7A05010203040509", 4, 4);
    const std::vector<uint8_t> block(64, 0xAB);
    EXPECT_EQ(pc::WriteMemory(0x9FC0, block).text.size(), 136u);
    expect(pc::ChecksumMemory(), "3400009FFF", 8, 6);
    expect(pc::ClearMemory(0x9FC0, 0x9FFF), "369FC09FFF", 4, 4);
    expect(pc::SetPreset(1), "40010", 4, 4);
    expect(pc::CapturePreset(47), "412F0", 4, 4);
    expect(pc::ReadDeviceInputs(), "46", 134, 4);
    expect(pc::ReadDevicePresence(), "47", 134, 4);
    expect(pc::ReadDeviceLevels(), "48", 134, 4);
    expect(pc::ReadDimmerLevels(), "49", 100, 4);
    expect(pc::ModemReset(), "ATZ\r", 20, 5);
    expect(pc::ModemDial("555-1234"), "ATDT 555-1234\r", 30, 40);
    expect(pc::ModemEscape(), "[%%%%%", 50, 3);
    expect(pc::ModemHangUp(), "ATZ", 50, 3);
    // The longest frame the host ever sends.
    EXPECT_EQ(BuildFrame(pc::WriteMemory(0, block).text).size(), 142u);
}

TEST(PanelCommands, RangeChecksumAddsAndRotates)
{
    const std::array<uint8_t, 2> oneTwo{1, 2};
    EXPECT_EQ(RangeChecksum(oneTwo), 8);
    EXPECT_EQ(RangeChecksumStep(0x8000, 0), 1);
    EXPECT_EQ(RangeChecksumStep(0xFFFF, 1), 0);
    EXPECT_EQ(RangeChecksumStep(0xFFFF, 0), 0xFFFF);
}

TEST(PanelReplies, DecodersReadTheirPositionsAndRefuseOtherLengths)
{
    // 13:05:09 on 12/08/26, Tuesday, 24 points, card 6 revision 3.
    const std::string payload = "0D0509" "0C081A" "20" "18" "06" "3" + std::string(11, '0');
    ASSERT_EQ(payload.size(), 30u);
    const auto status = DecodeStatus(BuildReply(payload));
    ASSERT_TRUE(status);
    EXPECT_EQ(status->hour, 13);
    EXPECT_EQ(status->minute, 5);
    EXPECT_EQ(status->second, 9);
    EXPECT_EQ(status->month, 12);
    EXPECT_EQ(status->day, 8);
    EXPECT_EQ(status->year, 26);
    EXPECT_EQ(status->weekday, 2);
    EXPECT_EQ(status->ioPoints, 24);
    EXPECT_EQ(status->cardType, 6);
    EXPECT_EQ(status->cardRevision, 3);

    const std::string revision = "REV 1.23            BUILD 7             ";
    EXPECT_EQ(DecodeRevision(BuildReply(revision)), revision);
    const auto keypad = DecodeKeypad(BuildReply(std::string(80, 'K') + "21"));
    ASSERT_TRUE(keypad);
    EXPECT_EQ(keypad->display, std::string(80, 'K'));
    EXPECT_EQ(keypad->lamps, 0x21);
    EXPECT_EQ(DecodeItemPage(BuildReply(std::string(47, '0') + "1")), std::string(47, '0') + "1");
    EXPECT_EQ(DecodeMemoryChecksum(BuildReply("BEEF")), 0xBEEF);
    const auto bytes = DecodeBytes(BuildReply("00FF7a"), 3);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, (std::vector<uint8_t>{0, 255, 0x7A}));

    // Every decoder refuses a reply of any other length, down to nothing at all.
    for (const std::string& text : {std::string(), std::string("["), std::string("[00]"), std::string(200, 'F')}) {
        EXPECT_FALSE(DecodeStatus(text));
        EXPECT_FALSE(DecodeRevision(text));
        EXPECT_FALSE(DecodeKeypad(text));
        EXPECT_FALSE(DecodeItemPage(text));
        EXPECT_FALSE(DecodeBytes(text, 65));
        EXPECT_FALSE(DecodeMemoryChecksum(text));
    }
    EXPECT_FALSE(DecodeBytes("[00]", -1));
    EXPECT_EQ(ReplyByte("[1", 0), 0);
    EXPECT_EQ(ReplyByte("[12]", 5), 0);
}

TEST(PanelStatusText, ClockDateIoAndCardTexts)
{
    EXPECT_EQ(PanelTimeText(0, 5, 9), "12:05:09 AM");
    EXPECT_EQ(PanelTimeText(11, 59, 0), "11:59:00 AM");
    EXPECT_EQ(PanelTimeText(12, 0, 0), "12:00:00 PM");
    EXPECT_EQ(PanelTimeText(13, 5, 9), "01:05:09 PM");
    EXPECT_EQ(PanelDateText(2, 12, 8, 26), "Tue 12/08/26");
    EXPECT_EQ(PanelDateText(0, 1, 2, 3), "Sun 01/02/03");
    EXPECT_EQ(PanelDateText(9, 1, 2, 3), "01/02/03");
    EXPECT_EQ(IOInstalledText(8), "08 Inputs/Relays");
    EXPECT_EQ(CardTypeText(0, 7), "None");
    EXPECT_EQ(CardTypeText(1, 12), "DMX  Rev 12");
    EXPECT_EQ(CardTypeText(4, 0), "Voice/DTMF  Rev 0");
    EXPECT_EQ(CardTypeText(7, 1), "Ethernet  Rev 1");
    EXPECT_EQ(CardTypeText(9, 1), "Unknown Type");
}
