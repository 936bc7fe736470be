#include "stations/frmB3ConfigureTiverlinkDevices.h"

#include <QGroupBox>

#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/stationList.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3ConfigureTiverlinkDevices)

namespace {

constexpr int kFrameLeft = 240;
constexpr int kFrameTop = 600;
constexpr int kFrameWidth = 4575;
constexpr int kPhotocellFrameWidth = 7935;
constexpr int kEightRowsHeight = 8 * 480 + 615;
constexpr int kInputs = 8;
constexpr int kLevelMax = 255;

// The four frames share one place; the device type decides which one shows.
void placeFrame(QGroupBox* frame, int width, int height) { placed(frame, kFrameLeft, kFrameTop, width, height)->hide(); }

// A frame as high as its rows: t x 480 + 615 twips for t rows.
void setFrameRows(QGroupBox* frame, int rows) { frame->resize(frame->width(), twipsToPixels(rows * 480 + 615)); }

} // namespace

frmB3ConfigureTiverlinkDevices::frmB3ConfigureTiverlinkDevices()
    : ChildForm(QStringLiteral("frmB3ConfigureTiverlinkDevices")),
      input16(this, QStringLiteral("Tiverlink Configuration - Push Button"), StationFamily::PushButton, kInputs),
      input7(this, QStringLiteral("Tiverlink Configuration - 4 Input"), StationFamily::FourInput, 4),
      input8(this, QStringLiteral("Tiverlink Configuration - 8 Input"), StationFamily::EightInput, kInputs),
      fraConfigTLinkDeviceF(new QGroupBox(QStringLiteral("Tiverlink Configuration - Photocell"), this)),
      photocellGrid(fraConfigTLinkDeviceF, GridGeometry{.firstTop = 360, .linePitch = 480, .linesPerColumn = 8, .rows = kInputs})
{
    setCaption(QStringLiteral("Configure Tiverlink Devices"));
    setTwipsSize(8415, 5295);

    cboTLinkDevice = placed(new VbComboBox(this), 240, 120, 2175, 315);
    cboTLinkType = placed(new VbComboBox(this), 2520, 120, 1935, 315);
    cboTLinkType->setItems(listEntries(kStationDeviceTypeNames));
    connect(cboTLinkDevice, &VbComboBox::Click, this, &frmB3ConfigureTiverlinkDevices::cboTLinkDevice_Click);
    connect(cboTLinkType, &VbComboBox::Click, this, &frmB3ConfigureTiverlinkDevices::cboTLinkType_Click);

    for (SwitchInputFrame* inputs : {&input16, &input7, &input8}) {
        placeFrame(inputs->frame, kFrameWidth, kEightRowsHeight);
        for (int i = 0; i < static_cast<int>(inputs->cboType.size()); ++i)
            connect(inputs->cboType[i], &VbComboBox::Click, this, [this, inputs, i] { cboInputType_Click(*inputs, i); });
        connectArray(inputs->lblTimedOn, &VbLabel::Click, [this, inputs](int i) { lblInputTimedOn_Click(*inputs, i); });
        connect(inputs->cboNewTime, &VbComboBox::Click, this, [this, inputs] { cboInputNewTime_Click(*inputs); });
    }
    setFrameRows(fraConfigTLinkDevice7, 4);

    placeFrame(fraConfigTLinkDeviceF, kPhotocellFrameWidth, kEightRowsHeight);
    lblInputFNumber = photocellGrid.addCells(120, CellLook{735, 0xC0C0C0, Qt::AlignLeft | Qt::AlignVCenter, false});
    for (int i = 0; i < kInputs; ++i) lblInputFNumber[i]->setCaption(QStringLiteral("Input %1").arg(i + 1));
    lblInputFOffLevel = photocellGrid.addCells(960, CellLook{1815});
    hsInputFOffLevel = addLevelBars(2880, &frmB3ConfigureTiverlinkDevices::hsInputFOffLevel_Change);
    lblInputFOnLevel = photocellGrid.addCells(4455, CellLook{1815});
    hsInputFOnLevel = addLevelBars(6375, &frmB3ConfigureTiverlinkDevices::hsInputFOnLevel_Change);
    showRows({&lblInputFNumber, &lblInputFOffLevel, &lblInputFOnLevel}, kInputs);
}

std::vector<VbHScrollBar*> frmB3ConfigureTiverlinkDevices::addLevelBars(int left,
                                                                         void (frmB3ConfigureTiverlinkDevices::*store)(int))
{
    std::vector<VbHScrollBar*> bars;
    for (int i = 0; i < kInputs; ++i) {
        auto* bar = placed(new VbHScrollBar(fraConfigTLinkDeviceF), left, photocellGrid.top(i), 1455, 255);
        bar->setRange(0, kLevelMax);
        bar->setPageStep(16);
        connect(bar, &VbHScrollBar::Change, this, [this, store, i] { (this->*store)(i); });
        connect(bar, &VbHScrollBar::Scroll, this, [this, store, i] { (this->*store)(i); });
        bars.push_back(bar);
    }
    return bars;
}

void frmB3ConfigureTiverlinkDevices::Form_Activate()
{
    cboTLinkDevice->setItems(stationListEntries());
    cboTLinkDevice->setListIndex(iSelectedDevice);
    ShowConfiguration();
    hideMinuteLists();
}

// Only the push-button frame's list closes on a background click.
void frmB3ConfigureTiverlinkDevices::Form_Click() { cboInput16NewTime->hide(); }

void frmB3ConfigureTiverlinkDevices::hideMinuteLists()
{
    for (const SwitchInputFrame* inputs : {&input16, &input7, &input8}) inputs->cboNewTime->hide();
}

void frmB3ConfigureTiverlinkDevices::cboTLinkDevice_Click()
{
    const int position = cboTLinkDevice->ListIndex();
    if (position < 0) return;
    iSelectedDevice = static_cast<int16_t>(position);
    // An open minute list belongs to the station shown before.
    hideMinuteLists();
    ShowConfiguration();
}

void frmB3ConfigureTiverlinkDevices::cboTLinkType_Click()
{
    StationRecord* station = chosenStation(cboTLinkDevice);
    const int type = cboTLinkType->ListIndex();
    if (!station || type < 0) return;
    station->iDeviceType = static_cast<int16_t>(type);
    hideMinuteLists();
    ShowConfiguration();
    bChanged = VbTrue;
}

void frmB3ConfigureTiverlinkDevices::showFrame(QGroupBox* shown)
{
    for (QGroupBox* frame : {fraConfigTLinkDevice16, fraConfigTLinkDevice7, fraConfigTLinkDevice8, fraConfigTLinkDeviceF})
        frame->setVisible(frame == shown);
}

void frmB3ConfigureTiverlinkDevices::ShowConfiguration()
{
    StationRecord* station = chosenStation(cboTLinkDevice);
    if (!station) {
        showFrame(nullptr);
        cboTLinkType->hide();
        return;
    }
    cboTLinkType->show();
    cboTLinkType->setListIndex(station->iDeviceType);

    const int16_t type = station->iDeviceType;
    const int inputs = StationInputsShown(type);
    switch (StationFamilyOf(type)) {
    case StationFamily::PushButton:
        setFrameRows(fraConfigTLinkDevice16, inputs);
        showFrame(fraConfigTLinkDevice16);
        input16.showInputs(*station, inputs);
        break;
    case StationFamily::FourInput:
        showFrame(fraConfigTLinkDevice7);
        input7.showInputs(*station, inputs);
        break;
    case StationFamily::EightInput:
        showFrame(fraConfigTLinkDevice8);
        input8.showInputs(*station, inputs);
        break;
    case StationFamily::Photocell:
        showFrame(fraConfigTLinkDeviceF);
        showPhotocellLevels(*station);
        break;
    case StationFamily::None: showFrame(nullptr); break;
    }
}

void frmB3ConfigureTiverlinkDevices::showPhotocellLevels(StationRecord& station)
{
    for (int i = 0; i < kInputs; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lblInputFOffLevel[i]->setCaption(toQ(PhotocellLevelCaption("Off", station.iOffLevel[k])));
        lblInputFOnLevel[i]->setCaption(toQ(PhotocellLevelCaption("On", station.iOnLevel[k])));
        hsInputFOffLevel[k]->setValue(station.iOffLevel[k]);
        hsInputFOnLevel[k]->setValue(station.iOnLevel[k]);
    }
}

void frmB3ConfigureTiverlinkDevices::cboInputType_Click(SwitchInputFrame& inputs, int Index)
{
    StationRecord* station = chosenStation(cboTLinkDevice);
    const int type = inputs.cboType[Index]->ListIndex();
    if (!station || type < 0) return;
    station->iInputType[static_cast<std::size_t>(Index)] = static_cast<int16_t>(type);
    ShowConfiguration();
    bChanged = VbTrue;
}

void frmB3ConfigureTiverlinkDevices::lblInputTimedOn_Click(SwitchInputFrame& inputs, int Index)
{
    StationRecord* station = chosenStation(cboTLinkDevice);
    if (!station) return;
    iSelectedInput = static_cast<int16_t>(Index);
    inputs.openMinutes(Index, station->lTimedOnMinutes[static_cast<std::size_t>(Index)]);
}

void frmB3ConfigureTiverlinkDevices::cboInputNewTime_Click(SwitchInputFrame& inputs)
{
    StationRecord* station = chosenStation(cboTLinkDevice);
    const int position = inputs.cboNewTime->ListIndex();
    if (!station || position < 0) return;
    station->lTimedOnMinutes[static_cast<std::size_t>(iSelectedInput)] = SwitchInputFrame::minutesAt(position);
    inputs.cboNewTime->hide();
    ShowConfiguration();
    bChanged = VbTrue;
}

void frmB3ConfigureTiverlinkDevices::hsInputFOffLevel_Change(int Index)
{
    storeLevel(&StationRecord::iOffLevel, hsInputFOffLevel, Index);
}

void frmB3ConfigureTiverlinkDevices::hsInputFOnLevel_Change(int Index)
{
    storeLevel(&StationRecord::iOnLevel, hsInputFOnLevel, Index);
}

void frmB3ConfigureTiverlinkDevices::storeLevel(StationInputArray StationRecord::*level,
                                                const std::vector<VbHScrollBar*>& bars, int Index)
{
    StationRecord* station = chosenStation(cboTLinkDevice);
    if (!station) return;
    (station->*level)[static_cast<std::size_t>(Index)] = static_cast<int16_t>(bars[Index]->Value());
    ShowConfiguration();
    bChanged = VbTrue;
}
