#include "editors/relays/frmB3RelayOutputOptions.h"

#include "core/modB3Glimwarden.h"
#include "core/itemTexts.h"
#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3RelayOutputOptions)

namespace {

constexpr CellLook kHeaderLook{1095, 0xFFFF00, Qt::AlignCenter, false};
// The power-on cells stand 20 twips right of their header: at the header's width the
// third column's cells, and the list dropped over them, would run past the form's
// right edge. They end with the header instead.
constexpr int kPowerOnHeaderLeft = 2520;
constexpr int kPowerOnLeft = 2540;
constexpr int kPowerOnWidth = kPowerOnHeaderLeft + kHeaderLook.width - kPowerOnLeft;

} // namespace

frmB3RelayOutputOptions::frmB3RelayOutputOptions()
    : ChildForm(QStringLiteral("frmB3RelayOutputOptions")), grid(this, GridGeometry{420})
{
    setCaption(QStringLiteral("Relay Output Options"));
    setTwipsSize(10815, 7335);

    lblRelayName = grid.addCells(120, CellLook{1335, 0xC0C0C0});
    lblTimerType = grid.addCells(1455, CellLook{1095});
    lblPowerOnType = grid.addCells(kPowerOnLeft, CellLook{kPowerOnWidth});
    setToolTips(lblRelayName, "Relay ", grid.rows());
    lblTimerTypeHeater = grid.addHeaders(QStringLiteral("Timers"), 1440, 120, kHeaderLook);
    lblPowerUpHeader = grid.addHeaders(QStringLiteral("PowerOn"), kPowerOnHeaderLeft, 120, kHeaderLook);
    cboNewTimerType = grid.addList(1095, listEntries(kRelayTimerTypeNames));
    cboNewPowerOnType = grid.addList(kPowerOnWidth, listEntries(kRelayPowerOnTypeNames));

    connectArray(lblTimerType, &VbLabel::Click, [this](int i) { lblTimerType_Click(i); });
    connectArray(lblPowerOnType, &VbLabel::Click, [this](int i) { lblPowerOnType_Click(i); });
    onMouseDown(lblRelayName, [this](int i, int button, int shift) { lblRelayName_MouseDown(i, button, shift); });
    connect(cboNewTimerType, &VbComboBox::Click, this, &frmB3RelayOutputOptions::cboNewTimerType_Click);
    connect(cboNewPowerOnType, &VbComboBox::Click, this, &frmB3RelayOutputOptions::cboNewPowerOnType_Click);
}

void frmB3RelayOutputOptions::Form_Activate()
{
    const int count = GetIOPointCount();
    setCaptions(lblRelayName, tConfig.sRelayName, count);
    showRows({&lblRelayName, &lblTimerType, &lblPowerOnType}, count);
    showHeaders(lblTimerTypeHeater, count);
    showHeaders(lblPowerUpHeader, count);
    ShowRelayConfiguration();
}

void frmB3RelayOutputOptions::Form_Click() { grid.hideLists(); }

void frmB3RelayOutputOptions::ShowRelayConfiguration()
{
    for (int i = 0; i < GetIOPointCount(); ++i) {
        lblTimerType[i]->setCaption(cellText(kRelayTimerTypeNames, tConfig.iRelayTimerType[i]));
        lblPowerOnType[i]->setCaption(cellText(kRelayPowerOnTypeNames, tConfig.iRelayPowerOnType[i]));
    }
}

void frmB3RelayOutputOptions::lblTimerType_Click(int Index)
{
    iCurrentRow = static_cast<int16_t>(Index);
    grid.openList(cboNewTimerType, lblTimerType[Index], tConfig.iRelayTimerType[Index]);
}

void frmB3RelayOutputOptions::lblPowerOnType_Click(int Index)
{
    iCurrentRow = static_cast<int16_t>(Index);
    grid.openList(cboNewPowerOnType, lblPowerOnType[Index], tConfig.iRelayPowerOnType[Index]);
}

void frmB3RelayOutputOptions::cboNewTimerType_Click()
{
    storeChosenEntry(
        cboNewTimerType, [this](int16_t code) { tConfig.iRelayTimerType[iCurrentRow] = code; },
        [this] { ShowRelayConfiguration(); });
}

void frmB3RelayOutputOptions::cboNewPowerOnType_Click()
{
    storeChosenEntry(
        cboNewPowerOnType, [this](int16_t code) { tConfig.iRelayPowerOnType[iCurrentRow] = code; },
        [this] { ShowRelayConfiguration(); });
}

void frmB3RelayOutputOptions::lblRelayName_MouseDown(int Index, int Button, int Shift)
{
    grid.hideLists();
    if (isRowZeroCopy(Index, Button, Shift)) {
        for (int r = 0; r < GetIOPointCount(); ++r) {
            tConfig.iRelayTimerType[r] = tConfig.iRelayTimerType[0];
            tConfig.iRelayPowerOnType[r] = tConfig.iRelayPowerOnType[0];
        }
    }
    ShowRelayConfiguration();
    bChanged = VbTrue;
}
