#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>

#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"
#include "dimmers/frmB3DimCopyCnf.h"
#include "dimmers/frmB3DimmerOutput.h"
#include "liveFormHarness.h"
#include "widgetActions.h"

using Commands = std::vector<std::string>;

namespace {

class DimmerLevels : public LiveFormHarness {
protected:
    // Device 1: FF, 80, 7F, 00; device 12 (reply characters 90 to 97): 33, 66, 99, CC.
    void SetUp() override
    {
        std::array<uint8_t, 48> levels{};
        const uint8_t first[] = {0xFF, 0x80, 0x7F, 0x00}, last[] = {0x33, 0x66, 0x99, 0xCC};
        for (int i = 0; i < 4; ++i) {
            levels[static_cast<std::size_t>(i)] = first[i];
            levels[static_cast<std::size_t>(44 + i)] = last[i];
        }
        panel.setDimmerLevels(levels);
        DimSetDevEnabled(0, 1);
        DimSetDevEnabled(11, 1);
    }

    frmB3DimmerOutput* open() { return openFromMenu<frmB3DimmerOutput>("mnuConfigureDimmers", "frmB3DimmerOutput"); }

    static QStringList shown(const frmB3DimmerOutput* form)
    {
        QStringList texts;
        for (const VbLabel* label : form->lblShowLevels) texts << (label->isVisible() ? label->text() : "hidden");
        return texts;
    }
    bool showsSoon(const frmB3DimmerOutput* form, const QStringList& texts)
    {
        return QTest::qWaitFor([&] { return shown(form) == texts; }, 3000);
    }
};

TEST_F(DimmerLevels, SerialLinePollsTheSelectedDeviceUntilItIsDisabled)
{
    connectSerial();
    auto* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->lblHdrLev[3]->isVisible());
    EXPECT_FALSE(form->cmdUpdate->isVisible());
    EXPECT_TRUE(showsSoon(form, {"100%", "50%", "50%", "0%"}));
    chooseListEntry(form->cboDDev, 11);
    EXPECT_TRUE(showsSoon(form, {"20%", "40%", "60%", "80%"}));
    ASSERT_TRUE(waitForCommands(2));
    for (const std::string& command : commandsReceived()) EXPECT_EQ(command, "49");

    // A device not enabled shows no levels and reads none.
    clickWidget(form->chkEnabled);
    EXPECT_EQ(shown(form), QStringList({"hidden", "hidden", "hidden", "hidden"}));
    panel.clearReceived();
    form->DimStsUpdate();
    EXPECT_TRUE(commandsReceived().empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DimmerLevels, TcpReadsOnUpdateOnlyAndDropsAPressDuringTheWait)
{
    connectTcp(41);
    auto* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->cmdUpdate->isVisible());
    AppHarness::processEvents();
    EXPECT_TRUE(commandsReceived().empty());

    panel.injectFault(FakePanel::Fault::LateReply, 1, 300);
    QTimer::singleShot(100, [&] { clickWidget(form->cmdUpdate); });
    clickWidget(form->cmdUpdate);
    EXPECT_EQ(commandsReceived(), Commands{"49"});
    EXPECT_EQ(shown(form), QStringList({"100%", "50%", "50%", "0%"}));

    // A failed read loses the panel and closes the form.
    QPointer<frmB3DimmerOutput> alive(form);
    panel.injectFault(FakePanel::Fault::BadChecksum, 3);
    clickWidget(form->cmdUpdate);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));
    EXPECT_FALSE(bConnected);
}

TEST_F(DimmerLevels, NoLinkNoReads)
{
    auto* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(shown(form), QStringList({"hidden", "hidden", "hidden", "hidden"}));
    EXPECT_FALSE(form->cmdUpdate->isVisible());
    form->DimStsUpdate();
    EXPECT_TRUE(panel.received().empty());
}

// On a serial line the poll goes on under a modal copy dialog; a panel lost there
// unloads the dialog and the editor, and the editor's button handler returns safely.
TEST_F(DimmerLevels, APanelLostUnderACopyDialogClosesDialogAndEditor)
{
    connectSerial();
    auto* form = open();
    ASSERT_NE(form, nullptr);
    QPointer<frmB3DimmerOutput> alive(form);
    bool dialogWasUp = false;
    QTimer::singleShot(0, [&] {
        dialogWasUp = app.form("frmB3DimCopyCnf") != nullptr;
        panel.injectFault(FakePanel::Fault::BadChecksum, -1);
    });
    clickWidget(form->cmdCopyConfig);
    EXPECT_TRUE(dialogWasUp);
    EXPECT_EQ(app.form("frmB3DimCopyCnf"), nullptr);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Connection To Brevantine 3 Panel Lost"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));
}

// The poll goes on under "Copy Complete" too: a panel lost there has unloaded the
// dialog by the time the box is answered, and nothing of it is touched afterwards.
TEST_F(DimmerLevels, APanelLostUnderCopyCompleteLeavesTheGoneDialogAlone)
{
    connectSerial();
    auto* form = open();
    ASSERT_NE(form, nullptr);
    QPointer<frmB3DimmerOutput> alive(form);
    std::vector<std::string> prompts;
    SetMsgBoxResponder([&](const MsgBoxCall& call) {
        prompts.push_back(call.prompt);
        if (call.prompt == "Copy Complete") {
            QPointer<ChildForm> dialog(app.form("frmB3DimCopyCnf"));
            panel.injectFault(FakePanel::Fault::BadChecksum, -1);
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 5000));
        }
        return static_cast<int>(vbOK);
    });
    QTimer::singleShot(0, [&] { clickWidget(app.formAs<frmB3DimCopyCnf>("frmB3DimCopyCnf")->cmsCopy); });
    clickWidget(form->cmdCopyConfig);
    EXPECT_EQ(prompts, (std::vector<std::string>{"Copy Complete", "Connection To Brevantine 3 Panel Lost"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));
}

} // namespace
