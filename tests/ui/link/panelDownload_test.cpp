// Downloading the configuration to the fake panel through the connect form's password
// frame, over loopback TCP and a pseudo-terminal. Each test has its own loopback address.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>

#include "appHarness.h"
#include "connectFormDriver.h"
#include "core/modB3Glimwarden.h"
#include "dialogRecorder.h"
#include "fakePanel.h"
#include "link/engine/blockTransfer.h"
#include "link/engine/frameProtocol.h"
#include "link/frmB3Connect.h"
#include "platform/vbControls.h"
#include "platform/vbTextBox.h"
#include "shell/frmB3MasterMDI.h"
#include "transferDriver.h"

namespace {

const std::string kMayNotFunction = "\r\nBrevantine 3 Controller May Not Function\r\nProperly Until A Download Is Complete.";

void storePassword(FakePanel& panel, std::array<uint8_t, 6> digits) { panel.setMemory(kPasswordAddress, digits); }

std::string boxes(const std::array<VbTextBox*, frmB3Connect::kPasswordBoxes>& row)
{
    std::string digits;
    for (const VbTextBox* box : row) digits += box->Text();
    return digits;
}

// Some of everything, so that most blocks are written and a few cleared.
void fillConfiguration()
{
    tConfig.sPanelName = "DOWNLOAD TEST";
    for (int i = 0; i < 48; ++i) {
        tConfig.sRelayName[i] = "Relay " + std::to_string(i + 1);
        tConfig.iInputToRelayControl(i, (i * 7) % 48) = 3;
    }
}

void expectIdle(const AppHarness& app, const frmB3Connect* form)
{
    EXPECT_TRUE(form->cmdDownLoadToB2->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_TRUE(form->cmdUpLoadFromB2->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_TRUE(form->cmdConnect->isEnabled());
    EXPECT_FALSE(form->fraPassWord->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_FALSE(form->cmdCancelUpDownLoad->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_FALSE(form->lblActivityProgress->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_TRUE(app.window().menuControl("mnuFile")->isEnabled());
}

} // namespace

TEST(PanelDownload, OverTcpThePanelHoldsThePackedImageByteForByte)
{
    FakePanel panel;
    storePassword(panel, {1, 2, 3, 4, 5, 6});
    DialogRecorder dialogs;
    AppHarness app;
    fillConfiguration();
    frmB3Connect* form = ConnectTo(app, panel, "127.0.4.1");
    bChanged = VbFalse;

    Click(form->cmdDownLoadToB2);
    EXPECT_TRUE(form->fraPassWord->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_FALSE(form->cmdDownLoadToB2->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_FALSE(form->cmdConnect->isEnabled());
    EXPECT_FALSE(form->txtNewPassWord[0]->isVisibleTo(form->fraPassWord));
    // Six digits fill the six boxes and the focus comes back to the first, where a
    // seventh replaces the first digit; a letter or Backspace changes nothing.
    TypeIntoFocus(form, "923456");
    EXPECT_EQ(form->focusWidget(), form->txtPassWord[0]);
    TypeIntoFocus(form, "a\b1");
    QTest::keyClick(form->focusWidget(), Qt::Key_Home);
    QTest::keyClick(form->focusWidget(), Qt::Key_Delete);
    EXPECT_EQ(boxes(form->txtPassWord), "123456");
    EXPECT_EQ(form->focusWidget(), form->txtPassWord[1]);
    EXPECT_TRUE(panel.received().empty());

    Click(form->cmdPassWordContinue);

    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Download Complete"});
    EXPECT_EQ(dialogs.messages[0].title, "Download");
    EXPECT_EQ(dialogs.messages[0].style, vbOKOnly);
    EXPECT_TRUE(PanelHoldsImage(panel));
    const std::vector<uint8_t> memory = panel.memory(0, kImageSize);
    EXPECT_EQ(RangeChecksum(memory), ImageChecksum());

    const std::vector<std::string> frames = panel.received();
    ASSERT_EQ(frames.size(), 1u + kTransferBlocks + 1u);
    EXPECT_EQ(frames.front(), BuildFrame("311F7A05"));
    EXPECT_EQ(frames.back(), BuildFrame("3400009FFF"));
    const std::vector<int> addresses = BlockAddresses({frames.begin() + 1, frames.end() - 1});
    for (int n = 0; n < kTransferBlocks; ++n) ASSERT_EQ(addresses[n], 64 * n);
    const auto clears = std::count_if(frames.begin(), frames.end(), [](const std::string& f) { return f.substr(3, 2) == "36"; });
    EXPECT_GT(clears, 0);
    EXPECT_LT(clears, kTransferBlocks);

    expectIdle(app, form);
    EXPECT_EQ(form->pbActivityProgress->value(), kTransferBlocks);
    EXPECT_TRUE(form->lblActivityProgress->updatesEnabled() && form->pbActivityProgress->updatesEnabled());
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_FALSE(bChanged);
    EXPECT_TRUE(bConnected);
}

TEST(PanelDownload, OverAPseudoTerminalANewPasswordIsWrittenFirst)
{
    FakePanel panel;
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = ConnectTo(app, panel, "");

    Click(form->cmdDownLoadToB2);
    Click(form->chkChangePanelPassWord);
    EXPECT_TRUE(form->txtNewPassWord[5]->isVisibleTo(form->fraPassWord));
    EXPECT_TRUE(form->lblNewPassWord->isVisibleTo(form->fraPassWord));
    EXPECT_EQ(form->focusWidget(), form->txtNewPassWord[0]);
    TypeIntoFocus(form, "654321");
    Click(form->cmdPassWordContinue);

    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Download Complete"});
    const std::vector<std::string> frames = panel.received();
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(frames[0], BuildFrame("311F7A05"));
    EXPECT_EQ(frames[1], BuildFrame("301F7A05060504030201"));
    EXPECT_EQ(boxes(form->txtPassWord), "654321");
    // The image carries the new digits too.
    EXPECT_EQ(panel.memory(kPasswordAddress, 6), (std::vector<uint8_t>{6, 5, 4, 3, 2, 1}));
    EXPECT_TRUE(PanelHoldsImage(panel));
    EXPECT_EQ(frames.back(), BuildFrame("3400009FFF"));

    // The next download opens with the box unticked and the new row hidden.
    Click(form->cmdDownLoadToB2);
    EXPECT_EQ(form->chkChangePanelPassWord->Value(), 0);
    EXPECT_FALSE(form->txtNewPassWord[0]->isVisibleTo(form->fraPassWord));
    Click(form->cmdPassWordCancel);
    expectIdle(app, form);
}

TEST(PanelDownload, AWrongDigitOrCancelSendsNothingFurther)
{
    FakePanel panel;
    storePassword(panel, {1, 2, 3, 4, 5, 6});
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = ConnectTo(app, panel, "127.0.4.2");

    Click(form->cmdDownLoadToB2);
    Click(form->cmdPassWordCancel);
    EXPECT_TRUE(panel.received().empty());
    expectIdle(app, form);

    Click(form->cmdDownLoadToB2);
    Click(form->chkChangePanelPassWord);
    TypeIntoFocus(form, "999999");
    form->txtPassWord[0]->setFocus();
    TypeIntoFocus(form, "123457");
    Click(form->cmdPassWordContinue);

    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Password Invalid.\r\nDownload Denied."});
    EXPECT_EQ(dialogs.messages[0].style, vbCritical);
    EXPECT_EQ(dialogs.messages[0].title, "OVK Brevantine 3");
    EXPECT_EQ(panel.received(), FramesOf({"311F7A05"}));
    EXPECT_EQ(panel.memory(kPasswordAddress, 6), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
    expectIdle(app, form);
}

TEST(PanelDownload, CancelWhileBlockTenIsOnTheWireStopsBeforeBlockEleven)
{
    FakePanel panel;
    DialogRecorder dialogs;
    AppHarness app;
    fillConfiguration();
    frmB3Connect* form = ConnectTo(app, panel, "127.0.4.3");
    panel.injectFault(FakePanel::Fault::LateReply, -1, 5);

    Click(form->cmdDownLoadToB2);
    WhenDuringTransfer(
        form, [form] { return form->lblActivityProgress->caption() == "Downloading Block 11 Of 640"; },
        [form, &app] {
            EXPECT_FALSE(app.window().menuControl("mnuFile")->isEnabled());
            Click(form->cmdCancelUpDownLoad);
        });
    Click(form->cmdPassWordContinue);

    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Manual Download Cancel." + kMayNotFunction});
    EXPECT_EQ(dialogs.messages[0].style, vbExclamation);
    EXPECT_EQ(dialogs.messages[0].title, "Download");
    const std::vector<std::string> frames = panel.received();
    const std::vector<int> addresses = BlockAddresses({frames.begin() + 1, frames.end()});
    ASSERT_EQ(addresses.size(), 11u);
    EXPECT_EQ(addresses.back(), 64 * 10);
    expectIdle(app, form);
    EXPECT_TRUE(bConnected);
}

TEST(PanelDownload, ErrorsOneTwoAndThree)
{
    FakePanel panel;
    DialogRecorder dialogs;
    AppHarness app;
    fillConfiguration();
    frmB3Connect* form = ConnectTo(app, panel, "127.0.4.4");
    const auto download = [&] {
        dialogs.clear();
        panel.clearReceived();
        Click(form->cmdDownLoadToB2);
        Click(form->cmdPassWordContinue);
        return dialogs.prompts();
    };
    const auto reconnect = [&] {
        Click(form->cmdConnect);
        Click(form->cmdConnect);
        ASSERT_TRUE(bConnected);
    };

    // The panel goes away at block 5: nothing after it goes out.
    panel.dropConnectionAfter(1 + 5);
    EXPECT_EQ(download(), std::vector<std::string>{"Download Error: 1" + kMayNotFunction});
    EXPECT_EQ(dialogs.messages[0].style, vbCritical);
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(BlockAddresses(panel.received()).back(), 64 * 5);
    expectIdle(app, form);

    reconnect();
    panel.dropConnectionAfter(1 + kTransferBlocks);
    EXPECT_EQ(download(), std::vector<std::string>{"Download Error: 3" + kMayNotFunction});
    EXPECT_EQ(panel.received().back(), BuildFrame("3400009FFF"));

    // A byte of block 0 changes in the panel while later blocks go out.
    reconnect();
    WhenDuringTransfer(
        form, [form] { return BlockShown(form) >= 100; },
        [&panel] {
            const std::array<uint8_t, 1> changed{0x5A};
            panel.setMemory(0, changed);
        });
    EXPECT_EQ(download(), std::vector<std::string>{"Download Error: 2" + kMayNotFunction});
    expectIdle(app, form);
}

// During the password read or among the blocks: either way the form lives through the
// rest of the download, which stops as if cancelled, and then the window closes.
TEST(PanelDownload, ClosingTheMainWindowCancelsTheDownloadFirst)
{
    const auto closeDuringDownload = [](const std::string& address, bool duringPasswordRead) {
        FakePanel panel;
        DialogRecorder dialogs;
        AppHarness app;
        frmB3Connect* form = ConnectTo(app, panel, address);
        panel.injectFault(FakePanel::Fault::LateReply, duringPasswordRead ? 1 : -1, duringPasswordRead ? 30 : 2);
        Click(form->cmdDownLoadToB2);
        const auto close = [&app] { app.window().close(); };
        if (duringPasswordRead) QTimer::singleShot(5, &app.window(), close);
        else WhenDuringTransfer(form, [form] { return BlockShown(form) >= 5; }, close);
        Click(form->cmdPassWordContinue);

        EXPECT_EQ(dialogs.prompts().back(), "Manual Download Cancel." + kMayNotFunction);
        EXPECT_TRUE(WaitUntil([&] { return !app.window().isVisible(); }, 5000));
        AppHarness::processEvents();
        EXPECT_EQ(app.form("frmB3Connect"), nullptr);
        EXPECT_FALSE(bConnected);
        return BlockAddresses(panel.received());
    };
    EXPECT_EQ(closeDuringDownload("127.0.4.5", true), std::vector<int>{-1});
    const std::vector<int> sent = closeDuringDownload("127.0.4.6", false);
    EXPECT_GE(sent.size(), 1u + 5u);
    EXPECT_LT(sent.size(), 20u);
    EXPECT_NE(sent.back(), -1);   // no checksum request
}

// File New while the password is being asked drops the link: the form must come back
// with a Connect button that works, not stuck half-way into a download.
TEST(PanelDownload, FileNewWhileThePasswordIsAskedLeavesTheFormReadyToConnect)
{
    FakePanel panel;
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = ConnectTo(app, panel, "127.0.4.7");
    bChanged = VbFalse;

    Click(form->cmdDownLoadToB2);
    app.trigger("mnuNew");
    EXPECT_FALSE(bConnected);

    form = OpenConnectForm(app);
    EXPECT_TRUE(form->cmdConnect->isEnabled());
    EXPECT_FALSE(form->fraPassWord->isVisibleTo(form->fraOnLineFunctions));
    ChooseLinkType(form, kConnectionTcpIp);
    TypeInto(form->txtTCPIP, "127.0.4.7");
    Click(form->cmdConnect);
    ASSERT_TRUE(bConnected);
    expectIdle(app, form);
}

// The panel goes away as the new password is written: the link is given up and not a
// single block goes out.
TEST(PanelDownload, APanelLostOnThePasswordWriteGetsNoBlock)
{
    FakePanel panel;
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = ConnectTo(app, panel, "127.0.4.8");
    panel.dropConnectionAfter(1);

    Click(form->cmdDownLoadToB2);
    Click(form->chkChangePanelPassWord);
    TypeIntoFocus(form, "654321");
    Click(form->cmdPassWordContinue);

    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_EQ(panel.received(), FramesOf({"311F7A05", "301F7A05060504030201"}));
    EXPECT_FALSE(bConnected);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_TRUE(form->cmdConnect->isEnabled());
    EXPECT_FALSE(form->lblActivityProgress->isVisibleTo(form->fraOnLineFunctions));
    EXPECT_TRUE(app.window().menuControl("mnuFile")->isEnabled());
}

// The connect form's close box only hides it: the download goes on to its end behind
// it, and the Connect menu brings back the connected form, whose button disconnects.
TEST(PanelDownload, TheConnectFormClosedDuringADownloadKeepsTheLink)
{
    FakePanel panel;
    DialogRecorder dialogs;
    AppHarness app;
    frmB3Connect* form = ConnectTo(app, panel, "127.0.4.31");
    const QString panelTime = form->lblPanelTime->caption();

    Click(form->cmdDownLoadToB2);
    WhenDuringTransfer(form, [form] { return BlockShown(form) >= 5; }, [form] { form->parentWidget()->close(); });
    Click(form->cmdPassWordContinue);
    AppHarness::processEvents();

    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Download Complete"});
    EXPECT_TRUE(PanelHoldsImage(panel));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Timer1->isActive());
    ASSERT_EQ(OpenConnectForm(app), form);
    EXPECT_TRUE(bConnected);
    EXPECT_TRUE(form->fraOnLineFunctions->isVisible());
    EXPECT_EQ(form->lblPanelTime->caption(), panelTime);
    Click(form->cmdConnect);
    EXPECT_FALSE(bConnected);
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
}
