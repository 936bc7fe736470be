// The name editors, opened from their menus and typed into: which rows show, what
// opening stores, the key filter, the preview cells and the panel name's check box.
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

#include "core/modB3Glimwarden.h"
#include "editors/names/frmB3EditPanelName.h"
#include "editors/names/nameEditorForm.h"
#include "gridFormDriver.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"

namespace {

// On the indicator: a check box takes clicks on its indicator and caption only.
void tick(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

QString previewText(const NamePreview& preview)
{
    QString shown;
    for (const VbLabel* cell : preview.lblPanelChar) shown += cell->isVisible() ? cell->caption() : QStringLiteral("?");
    return shown;
}

struct NameForm {
    const char* menu;
    const char* form;
    int rowsWith20Points;
    std::function<std::string&(int row)> name;
    const char* firstCaption;
    const char* tenthCaption;
    const char* lastCaption;
    int previewCells;
};

void PrintTo(const NameForm& f, std::ostream* os) { *os << f.form; }

const NameForm kNameForms[] = {
    {"mnuEditRelayNames", "frmB3EditRelayNames", 20, [](int r) -> std::string& { return tConfig.sRelayName[r]; },
     "Relay 01", "Relay 10", "Relay 48", 10},
    {"mnuEditGroupNames", "frmB3EditGroupNames", 48, [](int r) -> std::string& { return tConfig.sGroupName[r]; },
     "Group 01", "Group 10", "Group 48", 10},
    {"mnuEditInputNames", "frmB3EditInputNames", 20, [](int r) -> std::string& { return tConfig.sInputName[r]; },
     "Input 01", "Input 10", "Input 48", 10},
    {"mnuEditTimerNames", "frmB3EditTimerNames", 48, [](int r) -> std::string& { return tConfig.sTimerName[r]; },
     "Timer 01", "Timer 10", "Timer 48", 10},
    {"mnuEditPresetNames", "frmB3EditPresetNames", 48, [](int r) -> std::string& { return tConfig.sPresetName[r]; },
     "Preset 01", "Preset 10", "Preset 48", 10},
    {"mnuEditTiverlinkNames", "frmB3EditTiverlinkNames", 64, [](int r) -> std::string& { return tStation[r + 1].sName; },
     "TL Node 01", "TL Node 0A", "TL Node 40", 8},
};

class NameEditors : public gridDriver::GridFormTest, public ::testing::WithParamInterface<NameForm> {
protected:
    DialogRecorder dialogs;
    AppHarness app;
};

} // namespace

TEST_P(NameEditors, OpeningStoresTheShownNamesAndTypingPassesTheFilter)
{
    const NameForm& f = GetParam();
    constexpr int kTyped = 4;
    gridDriver::install(20);
    const std::string longName(40000, 'N');
    f.name(0) = longName;
    f.name(kTyped) = "";
    const std::string station0 = tStation[0].sName;
    bChanged = VbFalse;
    app.trigger(f.menu);
    AppHarness::processEvents();
    auto* form = app.formAs<NameEditorForm>(f.form);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(bChanged);

    const int rows = form->grid.rows();
    EXPECT_EQ(gridDriver::visibleCount(form->lblNumber), f.rowsWith20Points);
    EXPECT_EQ(form->lblNumber[0]->caption(), f.firstCaption);
    EXPECT_EQ(form->lblNumber[9]->caption(), f.tenthCaption);
    EXPECT_EQ(form->lblNumber[rows - 1]->caption(), f.lastCaption);
    if (rows > f.rowsWith20Points) {
        EXPECT_FALSE(form->txtName[f.rowsWith20Points]->isVisible());
        EXPECT_EQ(form->txtName[f.rowsWith20Points]->Text(), "Text1");
    }
    EXPECT_EQ(f.name(0), longName);
    EXPECT_EQ(form->preview.lblPanelChar.size(), static_cast<std::size_t>(f.previewCells));
    EXPECT_EQ(previewText(form->preview), QString(f.previewCells, 'N'));

    VbTextBox* box = form->txtName[kTyped];
    gridDriver::click(box);
    EXPECT_EQ(previewText(form->preview), "");
    QGuiApplication::clipboard()->setText(QStringLiteral("paste"));
    QTest::keyClicks(box, "ab,!c");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(f.name(kTyped), "ABC");
    EXPECT_EQ(previewText(form->preview), "ABC");
    QTest::keyClicks(box, " .-/*#@():?");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(f.name(kTyped), "ABC .-/*#@():");
    EXPECT_EQ(tStation[0].sName, station0);
}

INSTANTIATE_TEST_SUITE_P(Forms, NameEditors, ::testing::ValuesIn(kNameForms),
                         [](const auto& info) { return std::string(info.param.form); });

TEST(PanelName, TheCheckBoxStandsForTheEmptyNameAndTheBoxForAnyOther)
{
    DialogRecorder dialogs;
    AppHarness app;
    SetDefaultSettings();
    bChanged = VbFalse;
    app.trigger("mnuEditPanelName");
    AppHarness::processEvents();
    auto* form = app.formAs<frmB3EditPanelName>("frmB3EditPanelName");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(bChanged);
    EXPECT_EQ(form->chkDefaultPanelName->Value(), 1);
    EXPECT_FALSE(form->txtPanelName->isVisible());
    EXPECT_FALSE(form->lblPanelName->isVisible());
    EXPECT_FALSE(form->preview.frame->isVisible());

    // Clearing the box shows the empty entry and stores nothing.
    bChanged = VbFalse;
    tick(form->chkDefaultPanelName);
    EXPECT_TRUE(form->txtPanelName->isVisible());
    EXPECT_FALSE(bChanged);
    QTest::keyClicks(form->txtPanelName, "ab,c");
    EXPECT_EQ(tConfig.sPanelName, "ABC");
    EXPECT_EQ(form->preview.lblPanelChar[2]->caption(), "C");
    for (int k = 0; k < 3; ++k) QTest::keyClick(form->txtPanelName, Qt::Key_Backspace);
    EXPECT_EQ(tConfig.sPanelName, "");
    EXPECT_EQ(form->chkDefaultPanelName->Value(), 0);

    // Ticking empties a typed name and marks; ticking with the name empty marks nothing.
    QTest::keyClicks(form->txtPanelName, "x");
    bChanged = VbFalse;
    tick(form->chkDefaultPanelName);
    EXPECT_EQ(tConfig.sPanelName, "");
    EXPECT_TRUE(bChanged);
    tick(form->chkDefaultPanelName);
    bChanged = VbFalse;
    tick(form->chkDefaultPanelName);
    EXPECT_FALSE(bChanged);

    // Left clear and empty, it opens ticked again; a long name opens whole, 18 shown.
    tick(form->chkDefaultPanelName);
    app.trigger("mnuEditPanelName");
    AppHarness::processEvents();
    form = app.formAs<frmB3EditPanelName>("frmB3EditPanelName");
    EXPECT_EQ(form->chkDefaultPanelName->Value(), 1);
    tConfig.sPanelName = "ABCDEFGHIJKLMNOPQRSTUV";
    app.trigger("mnuEditPanelName");
    AppHarness::processEvents();
    form = app.formAs<frmB3EditPanelName>("frmB3EditPanelName");
    EXPECT_EQ(form->chkDefaultPanelName->Value(), 0);
    EXPECT_TRUE(form->txtPanelName->isVisible());
    EXPECT_EQ(tConfig.sPanelName, "ABCDEFGHIJKLMNOPQRSTUV");
    EXPECT_EQ(previewText(form->preview), "ABCDEFGHIJKLMNOPQR");
}
