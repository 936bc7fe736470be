#pragma once
// The body every action table shares (local inputs, timers, station inputs): a
// selector picks the item whose row of codes is shown (the station forms put their
// input list below it), each target row shows its code as the text of an action list,
// a click on a cell drops that list over it, and a pick stores the code.
//
// A form gives the place of its selector and, through the hooks below, where the codes
// are stored, the type caption, the action list and the target rows of the item
// picked. Every selector, the preset list included, raises Click by code as by hand
// (VB rules, editors/gridEditor.h); a form that must not act on the selections it
// makes while filling itself holds bLoading with a LoadingScope.

#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/vbTypes.h"
#include "editors/engine/inputActions.h"
#include "editors/gridEditor.h"
#include "platform/childForm.h"

// What the item picked in the selectors shows.
struct ActionGridItem {
    QString typeCaption;                 // on the type label, when the form has one
    std::optional<ActionList> actions;   // none: no list, empty cells, nothing clamped, clicks ignored
    ActionTargets targets = ActionTargets::None;
    bool showsPreset = false;            // the preset list, on forms that have one
};

struct ActionGridPlace {
    int selectorTop = 360;
    // A grey type caption beside the selector; the timer tables have none.
    bool hasTypeCaption = true;
    // Codes above the list's top action are lowered to it when shown or opened.
    bool clampsToTopAction = true;
};

class ActionGridForm : public ChildForm {
    Q_OBJECT
public:
    void Form_Click() override;
    // Writes every cell (hidden rows too) from the stored codes, clamping them first
    // where the form clamps, then selects the stored preset.
    void ShowControl();
    void lblControl_Click(int Index);
    void cboControl_Click();
    void cboPreset_Click();
    void selector_Click();
    // Click of a list that picks the item below the selector (the station input list).
    void itemList_Click();

    GridEditor grid;
    // The list that picks the item (input, timer or station) whose codes are shown.
    VbComboBox* selector;
    // Where the type caption goes: beside the selector, or beside an input list below it.
    VbLabel* typeLabel = nullptr;
    LabelArray lblControl;
    VbComboBox* cboControl;
    int16_t iCurrentRow = 0;
    int16_t iTopAction = 0;
    // Held with a LoadingScope by the forms that keep a loading flag: the selector and
    // preset handlers then do nothing. The other forms never set it.
    int16_t bLoading = VbFalse;

protected:
    ActionGridForm(const QString& formName, const QString& caption, ActionGridPlace place);

    // The stored code of target `row` for the item picked; nullptr while none is picked.
    virtual int16_t* actionCode(int row) = 0;
    // What the item picked shows; called when a selector changes.
    virtual ActionGridItem shownItem() = 0;
    // The stored preset of the item picked; nullptr when there is none to show.
    virtual int16_t* presetNumber() { return nullptr; }
    // Runs when the selector changes, before the item is shown: the station forms
    // refill their input list for the station picked.
    virtual void fillInputList() {}

    // A list and its grey caption beside it, one selector row above the grid.
    struct SelectorRow {
        VbComboBox* list;
        VbLabel* caption;
    };
    SelectorRow addSelectorRow(int top, bool captioned);
    // The preset list of a Set Preset item, below the selectors.
    VbComboBox* addPresetList();
    // Fills the selector (and the preset list), picks its first entry, then ShowControl.
    void fillSelector(const QStringList& entries);
    void fillPresetList();
    // Builds the form for the item picked: type caption, action list, target rows,
    // preset list, then ShowControl.
    void showItem();

    LabelArray targetNames;

private:
    void showTargets(ActionTargets targets);

    bool clamps_;
    VbComboBox* presetList_ = nullptr;
    std::optional<ActionList> actions_;
};
