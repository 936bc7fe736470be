#pragma once
// Copies one dimmer output's configuration (levels, fade, photocell tracking and its
// points, target, photocell station, DMX channel) to the outputs ticked.

#include "dimmers/dimCopyDialog.h"

class frmB3DimCopyCnf : public DimCopyDialog {
    Q_OBJECT
public:
    frmB3DimCopyCnf();
    void cmsCopy_Click();

    QPushButton* cmsCopy;
};
