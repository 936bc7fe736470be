#include "stations/stationInputControlForm.h"

#include "editors/engine/loadingFlag.h"
#include "platform/latin1.h"
#include "platform/stationList.h"
#include "stations/engine/stationActions.h"
#include "stations/engine/stationFamilies.h"

namespace {

constexpr int kStationListTop = 120;
constexpr int kInputListTop = 480;

} // namespace

StationInputControlForm::StationInputControlForm(const QString& formName, const QString& caption,
                                                 InputControlTable table)
    : ActionGridForm(formName, caption, ActionGridPlace{kStationListTop}), table_(table)
{
    lblDeviceType = typeLabel;
    const SelectorRow inputRow = addSelectorRow(kInputListTop, true);
    cboInput = inputRow.list;
    lblInputType = inputRow.caption;
    typeLabel = lblInputType;
    connect(cboInput, &VbComboBox::Click, this, &StationInputControlForm::cboInput_Click);
}

void StationInputControlForm::Form_Activate()
{
    {
        const LoadingScope loading(bLoading);
        cboTiverlinkDevice->setItems(stationListEntries());
        fillPresetList();
        cboInput->setItems({QStringLiteral(".")});
        cboInput->setListIndex(0);
        cboTiverlinkDevice->setListIndex(0);
    }
    fillInputList();
    showItem();
}

void StationInputControlForm::fillInputList()
{
    const StationRecord& station = shownStation(cboTiverlinkDevice);
    lblDeviceType->setCaption(toQ(StationDeviceTypeCaption(station.iDeviceType)));
    const int inputs = StationInputsShown(station.iDeviceType);
    if (inputs == 0) {
        cboInput->hide();
        lblInputType->hide();
        return;
    }
    QStringList entries;
    for (int k = 0; k < inputs; ++k) entries << toQ(StationInputName(fromQ(cboTiverlinkDevice->currentText()), k));
    cboInput->setItems(entries);
    cboInput->setListIndex(0);
    cboInput->show();
    lblInputType->show();
}

ActionGridItem StationInputControlForm::shownItem()
{
    const int k = cboInput->ListIndex();
    if (k < 0) return {};
    const StationRecord& station = shownStation(cboTiverlinkDevice);
    const int16_t type = station.iInputType[static_cast<std::size_t>(k)];
    return {toQ(StationInputTypeCaption(station.iDeviceType, type)),
            stationInputActions(station.iDeviceType, type, table_),
            stationInputTargets(station.iDeviceType, type, table_),
            stationInputSetsPreset(station.iDeviceType, type)};
}

int16_t* StationInputControlForm::actionCode(int row)
{
    const int k = cboInput->ListIndex();
    if (k < 0) return nullptr;
    StationRecord& station = shownStation(cboTiverlinkDevice);
    return table_ == InputControlTable::Relays ? &station.iRelayAction(k, row) : &station.iGroupAction(k, row);
}

int16_t* StationInputControlForm::presetNumber()
{
    const int k = cboInput->ListIndex();
    return k < 0 ? nullptr : &shownStation(cboTiverlinkDevice).iPresetNumber[static_cast<std::size_t>(k)];
}
