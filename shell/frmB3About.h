#pragma once
// The start screen and About box: product picture, contact labels and the version
// label whose text the program reports as its own version.

#include <array>

#include "platform/childForm.h"

class QLabel;
class VbLabel;

class frmB3About : public ChildForm {
    Q_OBJECT
public:
    frmB3About();

    void Form_Activate() override;
    void lblWebPageInfo_Click();

    QLabel* imgLogo = nullptr;
    VbLabel* lblWebPageInfo = nullptr;
    VbLabel* lblPhone = nullptr;
    std::array<VbLabel*, 3> lblRevInfo{};
};
