#include "editors/relays/frmB3EditPresets.h"

#include <array>

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3EditPresets)

namespace {

constexpr std::array<CellState, 3> kRelayStates{{{"-", 0xC0C0C0}, {"On", 0xFFFFFF}, {"Off", 0x808080}}};
constexpr int kOn = 1;
// A state no list has (damaged file, upload) shows as an empty "no action" cell.
constexpr CellState kUnknownState{"", 0xC0C0C0};

bool isRelayState(int state) { return state >= 0 && state < static_cast<int>(kRelayStates.size()); }

} // namespace

frmB3EditPresets::frmB3EditPresets() : ChildForm(QStringLiteral("frmB3EditPresets")), grid(this, GridGeometry{840})
{
    setCaption(QStringLiteral("Edit Presets"));
    setTwipsSize(10815, 7335);

    cboPresetNumber = grid.addSelector(240, 240, 2175);
    lblRelayName = grid.addCells(240, CellLook{1575, 0xE0E0E0});
    lblRelayControl = grid.addCells(1920, CellLook{375, 0xC0C0C0, Qt::AlignCenter});
    setToolTips(lblRelayName, "Relay ", grid.rows());

    connect(cboPresetNumber, &VbComboBox::Click, this, &frmB3EditPresets::cboPresetNumber_Click);
    connectToggles(lblRelayControl, [this](int i) { lblRelayControl_Click(i); });
    onMouseDown(lblRelayName, [this](int i, int button, int shift) { lblRelayName_MouseDown(i, button, shift); });
}

void frmB3EditPresets::Form_Activate()
{
    const int count = GetIOPointCount();
    cboPresetNumber->setItems(nameEntries(tConfig.sPresetName, 48));
    setCaptions(lblRelayName, tConfig.sRelayName, count);
    showRows({&lblRelayName, &lblRelayControl}, count);
    cboPresetNumber->setListIndex(0);
    ShowRelayControl();
}

void frmB3EditPresets::ShowRelayControl()
{
    const int p = cboPresetNumber->ListIndex();
    if (p < 0) return;
    for (int r = 0; r < GetIOPointCount(); ++r) {
        const int state = tConfig.iPresetRelayState(p, r);
        paintCell(lblRelayControl[r], isRelayState(state) ? kRelayStates[state] : kUnknownState);
    }
}

void frmB3EditPresets::cboPresetNumber_Click() { ShowRelayControl(); }

void frmB3EditPresets::lblRelayControl_Click(int Index)
{
    const int p = cboPresetNumber->ListIndex();
    if (p < 0) return;
    int16_t& state = tConfig.iPresetRelayState(p, Index);
    state = static_cast<int16_t>(isRelayState(state) ? (state + 1) % kRelayStates.size() : kOn);
    ShowRelayControl();
    bChanged = VbTrue;
}

void frmB3EditPresets::lblRelayName_MouseDown(int Index, int Button, int Shift)
{
    const int p = cboPresetNumber->ListIndex();
    if (p >= 0 && isRowZeroCopy(Index, Button, Shift)) copyRowZero(tConfig.iPresetRelayState, p, GetIOPointCount());
    ShowRelayControl();
    bChanged = VbTrue;
}
