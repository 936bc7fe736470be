#pragma once
// The common body of the two input control forms: pick a local input, see its type,
// and set one action per target from the action list of that type. The relay form
// adds the preset of a Set Preset input; the group form has no more than this.

#include <cstdint>
#include <optional>

#include "core/vbTypes.h"
#include "editors/engine/inputActions.h"
#include "editors/gridEditor.h"
#include "platform/childForm.h"

class InputControlForm : public ChildForm {
    Q_OBJECT
public:
    void Form_Activate() override;
    void Form_Click() override;
    void cboInput_Click();
    void ShowControl();
    void lblControl_Click(int Index);
    void cboControl_Click();

    GridEditor grid;
    VbComboBox* cboInput;
    VbLabel* lblInputType;
    LabelArray lblControl;
    VbComboBox* cboControl;
    int16_t iCurrentRow = 0;
    int16_t iTopAction = 0;

protected:
    InputControlForm(const QString& formName, const QString& caption, InputControlTable table, ItemMatrix& matrix);

    // Shows or hides the preset list of the relay form.
    virtual void showPresetList(bool /*visible*/) {}
    // Selects the stored preset of `input` on the relay form.
    virtual void selectPreset(int /*input*/) {}

    LabelArray targetNames;

private:
    void showTargets(InputControlTargets targets);
    void showNoInput();

    InputControlTable table_;
    ItemMatrix& matrix_;
    // The action list of the shown input; none for a type that has no list.
    std::optional<ActionList> actions_;
};
