#include "editors/inputControlForm.h"

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"

namespace {

constexpr int kSetPreset = 4;

} // namespace

InputControlForm::InputControlForm(const QString& formName, const QString& caption, InputControlTable table,
                                   ItemMatrix& matrix)
    : ChildForm(formName), grid(this, GridGeometry{960}), table_(table), matrix_(matrix)
{
    setCaption(caption);
    setTwipsSize(10815, 7335);

    cboInput = grid.addSelector(240, 360, 2175);
    lblInputType = grid.addLabel(2520, 360, CellLook{1935, 0xC0C0C0});
    targetNames = grid.addCells(480, CellLook{1335, 0xC0C0C0});
    lblControl = grid.addCells(1815, CellLook{1095, 0xE0E0E0, Qt::AlignCenter});
    cboControl = grid.addList(1095, {});

    connect(cboInput, &VbComboBox::Click, this, &InputControlForm::cboInput_Click);
    connect(cboControl, &VbComboBox::Click, this, &InputControlForm::cboControl_Click);
    connectArray(lblControl, &VbLabel::Click, [this](int i) { lblControl_Click(i); });
}

void InputControlForm::Form_Activate()
{
    cboInput->setItems(nameEntries(tConfig.sInputName, GetIOPointCount()));
    cboInput->setListIndex(0);
    if (cboInput->ListIndex() < 0) showNoInput();
    ShowControl();
}

void InputControlForm::Form_Click() { grid.hideLists(); }

void InputControlForm::cboInput_Click()
{
    const int i = cboInput->ListIndex();
    if (i < 0) return;
    const int type = tConfig.iInputType[i];
    lblInputType->setCaption(cellText(kLocalInputTypeNames, type));

    cboControl->hide();
    actions_ = localInputActions(type, table_);
    cboControl->setItems(actions_ ? listEntries(*actions_) : QStringList{});
    if (actions_) iTopAction = topAction(*actions_);

    showTargets(localInputTargets(type, table_));
    showPresetList(type == kSetPreset);
    ShowControl();
}

void InputControlForm::showTargets(InputControlTargets targets)
{
    const auto label = [this](const NameArray& names, std::string_view kind, int count) {
        setCaptions(targetNames, names, count);
        setToolTips(targetNames, kind, count);
        showRows({&targetNames, &lblControl}, count);
    };
    switch (targets) {
    case InputControlTargets::None: showRows({&targetNames, &lblControl}, 0); break;
    case InputControlTargets::Relays: label(tConfig.sRelayName, "Relay ", GetIOPointCount()); break;
    case InputControlTargets::LocalInputs: label(tConfig.sInputName, "Input ", GetIOPointCount()); break;
    case InputControlTargets::Timers: label(tConfig.sTimerName, "Timer ", 48); break;
    case InputControlTargets::Groups: label(tConfig.sGroupName, "Group ", 48); break;
    }
}

void InputControlForm::showNoInput()
{
    lblInputType->setCaption({});
    cboControl->hide();
    cboControl->setItems({});
    actions_.reset();
    showTargets(InputControlTargets::None);
    showPresetList(false);
}

void InputControlForm::ShowControl()
{
    const int i = cboInput->ListIndex();
    if (i < 0) return;
    for (int t = 0; t < grid.rows(); ++t) {
        int16_t& code = matrix_(i, t);
        if (actions_) clampToTopAction(code, iTopAction);
        lblControl[t]->setCaption(actions_ ? cellText(*actions_, code) : QString());
    }
    selectPreset(i);
}

void InputControlForm::lblControl_Click(int Index)
{
    const int i = cboInput->ListIndex();
    if (i < 0) return;
    iCurrentRow = static_cast<int16_t>(Index);
    int16_t& code = matrix_(i, Index);
    if (actions_) clampToTopAction(code, iTopAction);
    grid.openList(cboControl, lblControl[Index], code);
    bChanged = VbTrue;
}

void InputControlForm::cboControl_Click()
{
    const int i = cboInput->ListIndex();
    if (i < 0) return;
    storeChosenEntry(
        cboControl, [this, i](int16_t code) { matrix_(i, iCurrentRow) = code; }, [this] { ShowControl(); });
}
