#pragma once
// The name editors: one text box per relay, group, input, timer, preset or station,
// 16 rows to a column, and under them how the panel's display shows the name chosen.
// Every change of a box is stored at once. The boxes are designed holding "Text1", so
// the first activation sets each shown box to its name, which stores the name back
// and marks the configuration changed, as the program always has. One class serves
// all six forms.

#include <string>

#include "editors/gridEditor.h"
#include "editors/names/namePreview.h"
#include "platform/childForm.h"

// What sets the forms apart.
struct NameEditorKind {
    const char* formName;
    const char* caption;
    const char* rowKind;                    // row captions: kind & the item number
    std::string (*number)(int64_t item);    // Format(item, "00") or Hex2(item)
    GridGeometry geometry;
    int labelLeft;                          // twips into a column
    int boxLeft;
    int (*rowCount)();                      // asked afresh at every activation
    std::string& (*name)(int row);          // where row `row` is stored
    int previewCells;
    int previewLeft;                        // first cell's left edge in the frame
};

class NameEditorForm : public ChildForm {
    Q_OBJECT
public:
    explicit NameEditorForm(const NameEditorKind& kind);

    void Form_Activate() override;
    void ShowNameChar(int Index);
    // txtRelayName_Change, txtGroupName_Change, ... txtTiverlinkName_Change
    void txtName_Change(int Index);
    void txtName_Click(int Index);
    void txtName_KeyPress(int Index, int& KeyAscii);

    GridEditor grid;
    LabelArray lblNumber;
    TextBoxArray txtName;
    NamePreview preview;

private:
    const NameEditorKind& kind_;
};
