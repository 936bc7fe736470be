#include "stations/frmB3TiverlinkPilots.h"

#include <QPushButton>

#include "editors/engine/listEntries.h"
#include "editors/engine/pilotWord.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/msgBox.h"
#include "platform/stationList.h"
#include "platform/twips.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"
#include "stations/engine/pilotMapping.h"
#include "stations/engine/stationFamilies.h"

B3_REGISTER_CHILD_FORM(frmB3TiverlinkPilots)

namespace {

constexpr int kInputs = 8;
constexpr int kDefaultPointer = 0;

// Rows of a device type; photocells have no pilot lamps.
int pilotRows(int16_t deviceType)
{
    return StationFamilyOf(deviceType) == StationFamily::Photocell ? 0 : StationInputsShown(deviceType);
}

QPushButton* addButton(QWidget* form, const char* caption, int top)
{
    return placed(new QPushButton(QString::fromLatin1(caption), form), 4200, top, 4095, 495);
}

} // namespace

frmB3TiverlinkPilots::frmB3TiverlinkPilots()
    : ChildForm(QStringLiteral("frmB3TiverlinkPilots")), grid(this, GridGeometry{.firstTop = 960, .rows = kInputs})
{
    setCaption(QStringLiteral("Tiverlink Pilots"));
    setTwipsSize(8775, 4440);

    cboTiverlinkDevice = grid.addSelector(240, 120, 2175);
    lblInputName = grid.addCells(240, CellLook{1335, 0xC0C0C0});
    lblPilotSource = grid.addCells(1575, CellLook{1215});
    lblPilotNumber = grid.addCells(2780, CellLook{615});
    setToolTips(lblInputName, "Input ", kInputs);
    cboNewSource = grid.addList(1215, listEntries(kStationPilotSourceNames));
    cboNewNumber = grid.addList(615, listEntries(suffixedNumberEntries(1, kPilotNumbers, "")));
    cmdAutoMapThisTL = addButton(this, "Auto Map Pilots For This Tiverlink Device", 960);
    cmdAutoMapAllTL = addButton(this, "Auto Map Pilots For All Tiverlink Devices", 1680);

    connect(cboTiverlinkDevice, &VbComboBox::Click, this, &frmB3TiverlinkPilots::cboTiverlinkDevice_Click);
    connectArray(lblPilotSource, &VbLabel::Click, [this](int i) { lblPilotSource_Click(i); });
    connectArray(lblPilotNumber, &VbLabel::Click, [this](int i) { lblPilotNumber_Click(i); });
    connect(cboNewSource, &VbComboBox::Click, this, &frmB3TiverlinkPilots::cboNewSource_Click);
    connect(cboNewNumber, &VbComboBox::Click, this, &frmB3TiverlinkPilots::cboNewNumber_Click);
    connect(cmdAutoMapThisTL, &QPushButton::clicked, this, &frmB3TiverlinkPilots::cmdAutoMapThisTL_Click);
    connect(cmdAutoMapAllTL, &QPushButton::clicked, this, &frmB3TiverlinkPilots::cmdAutoMapAllTL_Click);
}

void frmB3TiverlinkPilots::Form_Activate()
{
    cboTiverlinkDevice->setItems(stationListEntries());
    cboTiverlinkDevice->setListIndex(0);
    ShowPilotConfiguration();
}

void frmB3TiverlinkPilots::Form_Click() { grid.hideLists(); }

void frmB3TiverlinkPilots::cboTiverlinkDevice_Click()
{
    // An open list belongs to the input of the station shown before.
    grid.hideLists();
    ShowPilotConfiguration();
}

void frmB3TiverlinkPilots::ShowPilotConfiguration()
{
    const StationRecord& station = shownStation(cboTiverlinkDevice);
    showRows({&lblInputName, &lblPilotSource, &lblPilotNumber}, pilotRows(station.iDeviceType));
    const bool maps = station.iDeviceType >= 1 && station.iDeviceType <= 8;
    cmdAutoMapThisTL->setVisible(maps);
    cmdAutoMapAllTL->setVisible(maps);
    for (int i = 0; i < kInputs; ++i) {
        const int16_t word = station.iPilot[static_cast<std::size_t>(i)];
        lblInputName[i]->setCaption(toQ(" " + StationInputName(station.sName, i)));
        lblPilotSource[i]->setCaption(cellText(kStationPilotSourceNames, pilotSource(word)));
        lblPilotNumber[i]->setCaption(toQ(stationPilotNumberText(word)));
    }
}

int16_t& frmB3TiverlinkPilots::selectedPilot()
{
    return shownStation(cboTiverlinkDevice).iPilot[static_cast<std::size_t>(iSelectedInput)];
}

void frmB3TiverlinkPilots::lblPilotSource_Click(int Index)
{
    iSelectedInput = static_cast<int16_t>(Index);
    grid.openList(cboNewSource, lblPilotSource[Index], pilotSource(selectedPilot()));
}

void frmB3TiverlinkPilots::lblPilotNumber_Click(int Index)
{
    iSelectedInput = static_cast<int16_t>(Index);
    int16_t& word = selectedPilot();
    if (pilotSource(word) != kStaticPilot) {
        grid.openList(cboNewNumber, lblPilotNumber[Index], pilotNumber(word));
        return;
    }
    cboNewSource->hide();
    word = word != 0 ? 0 : 1;
    ShowPilotConfiguration();
    bChanged = VbTrue;
}

void frmB3TiverlinkPilots::storePilot(VbComboBox* list, int16_t (*edit)(int16_t word, int entry))
{
    storeChosenEntry(
        list, [this, edit](int16_t entry) { selectedPilot() = edit(selectedPilot(), entry); },
        [this] { ShowPilotConfiguration(); });
}

void frmB3TiverlinkPilots::cboNewSource_Click() { storePilot(cboNewSource, pilotWithSource); }

void frmB3TiverlinkPilots::cboNewNumber_Click() { storePilot(cboNewNumber, pilotWithNumber); }

void frmB3TiverlinkPilots::cmdAutoMapThisTL_Click()
{
    MasterMDI().setMousePointer(frmB3MasterMDI::kHourglassPointer);
    AutoMapStation(shownStation(cboTiverlinkDevice));
    ShowPilotConfiguration();
    MasterMDI().setMousePointer(kDefaultPointer);
    bChanged = VbTrue;
}

void frmB3TiverlinkPilots::cmdAutoMapAllTL_Click()
{
    const int answer = MsgBox("This Will Auto Map The Pilots For ALL Tiverlink Devices.\r\nContinue?",
                              vbYesNo + vbQuestion, "Auto Map Verify");
    if (answer != vbYes) {
        MsgBox("Auto Map Canceled", vbOKOnly, "Auto Map");
        return;
    }
    MasterMDI().setMousePointer(frmB3MasterMDI::kHourglassPointer);
    AutoMapAllStations();
    ShowPilotConfiguration();
    MasterMDI().setMousePointer(kDefaultPointer);
    bChanged = VbTrue;
    MsgBox("Auto Map Complete", vbOKOnly, "Auto Map");
}
