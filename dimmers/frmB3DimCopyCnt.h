#pragma once
// Copies chosen control options of one dimmer output to the outputs ticked: option n
// of each destination takes the source's option n.

#include <array>

#include "dimmers/dimCopyDialog.h"

class frmB3DimCopyCnt : public DimCopyDialog {
    Q_OBJECT
public:
    frmB3DimCopyCnt();
    void cmdCntAll_Click();
    void cmdCntNone_Click();
    void cmdCopy_Click();

    QGroupBox* frmSrcCnt;
    std::array<VbCheckBox*, 16> chkCNum{};
    QPushButton* cmdCntAll;
    QPushButton* cmdCntNone;
    QPushButton* cmdCopy;
};
