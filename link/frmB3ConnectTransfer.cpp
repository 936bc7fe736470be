// Download to and upload from the panel: the password frame, the block transfers and
// their cancel button.
#include <QElapsedTimer>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QPointer>
#include <QTimer>

#include "core/modB3Glimwarden.h"
#include "link/commandLink.h"
#include "link/windowHooks.h"
#include "link/engine/blockTransfer.h"
#include "link/frmB3Connect.h"
#include "platform/doEvents.h"
#include "platform/msgBox.h"
#include "platform/vbControls.h"
#include "platform/vbTextBox.h"

namespace {

const std::string kCrLf = "\r\n";
const std::string kMayNotFunction =
    kCrLf + "Brevantine 3 Controller May Not Function" + kCrLf + "Properly Until A Download Is Complete.";
const std::string kHostDataCleared = kCrLf + "All Host Data Cleared.";

// The connect form as the block transfer sees it: the cancel button is read between
// blocks, the progress label and bar follow the blocks.
//
// Over a fast link the blocks come far quicker than a screen refreshes, and painting
// the caption and the bar for each one was most of the host's time per block. Both
// take every block's values, but are painted at most once a frame; a block that takes
// longer than a frame (any real serial line) is still painted before it goes out.
class ConnectFormTransferLink final : public BlockTransferLink {
public:
    explicit ConnectFormTransferLink(frmB3Connect& form)
        : form_(form), progressDisplay_{form.lblActivityProgress, form.pbActivityProgress}
    {
        setDisplayUpdates(false);
    }
    ~ConnectFormTransferLink() override { setDisplayUpdates(true); }
    ConnectFormTransferLink(const ConnectFormTransferLink&) = delete;
    ConnectFormTransferLink& operator=(const ConnectFormTransferLink&) = delete;

    bool cancelRequested() override
    {
        DoEvents();
        return form_.bCancelTransfer != 0;
    }
    bool exchange(const PanelCommand& command) override { return SendCommand(command); }
    void showBlockProgress(int blocksDone, const std::string& caption) override
    {
        form_.pbActivityProgress->setValue(blocksDone);
        form_.lblActivityProgress->setCaption(QString::fromStdString(caption));
        if (!sincePaint_.isValid() || sincePaint_.elapsed() >= kFrameMs) paintProgress();
    }
    void showCaption(const std::string& caption) override
    {
        form_.lblActivityProgress->setCaption(QString::fromStdString(caption));
        paintProgress();
    }

private:
    static constexpr qint64 kFrameMs = 16;

    void setDisplayUpdates(bool enabled)
    {
        for (const QPointer<QWidget>& control : progressDisplay_)
            if (control) control->setUpdatesEnabled(enabled);
    }
    void paintProgress()
    {
        setDisplayUpdates(true);
        for (const QPointer<QWidget>& control : progressDisplay_)
            if (control) control->repaint();
        setDisplayUpdates(false);
        sincePaint_.start();
    }

    frmB3Connect& form_;
    const std::array<QPointer<QWidget>, 2> progressDisplay_;
    QElapsedTimer sincePaint_;
};

// The link lives for the blocks only, so that the messages after them find the
// progress display painting as usual again.
template <class Transfer>
TransferResult moveBlocks(frmB3Connect& form, Transfer transfer)
{
    ConnectFormTransferLink link(form);
    return transfer(link);
}

// One digit per box: a digit replaces the box's text and moves on to the next box,
// after the last back to the first; no key reaches the box by itself.
void typePasswordDigit(const std::array<VbTextBox*, frmB3Connect::kPasswordBoxes>& boxes, int Index, int& KeyAscii)
{
    if (KeyAscii >= '0' && KeyAscii <= '9') {
        boxes[Index]->setText(std::string(1, static_cast<char>(KeyAscii)));
        boxes[(Index + 1) % frmB3Connect::kPasswordBoxes]->setFocus();
    }
    KeyAscii = 0;
}

std::array<std::string, kPasswordDigits> boxTexts(const std::array<VbTextBox*, frmB3Connect::kPasswordBoxes>& boxes)
{
    std::array<std::string, kPasswordDigits> texts;
    for (int i = 0; i < kPasswordDigits; ++i) texts[i] = boxes[i]->Text();
    return texts;
}

PasswordDigits boxDigits(const std::array<VbTextBox*, frmB3Connect::kPasswordBoxes>& boxes)
{
    PasswordDigits digits{};
    for (int i = 0; i < kPasswordDigits; ++i) digits[i] = PasswordDigit(boxes[i]->Text());
    return digits;
}

} // namespace

void frmB3Connect::connectTransferControls()
{
    // Painted once per block: opaque, they repaint alone, not the frame behind them.
    lblActivityProgress->setAutoFillBackground(true);
    pbActivityProgress->setAutoFillBackground(true);
    connect(cmdDownLoadToB2, &QPushButton::clicked, this, [this] { cmdDownLoadToB2_Click(); });
    connect(cmdUpLoadFromB2, &QPushButton::clicked, this, [this] { cmdUpLoadFromB2_Click(); });
    connect(cmdCancelUpDownLoad, &QPushButton::clicked, this, [this] { cmdCancelUpDownLoad_Click(); });
    connect(cmdPassWordContinue, &QPushButton::clicked, this, [this] { cmdPassWordContinue_Click(); });
    connect(cmdPassWordCancel, &QPushButton::clicked, this, [this] { cmdPassWordCancel_Click(); });
    connect(chkChangePanelPassWord, &VbCheckBox::Click, this, [this] { chkChangePanelPassWord_Click(); });
    // Typing cannot empty a box: Delete is kept out like every other key.
    const auto dropDelete = [](int& KeyCode) { KeyCode = 0; };
    for (int i = 0; i < kPasswordBoxes; ++i) {
        txtPassWord[i]->KeyPress = [this, i](int& KeyAscii) { txtPassWord_KeyPress(i, KeyAscii); };
        txtNewPassWord[i]->KeyPress = [this, i](int& KeyAscii) { txtNewPassWord_KeyPress(i, KeyAscii); };
        txtPassWord[i]->KeyDown = dropDelete;
        txtNewPassWord[i]->KeyDown = dropDelete;
    }
}

// --- Busy and idle --------------------------------------------------------------------

void frmB3Connect::setTransferBusy(bool busy)
{
    cmdUpLoadFromB2->setVisible(!busy);
    cmdDownLoadToB2->setVisible(!busy);
    for (QWidget* control : std::initializer_list<QWidget*>{cmdConnect, cmdRefresh, cmdSetGWClock, cmdVirtualKeypad,
                                                            cmdNetworkDiagnostics, lblPanelTime, lblPanelDate})
        control->setEnabled(!busy);
}

// Back to idle once a transfer, or the questions before it, are over.
void frmB3Connect::endTransferActivity()
{
    setTransferBusy(false);
    lblActivityProgress->hide();
    pbActivityProgress->hide();
    resumePoll();
}

void frmB3Connect::MasterMDIMenuDisable()
{
    mainWindowHooks::DisableMainMenus(this);
    cmdCancelUpDownLoad->show();
    DoEvents();
}

void frmB3Connect::MasterMDIMenuEnable()
{
    mainWindowHooks::EnableMainMenus(this);
    cmdCancelUpDownLoad->hide();
}

void frmB3Connect::cmdCancelUpDownLoad_Click() { bCancelTransfer = VbTrue; }

// --- Password and download --------------------------------------------------------------

void frmB3Connect::cmdDownLoadToB2_Click()
{
    if (LinkBusy()) return;
    Timer1->stop();
    setTransferBusy(true);
    chkChangePanelPassWord->setValue(0);
    fraPassWord->show();
    txtPassWord[0]->setFocus();
}

void frmB3Connect::txtPassWord_KeyPress(int Index, int& KeyAscii) { typePasswordDigit(txtPassWord, Index, KeyAscii); }
void frmB3Connect::txtNewPassWord_KeyPress(int Index, int& KeyAscii) { typePasswordDigit(txtNewPassWord, Index, KeyAscii); }

void frmB3Connect::chkChangePanelPassWord_Click()
{
    const bool ticked = chkChangePanelPassWord->Value() != 0;
    lblNewPassWord->setVisible(ticked);
    for (VbTextBox* box : txtNewPassWord) box->setVisible(ticked);
    if (ticked) txtNewPassWord[0]->setFocus();
}

void frmB3Connect::cmdPassWordCancel_Click()
{
    leavePasswordFrame();
    Timer1->start();
}

// Also when the link goes down with the frame open (File New or Open meanwhile):
// otherwise the form would come back with Connect disabled and no way to go on.
void frmB3Connect::leavePasswordFrame()
{
    setTransferBusy(false);
    fraPassWord->hide();
}

void frmB3Connect::cmdPassWordContinue_Click()
{
    // The download's cancel flag is cleared here rather than once the blocks start:
    // the main window asks for a cancel when it is closed during the password
    // exchanges too, and that request must stop the download before its first block.
    bCancelTransfer = VbFalse;
    fraPassWord->hide();
    lblActivityProgress->setCaption("Downloading Settings To Brevantine 3");
    lblActivityProgress->show();
    pbActivityProgress->show();

    // A failed password exchange means the panel is gone: nothing is downloaded and
    // the status poll stays off.
    const QPointer<frmB3Connect> self(this);
    const auto lost = [self] {
        ConnectionLost();
        if (!self) return;
        self->DisconnectGW();
        self->setTransferBusy(false);
        self->lblActivityProgress->hide();
        self->pbActivityProgress->hide();
    };
    if (!SendCommand(ReadPasswordCommand())) {
        lost();
        return;
    }
    if (!PasswordMatches(sReply, boxTexts(txtPassWord))) {
        MsgBox("Password Invalid." + kCrLf + "Download Denied.", vbCritical, kAppTitle);
    } else {
        if (chkChangePanelPassWord->Value() >= 1) {
            if (!SendCommand(WritePasswordCommand(boxDigits(txtNewPassWord)))) {
                lost();
                return;
            }
            for (int i = 0; i < kPasswordBoxes; ++i) txtPassWord[i]->setText(txtNewPassWord[i]->Text());
        }
        DownLoadSettings();
    }
    if (self) endTransferActivity();
}

void frmB3Connect::DownLoadSettings()
{
    // Held to the end, so that closing the main window meanwhile waits for the
    // transfer to stop instead of pulling the form out from under it.
    const LinkBusyScope busy;
    MasterMDIMenuDisable();
    PackPanelImage(boxDigits(txtPassWord));
    const TransferResult result = moveBlocks(*this, [](BlockTransferLink& link) { return DownloadImage(iImage, link); });
    MasterMDIMenuEnable();
    switch (result.outcome) {
    case TransferOutcome::Completed: MsgBox("Download Complete", vbOKOnly, "Download"); break;
    case TransferOutcome::Cancelled: MsgBox("Manual Download Cancel." + kMayNotFunction, vbExclamation, "Download"); break;
    case TransferOutcome::Failed:
        MsgBox("Download Error: " + std::to_string(result.errorCode) + kMayNotFunction, vbCritical, "Error");
        break;
    }
}

// --- Upload ---------------------------------------------------------------------------

void frmB3Connect::cmdUpLoadFromB2_Click()
{
    if (LinkBusy()) return;
    Timer1->stop();
    setTransferBusy(true);
    lblActivityProgress->setCaption("Uploading Settings From Brevantine 3");
    lblActivityProgress->show();
    // The bar would otherwise stand where the last transfer left it during the questions.
    pbActivityProgress->setValue(0);
    pbActivityProgress->show();

    const QPointer<frmB3Connect> self(this);
    const int discard = MsgBox("Discard All Host Changes?", vbYesNo + vbQuestion, kAppTitle);
    int names = vbCancel;
    if (discard == vbYes) {
        bChanged = VbFalse;
        names = MsgBox("Names Stored In The Brevantine 3 Panel Are Limited To Ten Characters." + kCrLf
                           + "By Uploading The Names From The Brevantine 3, Any Longer Names Will Be Lost." + kCrLf
                           + "Do You Want To Include Brevantine 3 Names In This Upload?",
                       vbYesNoCancel + vbQuestion, kAppTitle);
    }
    if (!self) return;
    if (names == vbCancel) {
        MsgBox("Upload Cancelled", vbOKOnly, kAppTitle);
    } else {
        bUnpackNames = names == vbYes ? VbTrue : VbFalse;
        UpLoadSettings();
        AfterSettingsLoaded();
    }
    if (self) endTransferActivity();
}

void frmB3Connect::UpLoadSettings()
{
    const LinkBusyScope busy;
    // Cleared before the menus' message-loop pass, so that a cancel asked for during
    // that pass (by closing the main window) is not lost.
    bCancelTransfer = VbFalse;
    MasterMDIMenuDisable();
    const TransferResult result = moveBlocks(*this, [](BlockTransferLink& link) { return UploadImage(iImage, link); });
    switch (result.outcome) {
    case TransferOutcome::Completed:
        UnpackPanelImage();
        bChanged = VbTrue;
        MasterMDIMenuEnable();
        MsgBox("Upload Complete", vbOKOnly, "Upload");
        return;
    case TransferOutcome::Cancelled:
        MasterMDIMenuEnable();
        MsgBox("Manual Upload Cancel." + kHostDataCleared, vbExclamation, "Upload");
        break;
    case TransferOutcome::Failed:
        MasterMDIMenuEnable();
        MsgBox("Upload Error: " + std::to_string(result.errorCode) + kHostDataCleared, vbCritical, "Error");
        break;
    }
    resetAfterUploadFailure();
}

// Nothing of a transfer that did not finish may stay: the link goes down and the whole
// configuration, link settings included, goes back to its defaults.
void frmB3Connect::resetAfterUploadFailure()
{
    DisconnectGW();
    SetDefaultSettings();
    // The controls match the reset link type after an error as after a cancel: a
    // TCP/IP link had hidden the port buttons that the direct link needs.
    showLinkSettings();
    // The link is down, whatever the last exchange left in the status bar.
    mainWindowHooks::UpdateStatusBar();
}
