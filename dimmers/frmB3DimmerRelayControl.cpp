#include "dimmers/frmB3DimmerRelayControl.h"

#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "dimmers/engine/dimmerLists.h"
#include "editors/engine/loadingFlag.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/twips.h"

B3_REGISTER_CHILD_FORM(frmB3DimmerRelayControl)

namespace {

constexpr unsigned int kIncludedColour = 0xC0FFFF;
constexpr unsigned int kExcludedColour = 0xE0E0E0;

VbComboBox* listAt(QWidget* parent, int left, int width, const ListEntries& entries)
{
    auto* list = placed(new VbComboBox(parent), left, 120, width, 315);
    list->setItems(toQList(entries));
    return list;
}

} // namespace

frmB3DimmerRelayControl::frmB3DimmerRelayControl()
    : ChildForm(QStringLiteral("frmB3DimmerRelayControl")),
      frmConfig(placed(new QGroupBox(QStringLiteral("Relays Controlled"), this), 120, 600, 8280, 6360)),
      grid(frmConfig, GridGeometry{480, 2700})
{
    setCaption(QStringLiteral("Dimmer Output / Relay Control"));
    setTwipsSize(8520, 7080);
    cboDDev = listAt(this, 120, 2895, DimmerDeviceEntries());
    cboDOut = listAt(this, 3120, 1455, DimmerOutputEntries());
    cboOnLevel = listAt(this, 4680, 1575, PercentEntries("On Level: "));
    cboOffLevel = listAt(this, 6360, 1575, PercentEntries("Off Level: "));
    imgInclude = grid.addPictures(320);
    lblRelayName = grid.addCells(560, CellLook{2055, kExcludedColour, Qt::AlignLeft | Qt::AlignVCenter, false, 255});

    connect(cboDDev, &VbComboBox::Click, this, &frmB3DimmerRelayControl::cboDDev_Click);
    connect(cboDOut, &VbComboBox::Click, this, &frmB3DimmerRelayControl::cboDOut_Click);
    connect(cboOnLevel, &VbComboBox::Click, this, &frmB3DimmerRelayControl::cboOnLevel_Click);
    connect(cboOffLevel, &VbComboBox::Click, this, &frmB3DimmerRelayControl::cboOffLevel_Click);
    // A double click arrives as Click then DblClick: two clicks, as the user made them.
    for (const LabelArray* cells : {&imgInclude, &lblRelayName}) {
        onMouseDown(*cells, [this](int i, int, int shift) { relay_MouseDown(i, shift); });
        connectArray(*cells, &VbLabel::Click, [this](int i) { IncCnt(i); });
        connectArray(*cells, &VbLabel::DblClick, [this](int i) { IncCnt(i); });
    }
}

void frmB3DimmerRelayControl::Form_Activate()
{
    cboDDev->setListIndex(0);
    cboDOut->setListIndex(0);
    iDDev = 0;
    iDOut = 0;
    // Every relay is listed, whatever the number installed.
    for (int r = 0; r < grid.rows(); ++r) {
        const std::string& name = tConfig.sRelayName[r];
        lblRelayName[r]->setCaption(toQ(" " + name));
        lblRelayName[r]->setToolTip(toQ("Relay " + Format00(r + 1) + " : " + name));
    }
    showRows({&imgInclude, &lblRelayName}, grid.rows());
    ShowControl();
}

void frmB3DimmerRelayControl::ShowControl()
{
    const LoadingScope loading(bLoading);
    const bool enabled = DimGetDevEnabled(iDDev) != 0;
    for (QWidget* control : std::initializer_list<QWidget*>{cboDOut, cboOnLevel, cboOffLevel, frmConfig})
        control->setVisible(enabled);
    cboOnLevel->setListIndex(DimGetRelayOnLevel(iDDev, iDOut));
    cboOffLevel->setListIndex(DimGetRelayOffLevel(iDDev, iDOut));
    for (int16_t r = 0; r < grid.rows(); ++r) {
        const bool included = DimGetRelayIncluded(iDDev, iDOut, r) != 0;
        showFlag(imgInclude[r], included);
        lblRelayName[r]->setBackColor(included ? kIncludedColour : kExcludedColour);
    }
}

void frmB3DimmerRelayControl::cboDDev_Click()
{
    if (cboDDev->ListIndex() < 0) return;
    iDDev = static_cast<int16_t>(cboDDev->ListIndex());
    ShowControl();
}

void frmB3DimmerRelayControl::cboDOut_Click()
{
    if (bLoading || cboDOut->ListIndex() < 0) return;
    iDOut = static_cast<int16_t>(cboDOut->ListIndex());
    ShowControl();
}

void frmB3DimmerRelayControl::cboOnLevel_Click()
{
    if (bLoading || cboOnLevel->ListIndex() < 0) return;
    DimSetRelayOnLevel(iDDev, iDOut, static_cast<int16_t>(cboOnLevel->ListIndex()));
}

void frmB3DimmerRelayControl::cboOffLevel_Click()
{
    if (bLoading || cboOffLevel->ListIndex() < 0) return;
    DimSetRelayOffLevel(iDDev, iDOut, static_cast<int16_t>(cboOffLevel->ListIndex()));
}

void frmB3DimmerRelayControl::relay_MouseDown(int, int Shift) { iClickShift = static_cast<int16_t>(Shift); }

void frmB3DimmerRelayControl::IncCnt(int iInCnt)
{
    ::IncCnt(
        run, static_cast<int16_t>(iInCnt), iClickShift,
        [this](int16_t r) { return DimGetRelayIncluded(iDDev, iDOut, r); },
        [this](int16_t r, int16_t flag) { DimSetRelayIncluded(iDDev, iDOut, r, flag); });
    ShowControl();
}
