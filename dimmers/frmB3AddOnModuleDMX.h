#pragma once
// The DMX add-on module: the DMX channel each relay drives, the DMX on and off levels
// and the DMX filter.

#include <QPushButton>
#include <array>
#include <cstdint>

#include "editors/gridEditor.h"
#include "platform/childForm.h"

class frmB3AddOnModuleDMX : public ChildForm {
    Q_OBJECT
public:
    frmB3AddOnModuleDMX();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowDMXConfiguration();
    void lblDMXChan_Click(int Index);
    void cboNewDMX_Click();
    void cmdAutoMap_Click();
    void cboOnLevel_Click();
    void cboOffLevel_Click();
    void cboFilter_Click();

    GridEditor grid;
    LabelArray lblRelayName;
    LabelArray lblDMXChan;
    VbComboBox* cboNewDMX;
    QPushButton* cmdAutoMap;
    std::array<VbLabel*, 3> lblLevel{};
    VbComboBox* cboOnLevel;
    VbComboBox* cboOffLevel;
    VbComboBox* cboFilter;
    int16_t iDMXRow = 0;

private:
    // Stores the level chosen when `allowed`, else says `refusal` and shows the stored one.
    void chooseLevel(const VbComboBox* list, int16_t& stored, bool (*allowed)(int16_t), const char* refusal);
};
