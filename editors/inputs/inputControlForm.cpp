#include "editors/inputs/inputControlForm.h"

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"

namespace {

constexpr int kSetPreset = 4;

} // namespace

InputControlForm::InputControlForm(const QString& formName, const QString& caption, InputControlTable table,
                                   ItemMatrix& matrix)
    : ActionGridForm(formName, caption, ActionGridPlace{}), table_(table), matrix_(matrix)
{
}

void InputControlForm::Form_Activate() { fillSelector(nameEntries(tConfig.sInputName, GetIOPointCount())); }

int16_t* InputControlForm::actionCode(int row)
{
    const int i = cboInput->ListIndex();
    return i < 0 ? nullptr : &matrix_(i, row);
}

ActionGridItem InputControlForm::shownItem()
{
    const int i = cboInput->ListIndex();
    if (i < 0) return {};
    const int type = tConfig.iInputType[i];
    return {cellText(kLocalInputTypeNames, type), localInputActions(type, table_), localInputTargets(type, table_),
            type == kSetPreset};
}

int16_t* InputControlForm::presetNumber()
{
    const int i = cboInput->ListIndex();
    return i < 0 ? nullptr : &tConfig.iInputPreset[i];
}
