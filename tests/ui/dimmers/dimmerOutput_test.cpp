#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"
#include "dimmers/frmB3DimCopyCnf.h"
#include "dimmers/frmB3DimCopyCnt.h"
#include "dimmers/frmB3DimmerOutput.h"
#include "dimmers/scalePicture.h"
#include "gridFormDriver.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"
#include "support/widgetActions.h"

namespace {

class DimmerOutput : public ::testing::Test {
protected:
    frmB3DimmerOutput* open()
    {
        app.trigger("mnuConfigureDimmers");
        return app.formAs<frmB3DimmerOutput>("frmB3DimmerOutput");
    }

    DialogRecorder dialogs;
    AppHarness app;
};

int word(int field) { return iDimmerData[static_cast<std::size_t>(field)]; }

TEST_F(DimmerOutput, EachListWritesItsWordAndOpeningWritesNothing)
{
    DimSetDevEnabled(0, 1);
    DimSetPCTrack(0, 0, 2);  // Setpoint: the station and target lists are up
    // Codes no list has, as a data file or an upload may give them.
    DimSetFadeRate(0, 1, 50);
    DimSetCOType(0, 1, 0, 6);
    DimSetCOAction(0, 1, 0, 200);
    DimSetCORevert(0, 1, 0, 300);
    DimSetDMXChan(0, 1, 65535);
    const auto before = iDimmerData;
    bChanged = VbFalse;

    auto* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Dimmer Outputs");
    EXPECT_EQ(form->cboPCTrack->currentText(), "PC Tracking: Setpoint");
    EXPECT_TRUE(form->frmScale->isHidden());
    EXPECT_FALSE(form->cboTarget->isHidden());
    chooseListEntry(form->cboDOut, 1);
    EXPECT_EQ(form->cboFadeRate->ListIndex(), -1);
    EXPECT_EQ(form->cboDMX->ListIndex(), -1);
    // A type 6 option shows as Unused, with its summary as far as the rules go.
    EXPECT_EQ(form->cboCOTyp->ListIndex(), -1);
    EXPECT_TRUE(form->cboCOAct->isHidden());
    EXPECT_EQ(form->lblSummary[0]->text(), " 01--Fade-Revert After 1495 Min");
    EXPECT_EQ(iDimmerData, before);
    EXPECT_EQ(bChanged, VbFalse);
    chooseListEntry(form->cboDOut, 0);

    struct Case {
        VbComboBox* frmB3DimmerOutput::*list;
        int entry;
        int field;
        int value;
    };
    const Case cases[] = {
        {&frmB3DimmerOutput::cboPowerOnLevel, 50, 1, 127},
        {&frmB3DimmerOutput::cboMinLevel, 31, 3, 76},
        {&frmB3DimmerOutput::cboMinLevel, 0, 0, 2 + 4},   // the flag alone; the level stays
        {&frmB3DimmerOutput::cboMaxLevel, 0, 0, 2 + 4 + 8},
        {&frmB3DimmerOutput::cboMaxLevel, 101, 4, 255},
        {&frmB3DimmerOutput::cboFadeRate, 16, 2, 16},
        {&frmB3DimmerOutput::cboPCDev, 10, 6, 10},
        {&frmB3DimmerOutput::cboTarget, 128, 15, 128},
        {&frmB3DimmerOutput::cboDMX, 300, 14, 44},
        {&frmB3DimmerOutput::cboPCTrack, 2, 0, 4 + 3},      // 3 Point after the max flag went
        {&frmB3DimmerOutput::cboPCTrack, 3, 0, 4 + 2},      // Setpoint
        {&frmB3DimmerOutput::cboCOTyp, 2, 16, 2},
        {&frmB3DimmerOutput::cboCOTmr, 47, 48, 47},
        {&frmB3DimmerOutput::cboCOFade, 1, 16, 128 + 2},
        {&frmB3DimmerOutput::cboCOTyp, 3, 16, 128 + 3},     // the instant flag stays
        {&frmB3DimmerOutput::cboCOPrs, 4, 48, 4},
        {&frmB3DimmerOutput::cboCOTyp, 1, 16, 128 + 1},
        {&frmB3DimmerOutput::cboCOInp, 11, 48, 11},
        {&frmB3DimmerOutput::cboCODev, 10, 48, 0},          // a station has inputs 1 to 8 only
        {&frmB3DimmerOutput::cboCOAct, 53, 80, 53},
        {&frmB3DimmerOutput::cboCORevert, 121, 96, 121},
    };
    for (const Case& c : cases) {
        bChanged = VbFalse;
        chooseListEntry(form->*c.list, c.entry);
        EXPECT_EQ(word(c.field), c.value) << (form->*c.list)->itemText(c.entry).toStdString();
        EXPECT_EQ(bChanged, VbTrue);
    }
    EXPECT_EQ(word(13), 1);
    EXPECT_EQ(word(64), 10);
    EXPECT_EQ(form->cboCOInp->count(), 8);
    EXPECT_EQ(form->lblSummary[0]->text(), " 01-D:0A-I:1-Goto 50%-Instant-Revert After 600 Min");
    // A summary line selects its option.
    gridDriver::click(form->lblSummary[8]);
    EXPECT_EQ(form->cboCONum->currentText(), "Control: 09");
    EXPECT_EQ(form->iCONum, 8);

    // Unticking the device hides everything but the device list.
    clickWidget(form->chkEnabled);
    EXPECT_EQ(DimGetDevEnabled(0), 0);
    EXPECT_TRUE(form->frmConfig->isHidden());
    EXPECT_FALSE(form->cboDDev->isHidden());
    EXPECT_TRUE(dialogs.messages.empty());
}

void mouse(QWidget* picture, QEvent::Type type, double xTwips, double yTwips, Qt::MouseButtons held)
{
    const QPointF pos(xTwips / 15, yTwips / 15);
    QMouseEvent event(type, pos, picture->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, {});
    QApplication::sendEvent(picture, &event);
}

TEST_F(DimmerOutput, GraphGripsDragStepAndStoreTheirPoints)
{
    DimSetDevEnabled(0, 1);
    DimSetPCTrack(0, 0, 3);
    DimSetPointAIn(0, 0, 0);
    DimSetPointAOut(0, 0, 37);
    DimSetPointCOut(0, 0, 87);  // C at input 255 by default, B at 128 / 50 %
    auto* form = open();
    ASSERT_NE(form, nullptr);
    QWidget* picture = form->picScale;
    ASSERT_TRUE(picture->isVisible());

    // A hover over an empty spot stores the points unchanged and marks the change.
    bChanged = VbFalse;
    mouse(picture, QEvent::MouseMove, 2400, 300, Qt::NoButton);
    EXPECT_EQ(DimGetPointAOut(0, 0), 37);
    EXPECT_EQ(DimGetPointCOut(0, 0), 87);
    EXPECT_EQ(bChanged, VbTrue);
    EXPECT_TRUE(form->lblPercent->isHidden());

    // Drag B (at 1920, 1440) to input 64, 75 %, and look at its values on the way.
    mouse(picture, QEvent::MouseButtonPress, 1920 + 30, 1440 + 30, Qt::LeftButton);
    mouse(picture, QEvent::MouseMove, 960, 720, Qt::LeftButton);
    EXPECT_EQ(form->lblPercent->text(), "64/255");
    EXPECT_EQ(form->lblVoltage->text(), "7.5 V");
    EXPECT_FALSE(form->lblFootCandle->isHidden());
    mouse(picture, QEvent::MouseButtonRelease, 960, 720, Qt::NoButton);
    EXPECT_TRUE(form->lblPercent->isHidden());
    EXPECT_EQ(DimGetPointBIn(0, 0), 64);
    EXPECT_EQ(DimGetPointBOut(0, 0), 75);

    // The keys move the grip pressed last: one input step right, about half a percent down.
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_Down);
    QTest::keyClick(picture, Qt::Key_Down);
    EXPECT_EQ(DimGetPointBIn(0, 0), 65);
    EXPECT_EQ(DimGetPointBOut(0, 0), 74);
    EXPECT_EQ(form->lblPercent->text(), "65/255");

    // Under two-point tracking the middle grip is gone and its keys do nothing.
    chooseListEntry(form->cboPCTrack, 1);
    bChanged = VbFalse;
    QTest::keyClick(picture, Qt::Key_Right);
    EXPECT_EQ(bChanged, VbFalse);
    EXPECT_EQ(DimGetPointBIn(0, 0), 65);
}

// Runs `action` once the modal dialog is up, as a person would act in it.
void inDialog(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

TEST_F(DimmerOutput, CopyDialogsCopyTheirFieldsToTheTickedOutputsOnly)
{
    DimSetDevEnabled(0, 1);
    DimSetPowerOnLevel(0, 1, 37);
    DimSetPCTrack(0, 1, 3);
    iDimmerData[128 + 13] = 255;  // an upload's channel words
    iDimmerData[128 + 14] = 255;
    DimSetCOType(0, 1, 2, 4);
    DimSetCOAction(0, 1, 2, 105);
    DimSetRelayIncluded(0, 1, 5, -1);
    auto* form = open();
    ASSERT_NE(form, nullptr);
    chooseListEntry(form->cboDOut, 1);

    bool seen = false;
    inDialog([&] {
        auto* dialog = app.formAs<frmB3DimCopyCnf>("frmB3DimCopyCnf");
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->windowTitle(), "Copy Dimmer Configuration");
        EXPECT_EQ(dialog->iCSrcOut, 1);
        EXPECT_EQ(dialog->chkDst[47]->text(), "D:0C.4");
        clickWidget(dialog->cmdAllDev[4]);
        clickWidget(dialog->cmdDstNone);
        clickWidget(dialog->cmdAllOut[1]);
        clickWidget(dialog->cmdAllOut[1]);
        for (int i = 0; i < 48; ++i) EXPECT_EQ(dialog->chkDst[i]->Value(), i % 4 == 1 ? 1 : 0) << i;
        clickWidget(dialog->cmdDstNone);
        clickWidget(dialog->chkDst[2 * 4 + 3]);
        clickWidget(dialog->cmsCopy);
    });
    clickWidget(form->cmdCopyConfig);
    ASSERT_TRUE(seen);
    EXPECT_EQ(app.form("frmB3DimCopyCnf"), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "Copy Complete");
    EXPECT_EQ(dialogs.messages[0].style, vbOKOnly);
    EXPECT_EQ(dialogs.messages[0].title, "Copy Settings");
    EXPECT_EQ(DimGetDevEnabled(2), 1);
    EXPECT_EQ(DimGetPowerOnLevel(2, 3), 37);
    EXPECT_EQ(DimGetPCTrack(2, 3), 3);
    EXPECT_EQ(word(2 * 512 + 3 * 128 + 13), 255);
    EXPECT_EQ(word(2 * 512 + 3 * 128 + 14), 255);
    EXPECT_EQ(DimGetCOType(2, 3, 2), 0);          // options and relays are not configuration
    EXPECT_EQ(DimGetRelayIncluded(2, 3, 5), 0);
    EXPECT_EQ(DimGetPowerOnLevel(2, 2), 100);

    // The close box writes nothing; the next opening starts with nothing ticked.
    const auto before = iDimmerData;
    inDialog([&] {
        auto* dialog = app.formAs<frmB3DimCopyCnt>("frmB3DimCopyCnt");
        ASSERT_NE(dialog, nullptr);
        clickWidget(dialog->cmdDstAll);
        clickWidget(dialog->cmdCntAll);
        dialog->close();
    });
    clickWidget(form->cmdCopyControl);
    EXPECT_EQ(iDimmerData, before);
    inDialog([&] {
        auto* dialog = app.formAs<frmB3DimCopyCnt>("frmB3DimCopyCnt");
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Copy Dimmer Controls");
        EXPECT_EQ(dialog->chkDst[0]->Value(), 0);
        EXPECT_EQ(dialog->chkCNum[0]->Value(), 0);
        EXPECT_EQ(dialog->chkCNum[15]->text(), "Control 16");
        clickWidget(dialog->chkCNum[2]);
        clickWidget(dialog->chkDst[5 * 4]);
        clickWidget(dialog->cmdCopy);
    });
    clickWidget(form->cmdCopyControl);
    EXPECT_EQ(DimGetDevEnabled(5), 1);
    EXPECT_EQ(DimGetCOType(5, 0, 2), 4);
    EXPECT_EQ(DimGetCOAction(5, 0, 2), 105);
    EXPECT_EQ(DimGetPowerOnLevel(5, 0), 100);     // the configuration stays
    EXPECT_EQ(DimGetCOType(5, 0, 1), 0);
    inDialog([&] { clickWidget(app.formAs<frmB3DimCopyCnt>("frmB3DimCopyCnt")->cmdCancel); });
    clickWidget(form->cmdCopyControl);
    EXPECT_EQ(app.form("frmB3DimCopyCnt"), nullptr);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// Keys go to the active window. Showing the dialog only asks for its activation, which
// comes with a later event: the widget may call itself active before the application does.
void waitUntilActive(QWidget* dialog)
{
    EXPECT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; })) << "the dialog is not active";
}

// A key as a person types it: to the control that has the focus.
void pressKey(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_TRUE(focused && dialog->isAncestorOf(focused)) << "the focus is outside the dialog";
    QTest::keyClick(focused, key, modifiers);
}

// The key should have closed the dialog; one left open is closed here, so that the
// modal show returns and the test goes on to its next step.
void expectClosedByKey(const QString& name)
{
    if (!childForms::find(name)) return;
    ADD_FAILURE() << name.toStdString() << " is still open";
    childForms::unload(name);
}

// The controls as Tab visits them: the destination frame row by row, the controls
// frame, then the buttons at the bottom.
std::vector<QWidget*> layoutOrder(frmB3DimCopyCnt* dialog)
{
    std::vector<QWidget*> order{dialog->cmdDstAll, dialog->cmdDstNone};
    order.insert(order.end(), dialog->cmdAllOut.begin(), dialog->cmdAllOut.end());
    for (int d = 0; d < 12; ++d) {
        order.push_back(dialog->cmdAllDev[d]);
        for (int o = 0; o < 4; ++o) order.push_back(dialog->chkDst[d * 4 + o]);
    }
    order.insert(order.end(), {dialog->cmdCntAll, dialog->cmdCntNone});
    order.insert(order.end(), dialog->chkCNum.begin(), dialog->chkCNum.end());
    order.insert(order.end(), {dialog->cmdCopy, dialog->cmdCancel});
    return order;
}

std::vector<std::string> captions(const std::vector<QWidget*>& controls)
{
    std::vector<std::string> texts;
    for (QWidget* control : controls) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        texts.push_back(button ? button->text().toStdString() : "(no button)");
    }
    return texts;
}

TEST_F(DimmerOutput, CopyDialogsTakeTheKeysOfADialog)
{
    DimSetDevEnabled(0, 1);
    DimSetPowerOnLevel(0, 0, 37);
    DimSetCOType(0, 0, 3, 4);
    auto* form = open();
    ASSERT_NE(form, nullptr);
    const auto untouched = iDimmerData;

    // Escape is Cancel, with outputs ticked; so is Return while Cancel has the focus.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        bool seen = false;
        inDialog([&] {
            auto* dialog = app.formAs<frmB3DimCopyCnf>("frmB3DimCopyCnf");
            ASSERT_NE(dialog, nullptr);
            seen = true;
            waitUntilActive(dialog);
            EXPECT_EQ(dialog->windowType(), Qt::Dialog);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(dialog);
            EXPECT_TRUE(accessible && accessible->role() == QAccessible::Dialog);
            clickWidget(dialog->cmdDstAll);
            if (key == Qt::Key_Return) dialog->cmdCancel->setFocus();
            pressKey(dialog, key);
            expectClosedByKey("frmB3DimCopyCnf");
        });
        clickWidget(form->cmdCopyConfig);  // returns only once the dialog has gone
        ASSERT_TRUE(seen);
        EXPECT_EQ(app.form("frmB3DimCopyCnf"), nullptr);
        EXPECT_EQ(iDimmerData, untouched);
    }
    EXPECT_TRUE(dialogs.messages.empty());

    // Return on a ticked box copies as "Copy Settings" does.
    inDialog([&] {
        auto* dialog = app.formAs<frmB3DimCopyCnf>("frmB3DimCopyCnf");
        ASSERT_NE(dialog, nullptr);
        waitUntilActive(dialog);
        clickWidget(dialog->chkDst[1 * 4 + 2]);
        dialog->chkDst[1 * 4 + 2]->setFocus();
        pressKey(dialog, Qt::Key_Return);
        expectClosedByKey("frmB3DimCopyCnf");
    });
    clickWidget(form->cmdCopyConfig);
    EXPECT_EQ(app.form("frmB3DimCopyCnf"), nullptr);
    EXPECT_EQ(DimGetPowerOnLevel(1, 2), 37);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"Copy Complete"});

    // Tab runs through the controls as they are laid out, round to the first again;
    // the keypad's Enter copies too.
    bool seen = false;
    inDialog([&] {
        auto* dialog = app.formAs<frmB3DimCopyCnt>("frmB3DimCopyCnt");
        ASSERT_NE(dialog, nullptr);
        seen = true;
        waitUntilActive(dialog);
        EXPECT_EQ(dialog->windowType(), Qt::Dialog);
        std::vector<QWidget*> expected = layoutOrder(dialog);
        expected.push_back(expected.front());
        std::vector<QWidget*> visited{QApplication::focusWidget()};
        while (visited.size() < expected.size()) {
            pressKey(dialog, Qt::Key_Tab);
            visited.push_back(QApplication::focusWidget());
        }
        EXPECT_EQ(captions(visited), captions(expected));
        clickWidget(dialog->chkCNum[3]);
        clickWidget(dialog->chkDst[2 * 4 + 1]);
        pressKey(dialog, Qt::Key_Enter, Qt::KeypadModifier);
        expectClosedByKey("frmB3DimCopyCnt");
    });
    clickWidget(form->cmdCopyControl);
    ASSERT_TRUE(seen);
    EXPECT_EQ(app.form("frmB3DimCopyCnt"), nullptr);
    EXPECT_EQ(DimGetCOType(2, 1, 3), 4);
    EXPECT_EQ(dialogs.prompts(), (std::vector<std::string>{"Copy Complete", "Copy Complete"}));
}

// A dialog draws as its default the button Enter presses: a push button of its own
// while that has the focus, "Copy Settings" while any other control has it. Screen
// readers are told the same.
TEST_F(DimmerOutput, CopyDialogsDefaultButtonFollowsTheFocus)
{
    DimSetDevEnabled(0, 1);
    auto* form = open();
    ASSERT_NE(form, nullptr);
    const auto defaults = [](QWidget* dialog) {
        std::vector<std::string> drawn;
        for (auto* button : dialog->findChildren<QPushButton*>()) {
            const bool reported = QAccessible::queryAccessibleInterface(button)->state().defaultButton;
            EXPECT_EQ(reported, button->isDefault()) << button->text().toStdString();
            if (button->isDefault()) drawn.push_back(button->text().toStdString());
        }
        return drawn;
    };
    using Drawn = std::vector<std::string>;

    bool seen = false;
    inDialog([&] {
        auto* dialog = app.formAs<frmB3DimCopyCnf>("frmB3DimCopyCnf");
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(defaults(dialog), Drawn{"Copy Settings"});
        waitUntilActive(dialog);
        auto* focusedButton = qobject_cast<QPushButton*>(QApplication::focusWidget());
        EXPECT_EQ(defaults(dialog), Drawn{focusedButton ? focusedButton->text().toStdString() : "Copy Settings"});

        // After a click on "All DO 2" Enter presses "All DO 2" again, and copies nothing.
        clickWidget(dialog->cmdAllOut[1]);
        EXPECT_EQ(defaults(dialog), Drawn{"All DO 2"});
        dialog->cmdDstNone_Click();
        pressKey(dialog, Qt::Key_Return);
        EXPECT_EQ(dialog->chkDst[5 * 4 + 1]->Value(), 1);
        EXPECT_EQ(dialog->chkDst[5 * 4 + 2]->Value(), 0);
        EXPECT_EQ(app.form("frmB3DimCopyCnf"), dialog);

        clickWidget(dialog->chkDst[0]);
        EXPECT_EQ(defaults(dialog), Drawn{"Copy Settings"});
        pressKey(dialog, Qt::Key_Tab);
        EXPECT_EQ(defaults(dialog), Drawn{"Copy Settings"});
        dialog->cmdCancel->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(defaults(dialog), Drawn{"Cancel"});
        pressKey(dialog, Qt::Key_Return);
        expectClosedByKey("frmB3DimCopyCnf");
    });
    clickWidget(form->cmdCopyConfig);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
