#include "editors/relays/frmB3RelayGrouping.h"

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3RelayGrouping)

namespace {

constexpr CellState kMember{"Yes", 0xFFFFFF};
constexpr CellState kNotMember{"No", 0x808080};

} // namespace

frmB3RelayGrouping::frmB3RelayGrouping()
    : ChildForm(QStringLiteral("frmB3RelayGrouping")), grid(this, GridGeometry{960})
{
    setCaption(QStringLiteral("Relay Grouping"));
    setTwipsSize(10815, 7335);

    cboGroup = grid.addSelector(240, 240, 2175);
    lblRelayName = grid.addCells(480, CellLook{1335, 0xE0E0E0});
    lblInclude = grid.addCells(1815, CellLook{495, 0xE0E0E0, Qt::AlignCenter});
    setToolTips(lblRelayName, "Relay ", grid.rows());

    connect(cboGroup, &VbComboBox::Click, this, &frmB3RelayGrouping::cboGroup_Click);
    connectToggles(lblInclude, [this](int i) { lblInclude_Click(i); });
    onMouseDown(lblRelayName, [this](int i, int button, int shift) { lblRelayName_MouseDown(i, button, shift); });
}

void frmB3RelayGrouping::Form_Activate()
{
    const int count = GetIOPointCount();
    setCaptions(lblRelayName, tConfig.sRelayName, count);
    showRows({&lblRelayName, &lblInclude}, count);
    cboGroup->setItems(nameEntries(tConfig.sGroupName, 48));
    cboGroup->setListIndex(0);
    ShowGroupConfiguration();
}

void frmB3RelayGrouping::ShowGroupConfiguration()
{
    const int g = cboGroup->ListIndex();
    if (g < 0) return;
    for (int r = 0; r < GetIOPointCount(); ++r)
        paintCell(lblInclude[r], tConfig.bRelayInGroup(g, r) ? kMember : kNotMember);
}

void frmB3RelayGrouping::cboGroup_Click() { ShowGroupConfiguration(); }

void frmB3RelayGrouping::lblInclude_Click(int Index)
{
    const int g = cboGroup->ListIndex();
    if (g < 0) return;
    tConfig.bRelayInGroup(g, Index) = static_cast<int16_t>(~tConfig.bRelayInGroup(g, Index));
    bChanged = VbTrue;
    ShowGroupConfiguration();
}

void frmB3RelayGrouping::lblRelayName_MouseDown(int Index, int Button, int Shift)
{
    const int g = cboGroup->ListIndex();
    if (g >= 0 && isRowZeroCopy(Index, Button, Shift)) copyRowZero(tConfig.bRelayInGroup, g, GetIOPointCount());
    bChanged = VbTrue;
    ShowGroupConfiguration();
}
