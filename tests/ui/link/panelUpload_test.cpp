// Uploading the fake panel's memory into the host through the connect form, over
// loopback TCP and a pseudo-terminal. Each test has its own loopback address.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "appHarness.h"
#include "connectFormDriver.h"
#include "core/modB3Glimwarden.h"
#include "dialogRecorder.h"
#include "fakePanel.h"
#include "link/engine/frameProtocol.h"
#include "link/engine/panelImage.h"
#include "link/frmB3Connect.h"
#include "platform/vbControls.h"
#include "platform/vbTextBox.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"
#include "transferDriver.h"

namespace {

const std::string kDiscard = "Discard All Host Changes?";
const std::string kNamesQuestion =
    "Names Stored In The Brevantine 3 Panel Are Limited To Ten Characters.\r\n"
    "By Uploading The Names From The Brevantine 3, Any Longer Names Will Be Lost.\r\n"
    "Do You Want To Include Brevantine 3 Names In This Upload?";
const std::string kHostDataCleared = "\r\nAll Host Data Cleared.";

// The panel holds a configuration of its own; the host then holds a different one.
void givePanelItsOwnConfiguration(FakePanel& panel)
{
    tConfig.sPanelName = "PANEL SIDE";
    tConfig.sRelayName[0] = "PanelRelay";
    tStation[1].sName = "Station1";
    tConfig.iInputToRelayControl(1, 2) = 5;
    PackPanelImage({1, 2, 3, 4, 5, 6});
    std::vector<uint8_t> bytes(iImage.begin(), iImage.end());
    panel.setMemory(0, bytes);

    tConfig.sPanelName = "HOST SIDE";
    tConfig.sRelayName[0] = "A Longer Host Relay Name";
    tStation[1].sName = "Host Station";
    tConfig.iInputToRelayControl(1, 2) = 0;
    iImage.fill(0);
}

std::vector<std::string> upload(frmB3Connect* form, DialogRecorder& dialogs, std::initializer_list<int> answers)
{
    dialogs.clear();
    for (int answer : answers) dialogs.answerMsgBox(answer);
    Click(form->cmdUpLoadFromB2);
    return dialogs.prompts();
}

void expectReadsOfEveryBlock(const std::vector<std::string>& frames)
{
    ASSERT_EQ(frames.size(), kTransferBlocks + 1u);
    for (int n = 0; n < kTransferBlocks; ++n)
        ASSERT_EQ(frames[n], BuildFrame("31" + Hex4(64 * n) + "3F"));
    EXPECT_EQ(frames.back(), BuildFrame("3400009FFF"));
}

// Link down, defaults everywhere, the link controls showing the direct link on COM1.
void expectResetToDefaults(const frmB3Connect* form)
{
    EXPECT_FALSE(bConnected);
    EXPECT_EQ(tConfig.sPanelName, "");
    EXPECT_EQ(tConfig.sRelayName[0], "RELAY 01");
    EXPECT_EQ(tConfig.iComPort, 1);
    EXPECT_EQ(iConnectionType, kConnectionSerial);
    EXPECT_EQ(sTCPAddress, "");
    EXPECT_EQ(sPhoneNumber, "");
    EXPECT_TRUE(form->optComPort[0]->Value());
    EXPECT_EQ(form->chkConnectionType[0]->Value(), 1);
    EXPECT_EQ(form->chkConnectionType[2]->Value(), 0);
    EXPECT_EQ(form->txtTCPIP->Text(), "");
    for (const VbOptionButton* option : form->optComPort) EXPECT_TRUE(option->isVisibleTo(form->Frame1));
    EXPECT_TRUE(form->cmdUpLoadFromB2->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_TRUE(form->cmdConnect->isEnabled());
    EXPECT_EQ(StatusPanelText(2), "Disconnected");
}

// A panel with a configuration of its own and the program started.
class PanelUpload : public ::testing::Test {
protected:
    void SetUp() override { givePanelItsOwnConfiguration(panel); }

    FakePanel panel;
    DialogRecorder dialogs;
    AppHarness app;
};

} // namespace

TEST_F(PanelUpload, OverTcpTheHostTakesThePanelsConfigurationAndNames)
{
    frmB3Connect* form = ConnectTo(app, panel, "127.0.5.1");
    bChanged = VbFalse;

    EXPECT_EQ(upload(form, dialogs, {vbYes, vbYes}), (std::vector<std::string>{kDiscard, kNamesQuestion, "Upload Complete"}));
    EXPECT_EQ(dialogs.messages[0].style, vbYesNo + vbQuestion);
    EXPECT_EQ(dialogs.messages[1].style, vbYesNoCancel + vbQuestion);
    EXPECT_EQ(dialogs.messages[1].title, "OVK Brevantine 3");
    EXPECT_EQ(dialogs.messages[2].title, "Upload");
    EXPECT_EQ(dialogs.messages[2].style, vbOKOnly);
    expectReadsOfEveryBlock(panel.received());

    EXPECT_EQ(tConfig.sPanelName, "PANEL SIDE" + std::string(8, ' '));
    EXPECT_EQ(tConfig.sRelayName[0], "PanelRelay");
    EXPECT_EQ(tStation[1].sName, "Station1  ");
    EXPECT_EQ(tConfig.iInputToRelayControl(1, 2), 5);
    EXPECT_TRUE(bChanged);
    EXPECT_TRUE(bConnected);
    EXPECT_EQ(form->lblActivityProgress->caption(), "Verify Checksum");
    EXPECT_FALSE(form->lblActivityProgress->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_TRUE(app.window().menuControl("mnuEdit")->isEnabled());
    EXPECT_TRUE(form->Timer1->isActive());

    // The next upload's questions come with the bar back at the start.
    ASSERT_EQ(form->pbActivityProgress->value(), kTransferBlocks);
    upload(form, dialogs, {vbNo});
    EXPECT_EQ(form->pbActivityProgress->value(), 0);
}

TEST_F(PanelUpload, OverAPseudoTerminalWithoutNamesTheHostKeepsItsOwn)
{
    frmB3Connect* form = ConnectTo(app, panel, "");

    EXPECT_EQ(upload(form, dialogs, {vbYes, vbNo}), (std::vector<std::string>{kDiscard, kNamesQuestion, "Upload Complete"}));
    expectReadsOfEveryBlock(panel.received());
    EXPECT_EQ(tConfig.sRelayName[0], "A Longer Host Relay Name");
    EXPECT_EQ(tStation[1].sName, "Host Station");
    // The panel name always comes from the panel.
    EXPECT_EQ(tConfig.sPanelName, "PANEL SIDE" + std::string(8, ' '));
    EXPECT_EQ(tConfig.iInputToRelayControl(1, 2), 5);
    EXPECT_TRUE(bChanged);
}

TEST_F(PanelUpload, RefusingEitherQuestionSendsNothing)
{
    frmB3Connect* form = ConnectTo(app, panel, "127.0.5.2");
    bChanged = VbTrue;

    EXPECT_EQ(upload(form, dialogs, {vbNo}), (std::vector<std::string>{kDiscard, "Upload Cancelled"}));
    EXPECT_EQ(dialogs.messages[1].style, vbOKOnly);
    EXPECT_EQ(dialogs.messages[1].title, "OVK Brevantine 3");
    EXPECT_TRUE(bChanged);

    EXPECT_EQ(upload(form, dialogs, {vbYes, vbCancel}), (std::vector<std::string>{kDiscard, kNamesQuestion, "Upload Cancelled"}));
    EXPECT_FALSE(bChanged);
    EXPECT_TRUE(panel.received().empty());
    EXPECT_EQ(tConfig.sPanelName, "HOST SIDE");
    EXPECT_TRUE(form->cmdUpLoadFromB2->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_FALSE(form->lblActivityProgress->isVisibleTo(form->fraOnLineFunctions));
}

TEST_F(PanelUpload, APanelGoneAtBlockZeroGivesErrorNineteenAndTheDefaults)
{
    tConfig.iComPort = 3;
    sPhoneNumber = "5551234";
    frmB3Connect* form = ConnectTo(app, panel, "127.0.5.3");
    panel.dropConnectionAfter(0);

    EXPECT_EQ(upload(form, dialogs, {vbYes, vbYes}),
              (std::vector<std::string>{kDiscard, kNamesQuestion, "Upload Error: 19" + kHostDataCleared}));
    EXPECT_EQ(dialogs.messages[2].style, vbCritical);
    EXPECT_EQ(dialogs.messages[2].title, "Error");
    EXPECT_EQ(panel.received(), FramesOf({"3100003F"}));
    expectResetToDefaults(form);
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
}

TEST_F(PanelUpload, AChecksumThatDiffersOrACancelAlsoClearsTheHost)
{
    frmB3Connect* form = ConnectTo(app, panel, "127.0.5.4");
    // A byte the host has already read changes in the panel.
    WhenDuringTransfer(
        form, [form] { return BlockShown(form) >= 100; },
        [this] {
            const std::array<uint8_t, 1> changed{0x5A};
            panel.setMemory(0, changed);
        });
    EXPECT_EQ(upload(form, dialogs, {vbYes, vbYes}).back(), "Upload Error: 2" + kHostDataCleared);
    expectReadsOfEveryBlock(panel.received());
    expectResetToDefaults(form);

    form = ConnectTo(app, panel, "127.0.5.5");
    panel.injectFault(FakePanel::Fault::LateReply, -1, 2);
    WhenDuringTransfer(form, [form] { return BlockShown(form) >= 5; }, [form] { Click(form->cmdCancelUpDownLoad); });
    EXPECT_EQ(upload(form, dialogs, {vbYes, vbYes}).back(), "Manual Upload Cancel." + kHostDataCleared);
    EXPECT_EQ(dialogs.messages.back().style, vbExclamation);
    EXPECT_EQ(dialogs.messages.back().title, "Upload");
    EXPECT_LT(panel.received().size(), 20u);
    EXPECT_NE(panel.received().back(), BuildFrame("3400009FFF"));
    expectResetToDefaults(form);
}

// A panel that stays connected but never answers: each of the three attempts of the
// first block read runs to its time-out before the host gives up.
TEST_F(PanelUpload, ASilentPanelAtBlockZeroGivesErrorNineteenAndTheDefaults)
{
    frmB3Connect* form = ConnectTo(app, panel, "127.0.5.6");
    panel.injectFault(FakePanel::Fault::Silence, -1);

    EXPECT_EQ(upload(form, dialogs, {vbYes, vbYes}).back(), "Upload Error: 19" + kHostDataCleared);
    EXPECT_EQ(panel.received(), FramesOf({"3100003F", "3100003F", "3100003F"}));
    expectResetToDefaults(form);
}

// The upload stops as if cancelled, clears the host while the form is still there, and
// only then does the window close.
TEST_F(PanelUpload, ClosingTheMainWindowCancelsTheUploadFirst)
{
    frmB3Connect* form = ConnectTo(app, panel, "127.0.5.7");
    panel.injectFault(FakePanel::Fault::LateReply, -1, 2);
    WhenDuringTransfer(form, [form] { return BlockShown(form) >= 5; }, [this] { app.window().close(); });

    const std::vector<std::string> prompts = upload(form, dialogs, {vbYes, vbYes});
    ASSERT_GE(prompts.size(), 3u);
    EXPECT_EQ(prompts[2], "Manual Upload Cancel." + kHostDataCleared);
    EXPECT_TRUE(WaitUntil([&] { return !app.window().isVisible(); }, 5000));
    AppHarness::processEvents();
    EXPECT_EQ(app.form("frmB3Connect"), nullptr);
    EXPECT_FALSE(bConnected);
    EXPECT_EQ(tConfig.sPanelName, "");
    EXPECT_LT(panel.received().size(), 20u);
}
