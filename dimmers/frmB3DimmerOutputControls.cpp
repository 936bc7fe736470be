// The control options of frmB3DimmerOutput: the option's lists and the 16 summaries.

#include "core/modB3Dimmers.h"
#include "dimmers/engine/controlSummary.h"
#include "dimmers/engine/dimmerFields.h"
#include "dimmers/engine/dimmerLists.h"
#include "dimmers/frmB3DimmerOutput.h"
#include "platform/latin1.h"
#include "platform/twips.h"

namespace {
constexpr int kListsTop = 240;
constexpr int kSourceLeft = 3060;  // the device, timer and preset lists share one place
constexpr int kSummaryTop = 615;
constexpr int kSummaryPitch = 240;
constexpr int kSummaryWidth = 5040;
} // namespace

void frmB3DimmerOutput::buildControlOptions()
{
    frmControl = placed(new QGroupBox(QStringLiteral("Control Options"), frmConfig), 120, 3825, 10335, 2655);
    cboCONum = addList(frmControl, 120, kListsTop, 1200, NumberedEntries("Control: ", kDimmerOptions));
    cboCOTyp = addList(frmControl, 1380, kListsTop, 1620, ControlTypeEntries());
    cboCODev = addList(frmControl, kSourceLeft, kListsTop, 1140, ControlSourceEntries());
    cboCOTmr = addList(frmControl, kSourceLeft, kListsTop, 1140, NumberedEntries("T:", 48));
    cboCOPrs = addList(frmControl, kSourceLeft, kListsTop, 1140, NumberedEntries("P:", 48));
    cboCOInp = addList(frmControl, 4260, kListsTop, 780, NumberedEntries("I:", kLocalInputs));
    cboCOAct = addList(frmControl, 5100, kListsTop, 1770, ControlActionEntries());
    cboCOFade = addList(frmControl, 6930, kListsTop, 945, ControlFadeEntries());
    cboCORevert = addList(frmControl, 7935, kListsTop, 2280, ControlRevertEntries());
    for (int k = 0; k < kDimmerOptions; ++k) {
        lblSummary[k] = placed(new VbLabel(frmControl), 120 + (k / 8) * kSummaryWidth, kSummaryTop + (k % 8) * kSummaryPitch,
                               kSummaryWidth - 120, kSummaryPitch);
        connect(lblSummary[k], &VbLabel::Click, this, [this, k] { lblSummary_Click(k); });
    }

    connect(cboCONum, &VbComboBox::Click, this, &frmB3DimmerOutput::cboCONum_Click);
    connect(cboCOTyp, &VbComboBox::Click, this, &frmB3DimmerOutput::cboCOTyp_Click);
    for (VbComboBox* list : {cboCOInp, cboCOTmr, cboCOPrs})
        connect(list, &VbComboBox::Click, this, [this, list] { cboCONumber_Click(list); });
    connect(cboCODev, &VbComboBox::Click, this, &frmB3DimmerOutput::cboCODev_Click);
    connect(cboCOAct, &VbComboBox::Click, this, &frmB3DimmerOutput::cboCOAct_Click);
    connect(cboCOFade, &VbComboBox::Click, this, &frmB3DimmerOutput::cboCOFade_Click);
    connect(cboCORevert, &VbComboBox::Click, this, &frmB3DimmerOutput::cboCORevert_Click);
}

void frmB3DimmerOutput::fillInputList()
{
    const int inputs = DimGetCODev(iDDev, iDOut, iCONum) > 0 ? kStationInputs : kLocalInputs;
    cboCOInp->setItems(toQList(NumberedEntries("I:", inputs)));
}

void frmB3DimmerOutput::showControlOption()
{
    const int type = DimGetCOType(iDDev, iDOut, iCONum);
    cboCOTyp->setListIndex(type);
    const bool input = type == kControlInput || type == kControlInvertIn;
    // A type no list has shows as Unused: nothing of another type's lists stays up.
    const bool used = input || type == kControlTimer || type == kControlPreset;
    cboCOTmr->setVisible(type == kControlTimer);
    cboCOPrs->setVisible(type == kControlPreset);
    cboCODev->setVisible(input);
    cboCOInp->setVisible(input);
    for (VbComboBox* list : {cboCOAct, cboCOFade, cboCORevert}) list->setVisible(used);

    cboCOTmr->setListIndex(DimGetCONum(iDDev, iDOut, iCONum));
    cboCOPrs->setListIndex(DimGetCONum(iDDev, iDOut, iCONum));
    cboCODev->setListIndex(DimGetCODev(iDDev, iDOut, iCONum));
    // A station has 8 inputs: a larger number from a file or an upload is corrected.
    if (input && cboCODev->ListIndex() > 0 && DimGetCONum(iDDev, iDOut, iCONum) > kStationInputs - 1)
        DimSetCONum(iDDev, iDOut, iCONum, 0);
    if (input) cboCOInp->setListIndex(DimGetCONum(iDDev, iDOut, iCONum));
    cboCOAct->setListIndex(DimGetCOAction(iDDev, iDOut, iCONum));
    cboCOFade->setListIndex(DimGetCOInstant(iDDev, iDOut, iCONum) != 0 ? 1 : 0);
    cboCORevert->setListIndex(DimGetCORevert(iDDev, iDOut, iCONum));
    for (int16_t k = 0; k < kDimmerOptions; ++k)
        lblSummary[k]->setCaption(toQ(ControlSummary(k, ReadControlOption(iDDev, iDOut, k))));
}

void frmB3DimmerOutput::cboCONum_Click()
{
    if (const auto option = chosen(cboCONum)) {
        iCONum = *option;
        ShowControl();
    }
}

void frmB3DimmerOutput::cboCOTyp_Click()
{
    if (const auto type = chosen(cboCOTyp)) {
        DimSetCOType(iDDev, iDOut, iCONum, *type);
        ShowControl();
    }
}

void frmB3DimmerOutput::cboCONumber_Click(VbComboBox* list)
{
    if (const auto number = chosen(list)) {
        DimSetCONum(iDDev, iDOut, iCONum, *number);
        ShowControl();
    }
}

void frmB3DimmerOutput::cboCODev_Click()
{
    const auto device = chosen(cboCODev);
    if (!device) return;
    if (*device > 0 && DimGetCONum(iDDev, iDOut, iCONum) > kStationInputs - 1) DimSetCONum(iDDev, iDOut, iCONum, 0);
    DimSetCODev(iDDev, iDOut, iCONum, *device);
    ShowControl();
}

void frmB3DimmerOutput::cboCOAct_Click()
{
    if (const auto action = chosen(cboCOAct)) {
        DimSetCOAction(iDDev, iDOut, iCONum, *action);
        ShowControl();
    }
}

void frmB3DimmerOutput::cboCOFade_Click()
{
    if (const auto fade = chosen(cboCOFade)) {
        DimSetCOInstant(iDDev, iDOut, iCONum, *fade != 0 ? VbTrue : VbFalse);
        ShowControl();
    }
}

void frmB3DimmerOutput::cboCORevert_Click()
{
    if (const auto revert = chosen(cboCORevert)) {
        DimSetCORevert(iDDev, iDOut, iCONum, *revert);
        ShowControl();
    }
}

void frmB3DimmerOutput::lblSummary_Click(int Index) { cboCONum->setListIndex(Index); }
