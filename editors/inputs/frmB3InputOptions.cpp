#include "editors/inputs/frmB3InputOptions.h"

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "editors/engine/listEntries.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"

B3_REGISTER_CHILD_FORM(frmB3InputOptions)

namespace {

constexpr int kFirstMinutes = 5;
constexpr int kLastMinutes = 999;
constexpr int kWideTypeCell = 1935;
constexpr int kNarrowTypeCell = 1095;

} // namespace

frmB3InputOptions::frmB3InputOptions() : ChildForm(QStringLiteral("frmB3InputOptions")), grid(this, GridGeometry{240})
{
    setCaption(QStringLiteral("Input Options"));
    setTwipsSize(10815, 6615);

    lblInputName = grid.addCells(240, CellLook{1335, 0xC0C0C0});
    lblInputType = grid.addCells(1575, CellLook{kWideTypeCell});
    lblInputTimedOn = grid.addCells(2660, CellLook{855});
    setToolTips(lblInputName, "Input ", grid.rows());
    cboNewType = grid.addList(kWideTypeCell, listEntries(kLocalInputTypeNames));
    cboNewTime = grid.addList(855, listEntries(suffixedNumberEntries(kFirstMinutes, kLastMinutes, "Min")));

    connectArray(lblInputType, &VbLabel::Click, [this](int i) { lblInputType_Click(i); });
    connectArray(lblInputTimedOn, &VbLabel::Click, [this](int i) { lblInputTimedOn_Click(i); });
    connect(cboNewType, &VbComboBox::Click, this, &frmB3InputOptions::cboNewType_Click);
    connect(cboNewTime, &VbComboBox::Click, this, &frmB3InputOptions::cboNewTime_Click);
}

void frmB3InputOptions::Form_Activate()
{
    const int count = GetIOPointCount();
    setCaptions(lblInputName, tConfig.sInputName, count);
    showRows({&lblInputName, &lblInputType, &lblInputTimedOn}, count);
    ShowInputConfiguration();
}

void frmB3InputOptions::Form_Click() { grid.hideLists(); }

void frmB3InputOptions::ShowInputConfiguration()
{
    for (int i = 0; i < GetIOPointCount(); ++i) {
        const bool timedOn = tConfig.iInputType[i] == kLocalTimedOn;
        lblInputType[i]->setCaption(cellText(kLocalInputTypeNames, tConfig.iInputType[i]));
        setWidthTwips(lblInputType[i], timedOn ? kNarrowTypeCell : kWideTypeCell);
        lblInputTimedOn[i]->setCaption(toQ(" " + FormatNumber(tConfig.lInputTimedOnMinutes[i]) + " Min"));
        lblInputTimedOn[i]->setVisible(timedOn);
    }
}

void frmB3InputOptions::lblInputType_Click(int Index)
{
    iSelectedInput = static_cast<int16_t>(Index);
    grid.openList(cboNewType, lblInputType[Index], tConfig.iInputType[Index]);
}

void frmB3InputOptions::lblInputTimedOn_Click(int Index)
{
    iSelectedInput = static_cast<int16_t>(Index);
    grid.openList(cboNewTime, lblInputTimedOn[Index], tConfig.lInputTimedOnMinutes[Index], kFirstMinutes);
}

void frmB3InputOptions::cboNewType_Click()
{
    storeChosenEntry(
        cboNewType, [this](int16_t code) { tConfig.iInputType[iSelectedInput] = code; },
        [this] { ShowInputConfiguration(); });
}

void frmB3InputOptions::cboNewTime_Click()
{
    storeChosenEntry(
        cboNewTime, [this](int16_t entry) { tConfig.lInputTimedOnMinutes[iSelectedInput] = entry + kFirstMinutes; },
        [this] { ShowInputConfiguration(); });
}
