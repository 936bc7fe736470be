#pragma once
// The two local input control forms on the action grid: pick a local input, see its
// type, and set one action per target from the action list of that type. The relay
// form adds the preset of a Set Preset input.

#include "editors/actionGridForm.h"

class InputControlForm : public ActionGridForm {
    Q_OBJECT
public:
    void Form_Activate() override;

    VbComboBox*& cboInput{selector};
    VbLabel*& lblInputType{typeLabel};

protected:
    InputControlForm(const QString& formName, const QString& caption, InputControlTable table, ItemMatrix& matrix);

    int16_t* actionCode(int row) override;
    ActionGridItem shownItem() override;
    int16_t* presetNumber() override;

private:
    InputControlTable table_;
    ItemMatrix& matrix_;
};
