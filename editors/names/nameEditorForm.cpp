#include "editors/names/nameEditorForm.h"

#include "core/hexText.h"
#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "editors/names/engine/nameKeyFilter.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"

namespace {

constexpr int kFormWidth = 10815;
constexpr int kFormHeight = 7335;
constexpr int kPreviewTop = 6120;
constexpr GridGeometry kItemRows{180, 3600};
constexpr GridGeometry kStationRows{180, 2700, 360, 16, 64};

int allItems() { return 48; }
int allStations() { return 64; }
std::string itemNumber(int64_t item) { return Format00(item); }
std::string stationNumber(int64_t item) { return Hex2(static_cast<int32_t>(item)); }

const NameEditorKind kKinds[] = {
    {"frmB3EditRelayNames", "Edit Relay Names", "Relay ", itemNumber, kItemRows, 240, 975, [] { return int{GetIOPointCount()}; },
     [](int row) -> std::string& { return tConfig.sRelayName[row]; }, 10, 120},
    {"frmB3EditGroupNames", "Edit Group Names", "Group ", itemNumber, kItemRows, 240, 975, allItems,
     [](int row) -> std::string& { return tConfig.sGroupName[row]; }, 10, 120},
    {"frmB3EditInputNames", "Edit Input Names", "Input ", itemNumber, kItemRows, 240, 975, [] { return int{GetIOPointCount()}; },
     [](int row) -> std::string& { return tConfig.sInputName[row]; }, 10, 120},
    {"frmB3EditTimerNames", "Edit Timer Names", "Timer ", itemNumber, kItemRows, 240, 975, allItems,
     [](int row) -> std::string& { return tConfig.sTimerName[row]; }, 10, 120},
    {"frmB3EditPresetNames", "Edit Preset Names", "Preset ", itemNumber, kItemRows, 240, 1095, allItems,
     [](int row) -> std::string& { return tConfig.sPresetName[row]; }, 10, 120},
    // Station 0 is never edited: row k is station k + 1.
    {"frmB3EditTiverlinkNames", "Edit Tiverlink Names", "TL Node ", stationNumber, kStationRows, 60, 1020, allStations,
     [](int row) -> std::string& { return tStation[static_cast<std::size_t>(row) + 1].sName; }, 8, 240},
};

[[maybe_unused]] const bool registered = [] {
    for (const NameEditorKind& kind : kKinds)
        childForms::registerFactory(QString::fromLatin1(kind.formName), [&kind] { return new NameEditorForm(kind); });
    return true;
}();

} // namespace

NameEditorForm::NameEditorForm(const NameEditorKind& kind)
    : ChildForm(QString::fromLatin1(kind.formName)),
      grid(this, kind.geometry),
      preview(this, 240, kPreviewTop, kind.previewCells, kind.previewLeft),
      kind_(kind)
{
    setCaption(QString::fromLatin1(kind.caption));
    setTwipsSize(kFormWidth, kFormHeight);

    const int pitch = kind.geometry.columnPitch;
    lblNumber = grid.addCaptions(kind.labelLeft, kind.boxLeft - kind.labelLeft - 15);
    txtName = grid.addTextBoxes(kind.boxLeft, pitch - kind.boxLeft - 120);
    for (int i = 0; i < grid.rows(); ++i) {
        lblNumber[i]->setCaption(toQ(kind.rowKind + kind.number(i + 1)));
        txtName[i]->setDesignText("Text1");
        txtName[i]->KeyPress = [this, i](int& KeyAscii) { txtName_KeyPress(i, KeyAscii); };
    }
    connectArray(txtName, &VbTextBox::Change, [this](int i) { txtName_Change(i); });
    connectArray(txtName, &VbTextBox::Click, [this](int i) { txtName_Click(i); });
}

void NameEditorForm::Form_Activate()
{
    for (int i = 0; i < grid.rows(); ++i) {
        const bool shown = i < kind_.rowCount();
        lblNumber[i]->setVisible(shown);
        if (shown) txtName[i]->setText(kind_.name(i));
        txtName[i]->setVisible(shown);
    }
    ShowNameChar(0);
}

// The preview reads the stored name, not the box.
void NameEditorForm::ShowNameChar(int Index) { preview.show(kind_.name(Index)); }

void NameEditorForm::txtName_Change(int Index)
{
    kind_.name(Index) = txtName[Index]->Text();
    bChanged = VbTrue;
    ShowNameChar(Index);
}

void NameEditorForm::txtName_Click(int Index) { ShowNameChar(Index); }

void NameEditorForm::txtName_KeyPress(int, int& KeyAscii) { KeyAscii = NameKeyFilter(KeyAscii); }
