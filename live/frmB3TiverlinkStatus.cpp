#include "live/frmB3TiverlinkStatus.h"

#include <QGroupBox>

#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "link/engine/panelCommands.h"
#include "link/panelPoll.h"
#include "platform/childFormRegistry.h"
#include "platform/stationList.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3TiverlinkStatus)

namespace {

constexpr unsigned int kPresenceColour = 0xFFFF00;
constexpr int kStationLampLeft = 1080;
constexpr int kStationOnLampLeft = 1560;

LiveFormOptions stationOptions()
{
    LiveFormOptions options;
    options.noConnectionLeft = 480;
    options.noConnectionTop = 360;
    options.pollWhenShownOverTcp = false;
    return options;
}

int stationRowTop(int row) { return 840 + 480 * row; }

QGroupBox* makeFrame(QWidget* parent, int width, int height)
{
    auto* frame = placed(new QGroupBox(QStringLiteral("Tiverlink Status"), parent), 3240, 600, width, height);
    frame->hide();
    return frame;
}

VbLabel* makePresenceLabel(QGroupBox* frame, int left)
{
    auto* label = placed(new VbLabel(frame), left, 360, 1455, 255);
    styleStateLabel(label);
    label->setBackColor(kPresenceColour);
    return label;
}

VbLabel* makeInputNumber(QGroupBox* frame, int row)
{
    auto* label = placed(new VbLabel(frame), 240, stationRowTop(row), 735, 255);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setCaption(QStringLiteral("Input %1").arg(row + 1));
    return label;
}

VbLabel* makeStationLamp(QGroupBox* frame, int row, int left, const QString& caption)
{
    auto* lamp = placed(new VbLabel(frame), left, stationRowTop(row), 495, 315);
    styleStateLabel(lamp);
    lamp->setCaption(caption);
    return lamp;
}

template <std::size_t N>
void makeInputRows(QGroupBox* frame, std::array<VbLabel*, N>& numbers, std::array<VbLabel*, N>& lamps)
{
    for (std::size_t k = 0; k < N; ++k) {
        numbers[k] = makeInputNumber(frame, static_cast<int>(k));
        lamps[k] = makeStationLamp(frame, static_cast<int>(k), kStationLampLeft, QString());
    }
}

QString deviceTypeText(int deviceType)
{
    switch (deviceType) {
    case 6: return QStringLiteral("6/7/8 Push Button");
    case 7: return QStringLiteral("4 Input");
    case 8: return QStringLiteral("8 Input");
    case 9: return QStringLiteral("PhotoCell");
    default: return QStringLiteral("%1 Push Button").arg(deviceType);
    }
}

QString lightLevelText(int level)
{
    return QStringLiteral("%1/255 (%2%)").arg(level).arg(VbIntDiv(int64_t{level} * 100, 255));
}

} // namespace

frmB3TiverlinkStatus::frmB3TiverlinkStatus()
    : LiveForm(QStringLiteral("frmB3TiverlinkStatus"), QStringLiteral("Tiverlink Status"), stationOptions())
{
    cboTLinkDevice = new VbComboBox(this);
    cboTLinkDevice->move(twipsToPixels(360), twipsToPixels(240));
    cboTLinkDevice->setFixedWidth(twipsToPixels(2535));
    connect(cboTLinkDevice, &VbComboBox::Click, this, [this] { cboTLinkDevice_Click(); });

    lblTLinkDeviceType = placed(new VbLabel(this), 3240, 240, 1935, 255);
    styleStateLabel(lblTLinkDeviceType);
    lblTLinkDeviceType->hide();

    // All four frames share one place; the device type decides which one shows.
    fraStatus16 = makeFrame(this, 1935, 3735);
    lblPresent16 = makePresenceLabel(fraStatus16, 240);
    makeInputRows(fraStatus16, lblInput16Number, lblInput16Status);
    for (std::size_t k = 0; k < lblInput16Number.size(); ++k) {
        lblInput16Number[k]->hide();
        lblInput16Status[k]->hide();
    }

    fraStatus8 = makeFrame(this, 1935, 4695);
    lblPresent8 = makePresenceLabel(fraStatus8, 240);
    makeInputRows(fraStatus8, lblInput8Number, lblInput8Status);

    fraStatus7 = makeFrame(this, 2295, 2775);
    lblPresent7 = makePresenceLabel(fraStatus7, 480);
    for (int j = 0; j < 4; ++j) {
        lblInput7Number[static_cast<std::size_t>(j)] = makeInputNumber(fraStatus7, j);
        lblInput7Status[static_cast<std::size_t>(2 * j)] = makeStationLamp(fraStatus7, j, kStationOnLampLeft, QStringLiteral("On"));
        lblInput7Status[static_cast<std::size_t>(2 * j + 1)] = makeStationLamp(fraStatus7, j, kStationLampLeft, QStringLiteral("Off"));
    }

    fraStatusF = makeFrame(this, 1935, 5535);
    lblPresentF = makePresenceLabel(fraStatusF, 240);
    makeInputRows(fraStatusF, lblInputFNumber, lblInputFStatus);
    lblLightLevelA = placed(new VbLabel(fraStatusF), 240, 4800, 1455, 255);
    styleStateLabel(lblLightLevelA);
    lblLightLevelA->setCaption(QStringLiteral("Light Level"));
    lblLightLevel = placed(new VbLabel(fraStatusF), 240, 5040, 1455, 315);
    styleStateLabel(lblLightLevel);
}

void frmB3TiverlinkStatus::showNotConnected()
{
    cboTLinkDevice->hide();
    Timer1->stop();
}

void frmB3TiverlinkStatus::showConnected()
{
    cboTLinkDevice->setItems(stationListEntries());
    cboTLinkDevice->setListIndex(iDeviceAddress);
    cboTLinkDevice->show();
}

void frmB3TiverlinkStatus::cboTLinkDevice_Click()
{
    const int position = cboTLinkDevice->ListIndex();
    if (position >= 0) iDeviceAddress = static_cast<int16_t>(position);
}

QGroupBox* frmB3TiverlinkStatus::frameOfType(int deviceType) const
{
    switch (deviceType) {
    case 6:
    case 8: return fraStatus8;
    case 7: return fraStatus7;
    case 9: return fraStatusF;
    default: return fraStatus16;
    }
}

VbLabel* frmB3TiverlinkStatus::presenceLabelOf(const QGroupBox* frame) const
{
    if (frame == fraStatus8) return lblPresent8;
    if (frame == fraStatus7) return lblPresent7;
    if (frame == fraStatusF) return lblPresentF;
    return lblPresent16;
}

void frmB3TiverlinkStatus::showFrame(QGroupBox* shown)
{
    for (QGroupBox* frame : {fraStatus16, fraStatus8, fraStatus7, fraStatusF}) frame->setVisible(frame == shown);
}

void frmB3TiverlinkStatus::ShowStatus()
{
    // One address and one device type for the whole poll: the list may change while a
    // reply is awaited, and one station's reply must not be shown under another.
    const int address = cboTLinkDevice->ListIndex();
    if (address < 0 || address >= kStationCount) return;
    // "Select Device" polls nothing, whatever a damaged station 0 record holds.
    const StationRecord* station = chosenStation(cboTLinkDevice);
    const int deviceType = station ? station->iDeviceType : 0;
    if (deviceType == 0) {
        showFrame(nullptr);
        lblTLinkDeviceType->hide();
        return;
    }
    if (deviceType < 1 || deviceType > 9) return;

    QGroupBox* frame = frameOfType(deviceType);
    showFrame(frame);
    lblTLinkDeviceType->setCaption(deviceTypeText(deviceType));
    lblTLinkDeviceType->show();
    if (deviceType <= 5) fraStatus16->resize(fraStatus16->width(), twipsToPixels(480 * deviceType + 855));

    if (!GetDeviceStatus(address)) return;
    showStationRows(deviceType, bDevicePresent != 0);
}

bool frmB3TiverlinkStatus::GetDeviceStatus(int address)
{
    const auto at = static_cast<std::size_t>(address);
    const auto inputs = QueryPanelBytes(this, panelCommand::ReadDeviceInputs(), kStationAddresses);
    if (!inputs) return false;
    for (int k = 0; k < 8; ++k) bInputOn[static_cast<std::size_t>(k)] = ((*inputs)[at] & (1 << k)) != 0 ? VbTrue : VbFalse;

    const auto presence = QueryPanelBytes(this, panelCommand::ReadDevicePresence(), kStationAddresses);
    if (!presence) return false;
    bDevicePresent = (*presence)[at] != 0 ? VbTrue : VbFalse;

    const auto levels = QueryPanelBytes(this, panelCommand::ReadDeviceLevels(), kStationAddresses);
    if (!levels) return false;
    iLightLevel = (*levels)[at];
    return true;
}

void frmB3TiverlinkStatus::paintOnOffRows(std::span<VbLabel* const> numbers, std::span<VbLabel* const> lamps, int shownRows)
{
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        const bool shown = static_cast<int>(k) < shownRows;
        numbers[k]->setVisible(shown);
        lamps[k]->setVisible(shown);
        if (shown) setOnOffLamp(lamps[k], bInputOn[k] != 0);
    }
}

void frmB3TiverlinkStatus::showStationRows(int deviceType, bool present)
{
    QGroupBox* frame = frameOfType(deviceType);
    presenceLabelOf(frame)->setCaption(present ? QStringLiteral("Connected") : QStringLiteral("No Response"));
    if (frame == fraStatus16) {
        paintOnOffRows(lblInput16Number, lblInput16Status, present ? deviceType : 0);
    } else if (frame == fraStatus8) {
        paintOnOffRows(lblInput8Number, lblInput8Status, present ? 8 : 0);
    } else if (frame == fraStatusF) {
        paintOnOffRows(lblInputFNumber, lblInputFStatus, present ? 8 : 0);
        lblLightLevelA->setVisible(present);
        lblLightLevel->setVisible(present);
        if (present) lblLightLevel->setCaption(lightLevelText(iLightLevel));
    } else {
        // Two lamps an input: bit 2j on its "On" lamp, bit 2j + 1 on its "Off" lamp;
        // only the colours change.
        for (VbLabel* number : lblInput7Number) number->setVisible(present);
        for (std::size_t k = 0; k < lblInput7Status.size(); ++k) {
            lblInput7Status[k]->setVisible(present);
            if (present) setLampColour(lblInput7Status[k], bInputOn[k] != 0);
        }
    }
}
