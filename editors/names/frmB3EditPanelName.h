#pragma once
// The panel's own name: either the panel's default name (the check box; the name is
// then stored empty) or the text of the box, shown as the panel's 18 display cells.
// The check box is not stored: every activation derives it from the name.

#include "editors/names/namePreview.h"
#include "platform/childForm.h"
#include "platform/vbControls.h"
#include "platform/vbTextBox.h"

class frmB3EditPanelName : public ChildForm {
    Q_OBJECT
public:
    frmB3EditPanelName();

    void Form_Activate() override;
    void ShowPanelChars();
    void chkDefaultPanelName_Click();
    void txtPanelName_Change();
    void txtPanelName_KeyPress(int& KeyAscii);

    VbCheckBox* chkDefaultPanelName;
    VbLabel* lblPanelName;
    VbTextBox* txtPanelName;
    // frmAsDisplayed and lblPanelChar
    NamePreview preview;
};
