#include "live/frmB3CapturePresets.h"

#include <QPushButton>

#include "core/modB3Glimwarden.h"
#include "link/engine/panelCommands.h"
#include "link/panelPoll.h"
#include "link/panelDoor.h"
#include "platform/childFormRegistry.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3CapturePresets)

namespace {
constexpr int kCaptureLeft = 3120;
constexpr int kCaptureWidth = 615;

LiveFormOptions capturePresetsOptions()
{
    LiveFormOptions options;
    options.noConnectionText = QStringLiteral("Not Connected To Brevantine II");
    // The third column's capture buttons end past the other live forms' width, and a
    // button narrow enough to end inside it would cut "Capture": the form is wider.
    options.widthTwips = kLiveRowGrid.left(kLiveRows - 1, kCaptureLeft) + kCaptureWidth;
    return options;
}
constexpr int16_t kPresetRelayOn = 1;
constexpr int16_t kPresetRelayOff = 2;
} // namespace

frmB3CapturePresets::frmB3CapturePresets()
    : LiveForm(QStringLiteral("frmB3CapturePresets"), QStringLiteral("Capture Presets"), capturePresetsOptions())
{
    for (int i = 0; i < kLiveRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        lblPresetName[at] = makeRowNameLabel(this, i, QStringLiteral("Preset "));
        lblPresetStatus[at] = makeRowLamp(this, i, 1920, QString(), kLampOffColour);
        cmdSet[at] = makeRowButton(this, i, 2400, QStringLiteral("Set"));
        cmdCapture[at] = makeRowButton(this, i, kCaptureLeft, QStringLiteral("Capture"), kCaptureWidth);
        connect(cmdSet[at], &QPushButton::clicked, this, [this, i] { cmdSet_Click(i); });
        connect(cmdCapture[at], &QPushButton::clicked, this, [this, i] { cmdCapture_Click(i); });
        addRowControls(i, {lblPresetName[at], lblPresetStatus[at], cmdSet[at], cmdCapture[at]});
    }
}

void frmB3CapturePresets::showConnected() { showNamedRows(kLiveRows, tConfig.sPresetName, lblPresetName); }

void frmB3CapturePresets::ShowPresetStatus()
{
    const auto page = QueryItemPage(this, panelCommand::ReadPresetStatus());
    if (!page) return;
    for (int p = 0; p < kLiveRows; ++p) {
        const auto at = static_cast<std::size_t>(p);
        const ItemState state = DefinableItemState((*page)[at]);
        cmdSet[at]->setVisible(state != ItemState::NotDefined);
        setDefinableLamp(lblPresetStatus[at], state, QStringLiteral("Set"));
    }
}

void frmB3CapturePresets::cmdSet_Click(int Index)
{
    SendClickCommand(this, panelCommand::SetPreset(Index));
}

void frmB3CapturePresets::cmdCapture_Click(int Index)
{
    // Its result does not matter, but a capture that could not be sent reads nothing.
    const PanelExchange capture = ExchangeWithPanel(this, panelCommand::CapturePreset(Index));
    if (capture.answer == PanelAnswer::Refused || !capture.ownerAlive) return;
    const auto relays = QueryItemPage(this, panelCommand::ReadRelayStatus());
    if (!relays) return;
    const int count = GetIOPointCount();
    for (int r = 0; r < count; ++r)
        tConfig.iPresetRelayState(Index, r) = RelayCharIsOn((*relays)[static_cast<std::size_t>(r)]) ? kPresetRelayOn : kPresetRelayOff;
    bChanged = VbTrue;
}
