#include "editors/actionGridForm.h"

#include "core/modB3Glimwarden.h"

namespace {

constexpr int kSelectorLeft = 240;
constexpr int kSelectorWidth = 2175;
constexpr int kPresetListTop = 840;

} // namespace

ActionGridForm::ActionGridForm(const QString& formName, const QString& caption, ActionGridPlace place)
    : ChildForm(formName), grid(this, GridGeometry{960}), clamps_(place.clampsToTopAction)
{
    setCaption(caption);
    setTwipsSize(10815, 7335);

    const SelectorRow row = addSelectorRow(place.selectorTop, place.hasTypeCaption);
    selector = row.list;
    typeLabel = row.caption;
    targetNames = grid.addCells(480, CellLook{1335, 0xC0C0C0});
    lblControl = grid.addCells(1815, CellLook{1095, 0xE0E0E0, Qt::AlignCenter});
    cboControl = grid.addList(1095, {});

    connect(selector, &VbComboBox::Click, this, &ActionGridForm::selector_Click);
    connect(cboControl, &VbComboBox::Click, this, &ActionGridForm::cboControl_Click);
    connectArray(lblControl, &VbLabel::Click, [this](int i) { lblControl_Click(i); });
}

ActionGridForm::SelectorRow ActionGridForm::addSelectorRow(int top, bool captioned)
{
    VbComboBox* list = grid.addSelector(kSelectorLeft, top, kSelectorWidth);
    VbLabel* caption = captioned ? grid.addLabel(2520, top, CellLook{1935, 0xC0C0C0}) : nullptr;
    return {list, caption};
}

VbComboBox* ActionGridForm::addPresetList()
{
    presetList_ = grid.addSelector(kSelectorLeft, kPresetListTop, kSelectorWidth);
    presetList_->hide();
    connect(presetList_, &VbComboBox::Click, this, &ActionGridForm::cboPreset_Click);
    return presetList_;
}

void ActionGridForm::fillPresetList()
{
    if (presetList_) presetList_->setItems(nameEntries(tConfig.sPresetName, 48));
}

void ActionGridForm::fillSelector(const QStringList& entries)
{
    fillPresetList();
    selector->setItems(entries);
    selector->setListIndex(0);
    if (selector->ListIndex() < 0) showItem();
    ShowControl();
}

void ActionGridForm::Form_Click() { grid.hideLists(); }

void ActionGridForm::selector_Click()
{
    if (bLoading) return;
    fillInputList();
    showItem();
}

void ActionGridForm::itemList_Click()
{
    if (bLoading) return;
    showItem();
}

void ActionGridForm::showItem()
{
    const ActionGridItem item = shownItem();
    if (typeLabel) typeLabel->setCaption(item.typeCaption);

    cboControl->hide();
    actions_ = item.actions;
    cboControl->setItems(actions_ ? listEntries(*actions_) : QStringList{});
    if (actions_) iTopAction = topAction(*actions_);

    showTargets(actions_ ? item.targets : ActionTargets::None);
    if (presetList_) presetList_->setVisible(item.showsPreset);
    ShowControl();
}

void ActionGridForm::showTargets(ActionTargets targets)
{
    const auto label = [this](const NameArray& names, std::string_view kind, int count) {
        setCaptions(targetNames, names, count);
        setToolTips(targetNames, kind, count);
        showRows({&targetNames, &lblControl}, count);
    };
    switch (targets) {
    case ActionTargets::None: showRows({&targetNames, &lblControl}, 0); break;
    case ActionTargets::Relays: label(tConfig.sRelayName, "Relay ", GetIOPointCount()); break;
    case ActionTargets::LocalInputs: label(tConfig.sInputName, "Input ", GetIOPointCount()); break;
    case ActionTargets::Timers: label(tConfig.sTimerName, "Timer ", 48); break;
    case ActionTargets::Groups: label(tConfig.sGroupName, "Group ", 48); break;
    case ActionTargets::Presets: label(tConfig.sPresetName, "Preset ", 48); break;
    }
}

void ActionGridForm::ShowControl()
{
    if (!actionCode(0)) return;
    for (int t = 0; t < grid.rows(); ++t) {
        int16_t& code = *actionCode(t);
        if (actions_ && clamps_) clampToTopAction(code, iTopAction);
        lblControl[t]->setCaption(actions_ ? cellText(*actions_, code) : QString());
    }
    if (presetList_)
        if (const int16_t* preset = presetNumber()) presetList_->setListIndex(*preset);
}

void ActionGridForm::lblControl_Click(int Index)
{
    int16_t* code = actionCode(Index);
    if (!code || !actions_) return;
    iCurrentRow = static_cast<int16_t>(Index);
    if (clamps_) clampToTopAction(*code, iTopAction);
    grid.openList(cboControl, lblControl[Index], *code);
    bChanged = VbTrue;
}

void ActionGridForm::cboControl_Click()
{
    if (!actionCode(iCurrentRow)) return;
    storeChosenEntry(
        cboControl, [this](int16_t code) { *actionCode(iCurrentRow) = code; }, [this] { ShowControl(); });
}

void ActionGridForm::cboPreset_Click()
{
    if (bLoading) return;
    int16_t* preset = presetNumber();
    const int p = presetList_->ListIndex();
    if (!preset || p < 0) return;
    *preset = static_cast<int16_t>(p);
    bChanged = VbTrue;
}
