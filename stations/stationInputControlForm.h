#pragma once
// The two station input control forms on the action grid: pick a station, then one of
// its inputs, see the device and input types, and set one action per relay (or timer)
// or group from the action list of the input's type. The relay form adds the preset
// of a Set Preset input.
//
// The forms keep a loading flag: the selections made while the lists are filled do
// not act. "Select Device" shows an empty station (no type, preset 0), never station
// 0's record.

#include <cstdint>

#include "editors/actionGridForm.h"

class StationInputControlForm : public ActionGridForm {
    Q_OBJECT
public:
    void Form_Activate() override;
    void cboTiverlinkDevice_Click() { selector_Click(); }
    void cboInput_Click() { itemList_Click(); }

    VbComboBox*& cboTiverlinkDevice{selector};
    VbLabel* lblDeviceType;
    VbComboBox* cboInput;
    VbLabel* lblInputType;

protected:
    StationInputControlForm(const QString& formName, const QString& caption, InputControlTable table);

    int16_t* actionCode(int row) override;
    ActionGridItem shownItem() override;
    int16_t* presetNumber() override;
    // ShowDeviceType: the device caption and the station's inputs, or no input list;
    // the list then keeps its entries, on which nothing acts.
    void fillInputList() override;

private:
    InputControlTable table_;
};
