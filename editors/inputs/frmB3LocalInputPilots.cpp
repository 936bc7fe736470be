#include "editors/inputs/frmB3LocalInputPilots.h"

#include "core/modB3Glimwarden.h"
#include "editors/engine/listEntries.h"
#include "editors/engine/pilotWord.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"

B3_REGISTER_CHILD_FORM(frmB3LocalInputPilots)

frmB3LocalInputPilots::frmB3LocalInputPilots()
    : ChildForm(QStringLiteral("frmB3LocalInputPilots")), grid(this, GridGeometry{240})
{
    setCaption(QStringLiteral("Local Input Pilots"));
    setTwipsSize(10815, 7335);

    lblInputName = grid.addCells(240, CellLook{1335, 0xC0C0C0});
    lblPilotSource = grid.addCells(1575, CellLook{1215});
    lblPilotNumber = grid.addCells(2780, CellLook{615});
    setToolTips(lblInputName, "Input ", grid.rows());
    cboNewSource = grid.addList(1215, listEntries(kLocalPilotSourceNames));
    cboNewNumber = grid.addList(615, listEntries(suffixedNumberEntries(1, kPilotNumbers, "")));

    connectArray(lblPilotSource, &VbLabel::Click, [this](int i) { lblPilotSource_Click(i); });
    connectArray(lblPilotNumber, &VbLabel::Click, [this](int i) { lblPilotNumber_Click(i); });
    connect(cboNewSource, &VbComboBox::Click, this, &frmB3LocalInputPilots::cboNewSource_Click);
    connect(cboNewNumber, &VbComboBox::Click, this, &frmB3LocalInputPilots::cboNewNumber_Click);
}

void frmB3LocalInputPilots::Form_Activate()
{
    const int count = GetIOPointCount();
    setCaptions(lblInputName, tConfig.sInputName, count);
    showRows({&lblInputName, &lblPilotSource, &lblPilotNumber}, count);
    ShowPilotConfiguration();
}

void frmB3LocalInputPilots::Form_Click() { grid.hideLists(); }

void frmB3LocalInputPilots::ShowPilotConfiguration()
{
    for (int i = 0; i < GetIOPointCount(); ++i) {
        const int16_t w = tConfig.iInputPilot[i];
        lblPilotSource[i]->setCaption(cellText(kLocalPilotSourceNames, pilotSource(w)));
        lblPilotNumber[i]->setCaption(toQ(pilotNumberText(w)));
    }
}

void frmB3LocalInputPilots::lblPilotSource_Click(int Index)
{
    iCurrentRow = static_cast<int16_t>(Index);
    grid.openList(cboNewSource, lblPilotSource[Index], pilotSource(tConfig.iInputPilot[Index]));
}

void frmB3LocalInputPilots::lblPilotNumber_Click(int Index)
{
    iCurrentRow = static_cast<int16_t>(Index);
    grid.openList(cboNewNumber, lblPilotNumber[Index], pilotNumber(tConfig.iInputPilot[Index]));
}

void frmB3LocalInputPilots::cboNewSource_Click()
{
    storeChosenEntry(
        cboNewSource,
        [this](int16_t source) {
            tConfig.iInputPilot[iCurrentRow] = pilotWithSource(tConfig.iInputPilot[iCurrentRow], source);
        },
        [this] { ShowPilotConfiguration(); });
}

void frmB3LocalInputPilots::cboNewNumber_Click()
{
    storeChosenEntry(
        cboNewNumber,
        [this](int16_t number) {
            tConfig.iInputPilot[iCurrentRow] = pilotWithNumber(tConfig.iInputPilot[iCurrentRow], number);
        },
        [this] { ShowPilotConfiguration(); });
}
