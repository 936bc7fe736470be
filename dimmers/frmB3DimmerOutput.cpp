#include "dimmers/frmB3DimmerOutput.h"

#include "core/modB3Dimmers.h"
#include "dimmers/dimCopyDialog.h"
#include "dimmers/engine/dimmerLists.h"
#include "editors/engine/loadingFlag.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/twips.h"

B3_REGISTER_CHILD_FORM(frmB3DimmerOutput)

namespace {
// The fields stand in two columns, left of the scaling graph, in reading order.
constexpr int kFieldWidth = 2610;
constexpr int kFieldPitch = 360;
constexpr int kFieldGap = 105;
constexpr int kSecondColumn = 120 + kFieldWidth + kFieldGap;
constexpr int kFieldsWidth = 2 * kFieldWidth + kFieldGap;
} // namespace

frmB3DimmerOutput::frmB3DimmerOutput() : ChildForm(QStringLiteral("frmB3DimmerOutput"))
{
    setCaption(QStringLiteral("Dimmer Outputs"));
    setTwipsSize(10815, 7335);
    cboDDev = addList(this, 120, 120, 2895, DimmerDeviceEntries());
    chkEnabled = placed(new VbCheckBox(QStringLiteral("Device Enabled"), this), 3120, 150, 1575, 255);
    frmConfig = placed(new QGroupBox(QStringLiteral("Dimmer Output Configuration"), this), 120, 600, 10575, 6600);
    buildOutputFields();
    buildScaleGraph();
    buildControlOptions();
    buildLiveLevels();

    connect(cboDDev, &VbComboBox::Click, this, &frmB3DimmerOutput::cboDDev_Click);
    connect(chkEnabled, &VbCheckBox::Click, this, &frmB3DimmerOutput::chkEnabled_Click);
}

VbComboBox* frmB3DimmerOutput::addList(QWidget* parent, int left, int top, int width, const std::vector<std::string>& entries)
{
    auto* list = placed(new VbComboBox(parent), left, top, width, 315);
    list->setItems(toQList(entries));
    return list;
}

std::optional<int16_t> frmB3DimmerOutput::chosen(const VbComboBox* list) const
{
    if (bLoading || list->ListIndex() < 0) return std::nullopt;
    return static_cast<int16_t>(list->ListIndex());
}

void frmB3DimmerOutput::buildOutputFields()
{
    auto row = [](int k) { return 240 + kFieldPitch * k; };
    cboDOut = addList(frmConfig, 120, row(0), kFieldWidth, DimmerOutputEntries());
    cboPowerOnLevel = addList(frmConfig, 120, row(1), kFieldWidth, PercentEntries("Power On Level: "));
    cboMinLevel = addList(frmConfig, 120, row(2), kFieldWidth, PhotocellOrPercentEntries("Min Output: "));
    cboMaxLevel = addList(frmConfig, 120, row(3), kFieldWidth, PhotocellOrPercentEntries("Max Output: "));
    cboFadeRate = addList(frmConfig, 120, row(4), kFieldWidth, FadeRateEntries());
    cboPCTrack = addList(frmConfig, kSecondColumn, row(0), kFieldWidth, TrackingEntries());
    lblPCTSource = placed(new VbLabel(frmConfig), kSecondColumn, row(1), kFieldWidth, 240);
    lblPCTSource->setCaption(QStringLiteral("Tracking Photocell"));
    cboPCDev = addList(frmConfig, kSecondColumn, row(1) + 240, kFieldWidth, PhotocellStationEntries());
    cboTarget = addList(frmConfig, kSecondColumn, row(2) + 240, kFieldWidth, TargetEntries());
    cboDMX = addList(frmConfig, kSecondColumn, row(3) + 240, kFieldWidth, DmxChannelEntries());
    // One above the other under the fields, as wide as both columns for their long
    // captions, level with the bottom of the graph.
    cmdCopyConfig = placed(new QPushButton(QStringLiteral("Copy Configuration To Selected Dimmer Outputs"), frmConfig),
                           120, 2775, kFieldsWidth, 420);
    cmdCopyControl = placed(new QPushButton(QStringLiteral("Copy Control Options To Selected Dimmer Outputs"), frmConfig),
                            120, 3300, kFieldsWidth, 420);

    connect(cboDOut, &VbComboBox::Click, this, &frmB3DimmerOutput::cboDOut_Click);
    connect(cboPowerOnLevel, &VbComboBox::Click, this, &frmB3DimmerOutput::cboPowerOnLevel_Click);
    connect(cboMinLevel, &VbComboBox::Click, this, &frmB3DimmerOutput::cboMinLevel_Click);
    connect(cboMaxLevel, &VbComboBox::Click, this, &frmB3DimmerOutput::cboMaxLevel_Click);
    connect(cboFadeRate, &VbComboBox::Click, this, &frmB3DimmerOutput::cboFadeRate_Click);
    connect(cboPCTrack, &VbComboBox::Click, this, &frmB3DimmerOutput::cboPCTrack_Click);
    connect(cboPCDev, &VbComboBox::Click, this, &frmB3DimmerOutput::cboPCDev_Click);
    connect(cboTarget, &VbComboBox::Click, this, &frmB3DimmerOutput::cboTarget_Click);
    connect(cboDMX, &VbComboBox::Click, this, &frmB3DimmerOutput::cboDMX_Click);
    connect(cmdCopyConfig, &QPushButton::clicked, this, [this] { cmdCopyConfig_Click(); });
    connect(cmdCopyControl, &QPushButton::clicked, this, [this] { cmdCopyControl_Click(); });
}

void frmB3DimmerOutput::Form_Activate()
{
    cboDDev->setListIndex(0);
    cboDOut->setListIndex(0);
    cboCONum->setListIndex(0);
    iDDev = 0;
    iDOut = 0;
    iCONum = 0;
    ShowControl();
}

void frmB3DimmerOutput::ShowControl()
{
    const LoadingScope loading(bLoading);
    fillInputList();
    const bool enabled = DimGetDevEnabled(iDDev) != 0;
    frmConfig->setVisible(enabled);
    chkEnabled->setValue(enabled ? 1 : 0);
    cboPowerOnLevel->setListIndex(DimGetPowerOnLevel(iDDev, iDOut));
    cboMinLevel->setListIndex(DimGetMinPC(iDDev, iDOut) != 0 ? 0 : DimGetMinLevel(iDDev, iDOut) + 1);
    cboMaxLevel->setListIndex(DimGetMaxPC(iDDev, iDOut) != 0 ? 0 : DimGetMaxLevel(iDDev, iDOut) + 1);
    cboFadeRate->setListIndex(DimGetFadeRate(iDDev, iDOut));
    showTracking();
    cboPCDev->setListIndex(DimGetPCDev(iDDev, iDOut));
    cboDMX->setListIndex(DimGetDMXChan(iDDev, iDOut));
    cboTarget->setListIndex(DimGetTarget(iDDev, iDOut));
    showControlOption();
    placeGrips();
    DrawLines();
    showLiveLevels();
}

void frmB3DimmerOutput::showTracking()
{
    const int mode = DimGetPCTrack(iDDev, iDOut);
    cboPCTrack->setListIndex(TrackingPositionOfMode(mode));
    const bool graph = mode == kTrackingTwoPoint || mode == kTrackingThreePoint;
    frmScale->setVisible(graph);
    cboPCDev->setVisible(mode != kTrackingDisabled);
    lblPCTSource->setVisible(mode != kTrackingDisabled);
    cboTarget->setVisible(mode == kTrackingSetpoint);
}

void frmB3DimmerOutput::cboDDev_Click()
{
    if (const auto position = chosen(cboDDev)) {
        iDDev = *position;
        ShowControl();
    }
}

void frmB3DimmerOutput::cboDOut_Click()
{
    if (const auto position = chosen(cboDOut)) {
        iDOut = *position;
        ShowControl();
    }
}

void frmB3DimmerOutput::chkEnabled_Click()
{
    if (bLoading) return;
    DimSetDevEnabled(iDDev, chkEnabled->Value() == 0 ? 0 : 1);
    ShowControl();
}

void frmB3DimmerOutput::cboPowerOnLevel_Click()
{
    if (const auto percent = chosen(cboPowerOnLevel)) DimSetPowerOnLevel(iDDev, iDOut, *percent);
}

void frmB3DimmerOutput::cboMinLevel_Click()
{
    const auto position = chosen(cboMinLevel);
    if (!position) return;
    // The photocell entry sets the flag alone; the stored percent waits behind it.
    DimSetMinPC(iDDev, iDOut, *position == 0 ? VbTrue : VbFalse);
    if (*position > 0) DimSetMinLevel(iDDev, iDOut, static_cast<int16_t>(*position - 1));
}

void frmB3DimmerOutput::cboMaxLevel_Click()
{
    const auto position = chosen(cboMaxLevel);
    if (!position) return;
    DimSetMaxPC(iDDev, iDOut, *position == 0 ? VbTrue : VbFalse);
    if (*position > 0) DimSetMaxLevel(iDDev, iDOut, static_cast<int16_t>(*position - 1));
}

void frmB3DimmerOutput::cboFadeRate_Click()
{
    if (const auto code = chosen(cboFadeRate)) DimSetFadeRate(iDDev, iDOut, *code);
}

void frmB3DimmerOutput::cboPCTrack_Click()
{
    const auto position = chosen(cboPCTrack);
    if (!position) return;
    const int mode = TrackingModeOfPosition(*position);
    if (mode < 0) return;
    DimSetPCTrack(iDDev, iDOut, static_cast<int16_t>(mode));
    ShowControl();
}

void frmB3DimmerOutput::cboPCDev_Click()
{
    if (const auto station = chosen(cboPCDev)) DimSetPCDev(iDDev, iDOut, *station);
}

void frmB3DimmerOutput::cboTarget_Click()
{
    if (const auto level = chosen(cboTarget)) DimSetTarget(iDDev, iDOut, *level);
}

void frmB3DimmerOutput::cboDMX_Click()
{
    if (const auto channel = chosen(cboDMX)) DimSetDMXChan(iDDev, iDOut, *channel);
}

void frmB3DimmerOutput::cmdCopyConfig_Click() { openCopyDialog("frmB3DimCopyCnf"); }

void frmB3DimmerOutput::cmdCopyControl_Click() { openCopyDialog("frmB3DimCopyCnt"); }

void frmB3DimmerOutput::openCopyDialog(const char* formName)
{
    const int16_t device = iDDev;
    const int16_t output = iDOut;
    // The dialog is modal but the poll timer still ticks under it: a lost panel
    // unloads the dialog and this form, so nothing of this form is touched after it.
    childForms::showModal(QString::fromLatin1(formName), [device, output](ChildForm* form) {
        auto* dialog = static_cast<DimCopyDialog*>(form);
        dialog->iCSrcDev = device;
        dialog->iCSrcOut = output;
    });
}
