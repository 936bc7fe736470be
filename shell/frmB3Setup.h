#pragma once
// Setup: how many 4-point I/O blocks each of the 12 I/O nodes carries, and which
// add-on module is fitted.

#include <array>

#include "platform/childForm.h"

class QGroupBox;
class VbComboBox;
class VbLabel;
class VbOptionButton;

class frmB3Setup : public ChildForm {
    Q_OBJECT
public:
    static constexpr int kNodes = 12;
    static constexpr int kAddOnModules = 7;

    frmB3Setup();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowConfig();

    void lblIOCount_Click(int Index);
    void cboIOCount_Click();
    void optAddOnModuleType_Click(int Index);

    QGroupBox* fraIOConfiguration = nullptr;
    QGroupBox* fraAddOnModule = nullptr;
    std::array<VbLabel*, kNodes> lblNode{};
    std::array<VbLabel*, kNodes> lblIOCount{};
    std::array<VbLabel*, kNodes> lblIOAdd{};
    VbComboBox* cboIOCount = nullptr;
    std::array<VbOptionButton*, kAddOnModules> optAddOnModuleType{};

private:
    int iOpenNode = 0;
};
