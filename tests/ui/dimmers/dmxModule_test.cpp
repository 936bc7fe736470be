#include <gtest/gtest.h>

#include "core/modB3Glimwarden.h"
#include "dimmers/frmB3AddOnModuleDMX.h"
#include "gridFormDriver.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"
#include "support/widgetActions.h"

namespace {

class DmxModule : public ::testing::Test {
protected:
    frmB3AddOnModuleDMX* open()
    {
        tConfig.iAddOnModule = 1;
        app.trigger("mnuAddOnModules");
        return app.formAs<frmB3AddOnModuleDMX>("frmB3AddOnModuleDMX");
    }

    DialogRecorder dialogs;
    AppHarness app;
};

TEST_F(DmxModule, AutoMapWritesEveryRelayFromRelayOneAndShowsTheInstalledRows)
{
    gridDriver::install(8);
    tConfig.iRelayDMXChannel[0] = 500;
    tConfig.sRelayName[1] = "Stage";
    auto* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(gridDriver::visibleCount(form->lblDMXChan), 8);
    EXPECT_EQ(form->lblRelayName[1]->text(), "Stage");
    EXPECT_EQ(form->lblRelayName[1]->toolTip(), "Relay 02");
    EXPECT_EQ(form->lblDMXChan[0]->text(), " DMX 500");
    EXPECT_EQ(form->lblDMXChan[1]->text(), " None");

    clickWidget(form->cmdAutoMap);
    EXPECT_EQ(tConfig.iRelayDMXChannel[0], 500);
    EXPECT_EQ(tConfig.iRelayDMXChannel[7], 507);
    EXPECT_EQ(tConfig.iRelayDMXChannel[12], 512);
    EXPECT_EQ(tConfig.iRelayDMXChannel[13], 0);
    EXPECT_EQ(tConfig.iRelayDMXChannel[47], 0);
    EXPECT_EQ(form->lblDMXChan[7]->text(), " DMX 507");

    // A damaged file's relay 1 beyond the last channel keeps it; nothing wraps.
    tConfig.iRelayDMXChannel[0] = 32767;
    clickWidget(form->cmdAutoMap);
    EXPECT_EQ(tConfig.iRelayDMXChannel[0], 32767);
    EXPECT_EQ(tConfig.iRelayDMXChannel[1], 0);
    EXPECT_EQ(form->lblDMXChan[0]->text(), "");

    // Without a channel on relay 1 the button hides; a channel chosen shows it again.
    tConfig.iRelayDMXChannel[0] = 0;
    form->ShowDMXConfiguration();
    EXPECT_TRUE(form->cmdAutoMap->isHidden());
    gridDriver::click(form->lblDMXChan[0]);
    ASSERT_TRUE(form->cboNewDMX->isVisible());
    gridDriver::choose(form->cboNewDMX, 3);
    EXPECT_EQ(tConfig.iRelayDMXChannel[0], 3);
    EXPECT_FALSE(form->cboNewDMX->isVisible());
    EXPECT_FALSE(form->cmdAutoMap->isHidden());
    // A click on the form closes an open list without a change.
    gridDriver::click(form->lblDMXChan[2]);
    ASSERT_TRUE(form->cboNewDMX->isVisible());
    gridDriver::clickBackground(form);
    EXPECT_FALSE(form->cboNewDMX->isVisible());
    EXPECT_EQ(tConfig.iRelayDMXChannel[2], 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DmxModule, LevelsMustStayApartAndARefusedLevelStaysAsStored)
{
    tConfig.iDMXOnLevel = 50;
    tConfig.iDMXOffLevel = 10;
    auto* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->cboOnLevel->currentText(), "50%");
    EXPECT_EQ(bChanged, VbTrue);  // opening stores the levels already held

    chooseListEntry(form->cboOffLevel, 49);  // 50 %
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "Off Level Must Be Less Than On Level");
    EXPECT_EQ(dialogs.messages[0].style, vbOKOnly | vbInformation);
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(tConfig.iDMXOffLevel, 10);
    EXPECT_EQ(form->cboOffLevel->currentText(), "10%");

    chooseListEntry(form->cboOnLevel, 89);
    EXPECT_EQ(tConfig.iDMXOnLevel, 90);
    chooseListEntry(form->cboFilter, 15);
    EXPECT_EQ(tConfig.iDMXFilter, 15);

    // An upload may give 100 and 0, which the lists do not have: refusals keep them.
    tConfig.iDMXOnLevel = 100;
    tConfig.iDMXOffLevel = 0;
    form->ShowDMXConfiguration();
    EXPECT_EQ(form->cboOnLevel->ListIndex(), -1);
    EXPECT_EQ(form->cboOffLevel->ListIndex(), -1);
    dialogs.clear();
    tConfig.iDMXOffLevel = 60;
    chooseListEntry(form->cboOnLevel, 19);  // 20 % is not above 60 %
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"On Level Must Be Greater Than Off Level"});
    EXPECT_EQ(tConfig.iDMXOnLevel, 100);
    EXPECT_EQ(form->cboOnLevel->ListIndex(), -1);
}

} // namespace
