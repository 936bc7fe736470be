// The block transfers against the fake panel's memory, with no wire in between: what
// each block becomes on the link and where a failure stops them. The whole transfers over
// a wire are tested through the connect form.
#include <gtest/gtest.h>

#include <random>

#include "core/modB3Glimwarden.h"
#include "fakePanelMemory.h"
#include "link/engine/blockTransfer.h"
#include "link/engine/frameProtocol.h"

namespace {

class PanelStateLink final : public BlockTransferLink {
public:
    FakePanelState panel;
    std::vector<std::string> sent;
    int failExchange = -1;   // this exchange (from 0) gets no answer

    bool cancelRequested() override { return false; }
    bool exchange(const PanelCommand& command) override
    {
        sent.push_back(command.text);
        if (static_cast<int>(sent.size()) - 1 == failExchange) return false;
        const auto answer = panel.answer(command.text);
        if (!answer) return false;
        sReply = BuildReply(answer->payload);
        return ReplyIsValid(sReply, static_cast<std::size_t>(command.replyLength));
    }
    void showBlockProgress(int, const std::string&) override {}
    void showCaption(const std::string&) override {}
};

PanelImageArray randomImage(unsigned seed)
{
    std::mt19937 rng(seed);
    PanelImageArray image{};
    for (int16_t& entry : image) entry = static_cast<int16_t>(rng() % 256);
    // Whole blocks of zeros, as an unused table leaves them.
    for (int block : {0, 17, 639})
        std::fill_n(image.begin() + block * kImageBlockSize, kImageBlockSize, int16_t{0});
    return image;
}

} // namespace

TEST(BlockTransfer, BlockCommandsWriteOrClear)
{
    PanelImageArray image{};
    EXPECT_EQ(DownloadBlockCommand(image, 639).text, "369FC09FFF");
    image[0x9FFF] = 0x1AB;   // only the byte goes out
    const PanelCommand write = DownloadBlockCommand(image, 639);
    EXPECT_EQ(write.text.size(), 136u);
    EXPECT_EQ(write.text.substr(0, 8), "309FC03F");
    EXPECT_EQ(write.text.substr(write.text.size() - 4), "00AB");
    EXPECT_EQ(write.replyLength, 4);
    EXPECT_EQ(write.timeoutSeconds, 4);
    EXPECT_EQ(ReadPasswordCommand().text, "311F7A05");
    EXPECT_EQ(ReadPasswordCommand().replyLength, 16);
    EXPECT_EQ(WritePasswordCommand({1, 2, 3, 4, 5, 6}).text, "301F7A05010203040506");
}

TEST(BlockTransfer, AFailedExchangeEndsTheTransferWithItsCode)
{
    const PanelImageArray image = randomImage(3);
    const auto failure = [&](bool download, int failExchange) {
        PanelStateLink link;
        link.failExchange = failExchange;
        PanelImageArray into{};
        const TransferResult result = download ? DownloadImage(image, link) : UploadImage(into, link);
        EXPECT_EQ(result.outcome, TransferOutcome::Failed);
        EXPECT_EQ(link.sent.size(), static_cast<std::size_t>(failExchange + 1));
        return result.errorCode;
    };
    EXPECT_EQ(failure(true, 5), kDownloadBlockFailed);
    EXPECT_EQ(failure(true, 640), kTransferChecksumUnanswered);
    EXPECT_EQ(failure(false, 0), kUploadBlockFailed);
    EXPECT_EQ(failure(false, 640), kTransferChecksumUnanswered);
}

TEST(BlockTransfer, PasswordComparedDigitByDigit)
{
    const std::string stored = BuildReply("010203040506");
    EXPECT_TRUE(PasswordMatches(stored, {"1", "2", "3", "4", "5", "6"}));
    EXPECT_FALSE(PasswordMatches(stored, {"1", "2", "3", "4", "5", "7"}));
    // A box emptied by pasting holds no digit and matches not even a stored 0.
    EXPECT_FALSE(PasswordMatches(BuildReply("000000000000"), {"0", "0", "", "0", "0", "0"}));
    EXPECT_TRUE(PasswordMatches(BuildReply("000000000000"), {"0", "0", "0", "0", "0", "0"}));
}
