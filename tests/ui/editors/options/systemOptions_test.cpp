// The option dialogs, the blink alert durations and the add-on module pages, opened
// from their menus: what a new configuration shows, what opening marks, what each
// choice stores, and stored values that no option or list entry stands for.
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

#include "core/modB3Glimwarden.h"
#include "editors/options/addOnNoticePage.h"
#include "editors/listSettingsForm.h"
#include "editors/optionDialog.h"
#include "platform/childFormRegistry.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"
#include "support/widgetActions.h"

namespace {

// On the button's indicator: a radio button takes clicks on its indicator and caption only.
void pick(VbOptionButton* option) { QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2)); }

int selectedOption(const OptionDialog* form)
{
    int selected = -1;
    for (int k = 0; k < static_cast<int>(form->opt.size()); ++k)
        if (form->opt[k]->Value()) selected = selected == -1 ? k : -2;
    return selected;
}

class SystemOptionTest : public ::testing::Test {
protected:
    void SetUp() override { bChanged = VbFalse; }
    // A greyed menu entry cannot be triggered; the registry shows its form as the
    // entry would.
    template <class Form>
    Form* open(const char* menu, const char* form)
    {
        if (menu) app.trigger(menu);
        else {
            CloseChildForms();
            childForms::show(form);
        }
        AppHarness::processEvents();
        return app.formAs<Form>(form);
    }

    DialogRecorder dialogs;
    AppHarness app;
};

struct OptionForm {
    const char* form;
    const char* menu;     // null: greyed in the menu
    int shownOnNew;       // -1: none selected
    bool marksOnNew;
    std::function<int()> stored;   // null: the choice is stored nowhere
    std::vector<int> storedByOption;
};

void PrintTo(const OptionForm& f, std::ostream* os) { *os << f.form; }

const OptionForm kOptionForms[] = {
    {"frmB3PhotocellFilter", "mnuPhotocellFilter", 0, false, [] { return int{tConfig.bPhotocellFilter2Sec}; }, {0, -1}},
    {"frmB3RTCSource", "mnuRTCSource", 0, false, [] { return int{tConfig.iRTCSource}; }, {0, 1}},
    {"frmB3ConfigureTimedOn", "mnuConfigureTimedOn", 0, true, [] { return int{tConfig.bTimedOnBeginsOnClose}; }, {0, -1}},
    {"frmB3RelayDrive", nullptr, 0, false, nullptr, {0, 0, 0, 0}},
};

class OptionForms : public SystemOptionTest, public ::testing::WithParamInterface<OptionForm> {};

} // namespace

TEST_P(OptionForms, ShowTheStoredChoiceAndStoreEachClick)
{
    const OptionForm& f = GetParam();
    auto* form = open<OptionDialog>(f.menu, f.form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(selectedOption(form), f.shownOnNew);
    EXPECT_EQ(bool(bChanged), f.marksOnNew);

    // Last to first, so that every click changes the selection.
    for (int k = static_cast<int>(form->opt.size()) - 1; k >= 0; --k) {
        const PanelConfig before = tConfig;
        bChanged = VbFalse;
        pick(form->opt[k]);
        EXPECT_TRUE(bChanged) << k;
        if (f.stored) {
            EXPECT_EQ(f.stored(), f.storedByOption[k]) << k;
        } else {
            EXPECT_TRUE(tConfig == before) << k;
        }
    }

    // With the second choice stored, opening shows it and stores it again.
    pick(form->opt[1]);
    bChanged = VbFalse;
    form = open<OptionDialog>(f.menu, f.form);
    EXPECT_EQ(selectedOption(form), f.stored ? 1 : 0);
    EXPECT_EQ(bool(bChanged), bool(f.stored));
}

INSTANTIATE_TEST_SUITE_P(Forms, OptionForms, ::testing::ValuesIn(kOptionForms),
                         [](const auto& info) { return std::string(info.param.form); });

TEST_F(SystemOptionTest, AClockSourceNoOptionNamesSelectsNoneAndIsKept)
{
    tConfig.iRTCSource = 5;
    auto* form = open<OptionDialog>("mnuRTCSource", "frmB3RTCSource");
    EXPECT_EQ(selectedOption(form), -1);
    EXPECT_EQ(tConfig.iRTCSource, 5);
    EXPECT_FALSE(bChanged);
}

TEST_F(SystemOptionTest, BlinkAlertListsShowStoreAndKeepDurationsTheyHaveNoEntryFor)
{
    auto* form = open<ListSettingsForm>("mnuBlinkAlertAndAlarmSettings", "frmB3BlinkAlertAndAlarmSettings");
    ASSERT_EQ(form->cbo.size(), 3U);
    EXPECT_EQ(form->cbo[0]->currentText(), "10 Minutes");
    EXPECT_EQ(form->cbo[1]->currentText(), "120 Minutes");
    EXPECT_EQ(form->cbo[2]->currentText(), "5 Seconds");
    EXPECT_EQ(form->cbo[2]->itemText(0), "1 Seconds");
    EXPECT_TRUE(bChanged);

    for (VbComboBox* list : form->cbo) chooseListEntry(list, list->ListCount() - 1);
    EXPECT_EQ(tConfig.iBlinkAlertMinutes, 99);
    EXPECT_EQ(tConfig.iOverrideMinutes, 999);
    EXPECT_EQ(tConfig.iAlarmSeconds, 99);

    // An override word of 0xFFFF arrives as -1.
    tConfig.iBlinkAlertMinutes = 1;
    tConfig.iOverrideMinutes = -1;
    tConfig.iAlarmSeconds = 100;
    bChanged = VbFalse;
    form = open<ListSettingsForm>("mnuBlinkAlertAndAlarmSettings", "frmB3BlinkAlertAndAlarmSettings");
    for (VbComboBox* list : form->cbo) EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(tConfig.iBlinkAlertMinutes, 1);
    EXPECT_EQ(tConfig.iOverrideMinutes, -1);
    EXPECT_EQ(tConfig.iAlarmSeconds, 100);
    EXPECT_FALSE(bChanged);
}

TEST_F(SystemOptionTest, AddOnModulesShowsThePageOfTheInstalledModule)
{
    struct Page {
        int16_t module;
        const char* form;   // null: no page
        const char* caption;
        const char* notice;
    };
    const Page pages[] = {
        {0, "frmB3AddOnModuleNone", "Add On Module", "No Add On Module Installed"},
        {2, "frmB3AddOnModuleModBus", "Add On Module ModBus", nullptr},
        {3, "frmB3AddOnModuleN2", "Add On Module N2", "No Configuration Required"},
        {4, "frmB3AddOnModuleVoiceDTMF", "Add On Module Voice DTMF", "No Configuration Required"},
        {5, "frmB3AddOnModuleBACnet", "Add On Module BACnet", "No Configuration Required"},
        {6, nullptr, nullptr, nullptr},
    };
    for (const Page& page : pages) {
        tConfig.iAddOnModule = page.module;
        app.trigger("mnuAddOnModules");
        AppHarness::processEvents();
        const QList<ChildForm*> shown = app.window().findChildren<ChildForm*>();
        int visible = 0;
        for (const ChildForm* form : shown) visible += form->isVisible() && form->formName() != "frmB3Connect";
        EXPECT_EQ(visible, page.form ? 1 : 0) << page.module;
        if (!page.form) continue;
        ChildForm* form = app.form(page.form);
        ASSERT_NE(form, nullptr) << page.module;
        EXPECT_EQ(form->windowTitle(), page.caption);
        if (page.notice) {
            EXPECT_EQ(dynamic_cast<AddOnNoticePage*>(form)->lblNoAddOnModule->caption(), page.notice);
        }
    }
}

TEST_F(SystemOptionTest, ModBusListsStoreTheirPositionAndKeepCodesTheyHaveNoEntryFor)
{
    tConfig.iAddOnModule = 2;
    auto* page = open<ListSettingsForm>("mnuAddOnModules", "frmB3AddOnModuleModBus");
    ASSERT_EQ(page->cbo.size(), 3U);
    EXPECT_EQ(page->cbo[0]->currentText(), "ASCII");
    EXPECT_EQ(page->cbo[1]->currentText(), "38400");
    EXPECT_EQ(page->cbo[2]->currentText(), "None");
    EXPECT_TRUE(bChanged);

    chooseListEntry(page->cbo[1], 3);
    chooseListEntry(page->cbo[2], 2);
    EXPECT_EQ(tConfig.iModBusBaud, 3);
    EXPECT_EQ(tConfig.iModBusParity, 2);

    tConfig.iModBusMode = 5;
    tConfig.iModBusParity = 3;
    bChanged = VbFalse;
    page = open<ListSettingsForm>("mnuAddOnModules", "frmB3AddOnModuleModBus");
    EXPECT_EQ(page->cbo[0]->ListIndex(), -1);
    EXPECT_EQ(page->cbo[1]->currentText(), "4800");
    EXPECT_EQ(page->cbo[2]->ListIndex(), -1);
    EXPECT_EQ(tConfig.iModBusMode, 5);
    EXPECT_EQ(tConfig.iModBusParity, 3);
}
