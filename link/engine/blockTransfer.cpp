#include "link/engine/blockTransfer.h"

#include <algorithm>

#include "core/modB3Glimwarden.h"
#include "link/engine/panelReplies.h"

namespace {

std::string downloadCaption(int blocksDone)
{
    return "Downloading Block " + std::to_string(blocksDone) + " Of " + std::to_string(kImageBlockCount);
}

std::string uploadCaption(int blocksDone)
{
    return "Uploading Block " + std::to_string(blocksDone) + " Of " + std::to_string(kImageBlockCount);
}

TransferResult failed(int code) { return {TransferOutcome::Failed, code}; }

// The closing comparison both directions share.
TransferResult verifyChecksum(int32_t hostChecksum, BlockTransferLink& link)
{
    link.showCaption(kVerifyChecksumCaption);
    if (!link.exchange(panelCommand::ChecksumMemory())) return failed(kTransferChecksumUnanswered);
    const std::optional<uint16_t> panelChecksum = DecodeMemoryChecksum(sReply);
    if (!panelChecksum || *panelChecksum != hostChecksum) return failed(kTransferChecksumDiffers);
    return {};
}

} // namespace

PanelCommand DownloadBlockCommand(const PanelImageArray& image, int block)
{
    const int first = block * kImageBlockSize;
    std::array<uint8_t, kImageBlockSize> bytes{};
    for (int j = 0; j < kImageBlockSize; ++j)
        bytes[static_cast<std::size_t>(j)] = static_cast<uint8_t>(image[static_cast<std::size_t>(first + j)] & 0xFF);
    const bool allZero = std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; });
    if (allZero) return panelCommand::ClearMemory(first, first + kImageBlockSize - 1);
    return panelCommand::WriteMemory(first, bytes);
}

TransferResult DownloadImage(const PanelImageArray& image, BlockTransferLink& link)
{
    int32_t checksum = 0;
    for (int block = 0; block < kImageBlockCount; ++block) {
        if (link.cancelRequested()) return {TransferOutcome::Cancelled};
        const int first = block * kImageBlockSize;
        for (int j = 0; j < kImageBlockSize; ++j)
            checksum = ImageChecksumStep(checksum, image[static_cast<std::size_t>(first + j)]);
        const PanelCommand command = DownloadBlockCommand(image, block);
        // The caption names the block before it goes out.
        link.showBlockProgress(block + 1, downloadCaption(block + 1));
        if (!link.exchange(command)) return failed(kDownloadBlockFailed);
    }
    return verifyChecksum(checksum, link);
}

TransferResult UploadImage(PanelImageArray& image, BlockTransferLink& link)
{
    int32_t checksum = 0;
    for (int block = 0; block < kImageBlockCount; ++block) {
        if (link.cancelRequested()) return {TransferOutcome::Cancelled};
        const int first = block * kImageBlockSize;
        if (!link.exchange(panelCommand::ReadMemory(first, kImageBlockSize))) return failed(kUploadBlockFailed);
        const std::optional<std::vector<uint8_t>> bytes = DecodeBytes(sReply, kImageBlockSize);
        if (!bytes) return failed(kUploadBlockFailed);
        for (int j = 0; j < kImageBlockSize; ++j) {
            const int16_t entry = (*bytes)[static_cast<std::size_t>(j)];
            image[static_cast<std::size_t>(first + j)] = entry;
            checksum = ImageChecksumStep(checksum, entry);
        }
        // The caption follows the block's reply.
        link.showBlockProgress(block + 1, uploadCaption(block + 1));
    }
    return verifyChecksum(checksum, link);
}

PanelCommand ReadPasswordCommand() { return panelCommand::ReadMemory(kPasswordAddress, kPasswordDigits); }

PanelCommand WritePasswordCommand(const PasswordDigits& digits)
{
    std::array<uint8_t, kPasswordDigits> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(digits[i] & 0xFF);
    return panelCommand::WriteMemory(kPasswordAddress, bytes);
}

bool PasswordMatches(std::string_view reply, const std::array<std::string, kPasswordDigits>& boxes)
{
    for (int i = 0; i < kPasswordDigits; ++i) {
        const std::string& box = boxes[static_cast<std::size_t>(i)];
        const bool holdsDigit = !box.empty() && box.front() >= '0' && box.front() <= '9';
        if (!holdsDigit || PasswordDigit(box) != ReplyByte(reply, i)) return false;
    }
    return true;
}
