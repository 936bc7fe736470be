#pragma once
// The Document dialog: picks the output file and the sections, then writes the
// documentation file of the configuration in memory.

#include <QPushButton>
#include <array>

#include "core/modB3Glimwarden.h"
#include "platform/childForm.h"
#include "platform/commonDialog.h"
#include "platform/vbControls.h"

class frmB3Document : public ChildForm {
    Q_OBJECT
public:
    frmB3Document();

    void Form_Activate() override;
    void chkPrintOptions_Click(int Index);
    void cmdBrowse_Click();
    void cmdDocument_Click();

    VbLabel* lblFileName;
    VbLabel* lblDocFileName;
    QPushButton* cmdBrowse;
    QPushButton* cmdDocument;
    std::array<VbCheckBox*, kDocSections> chkPrintOptions{};
    CommonDialog cdDocFile;
};
