#pragma once
// Moving the panel image in 640 blocks of 64 bytes, one acknowledged command per
// block, then one checksum over the whole panel memory compared with the host's own.
// The link, the cancel button and the progress display belong to the caller.

#include <array>
#include <string>
#include <string_view>

#include "link/engine/panelCommands.h"
#include "link/engine/panelImage.h"

// What a block transfer needs of the program around it.
class BlockTransferLink {
public:
    virtual ~BlockTransferLink() = default;
    // Lets the user act between blocks; true once the transfer is to stop.
    virtual bool cancelRequested() = 0;
    // One exchange; true when a good reply is in sReply.
    virtual bool exchange(const PanelCommand& command) = 0;
    // Blocks done so far and the caption that goes with them.
    virtual void showBlockProgress(int blocksDone, const std::string& caption) = 0;
    virtual void showCaption(const std::string& caption) = 0;
};

enum class TransferOutcome { Completed, Cancelled, Failed };

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Completed;
    int errorCode = 0;   // set when Failed
};

// Error codes the user is shown.
inline constexpr int kDownloadBlockFailed = 1;
inline constexpr int kTransferChecksumDiffers = 2;
inline constexpr int kTransferChecksumUnanswered = 3;
inline constexpr int kUploadBlockFailed = 19;

inline const std::string kVerifyChecksumCaption = "Verify Checksum";

// A block of zeros goes out as a clear, anything else as a write of all 64 bytes.
PanelCommand DownloadBlockCommand(const PanelImageArray& image, int block);

// Sends every block of `image`, then compares the panel's checksum with the image's.
TransferResult DownloadImage(const PanelImageArray& image, BlockTransferLink& link);
// Reads every block into `image` (blocks that arrived stay there whatever happens
// later), then compares the panel's checksum with that of the bytes read.
TransferResult UploadImage(PanelImageArray& image, BlockTransferLink& link);

// The password the panel holds, read and written apart from the image.
PanelCommand ReadPasswordCommand();
PanelCommand WritePasswordCommand(const PasswordDigits& digits);
// The user's six boxes against the digits of a password read reply. A box that holds
// no digit (pasted text can leave one so) matches nothing.
bool PasswordMatches(std::string_view reply, const std::array<std::string, kPasswordDigits>& boxes);
