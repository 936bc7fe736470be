#pragma once
// One networked station at a time: its device type and, per input, the input type and
// the minutes of a Timed On input, or a photocell's off and on light levels.

#include <QString>
#include <cstdint>
#include <vector>

#include "editors/gridEditor.h"
#include "platform/childForm.h"
#include "stations/switchInputFrame.h"

class QGroupBox;
class VbHScrollBar;

class frmB3ConfigureTiverlinkDevices : public ChildForm {
    Q_OBJECT
public:
    frmB3ConfigureTiverlinkDevices();

    void Form_Activate() override;
    void Form_Click() override;
    void ShowConfiguration();
    void cboTLinkDevice_Click();
    void cboTLinkType_Click();
    void cboInputType_Click(SwitchInputFrame& inputs, int Index);
    void lblInputTimedOn_Click(SwitchInputFrame& inputs, int Index);
    void cboInputNewTime_Click(SwitchInputFrame& inputs);
    void hsInputFOffLevel_Change(int Index);
    void hsInputFOnLevel_Change(int Index);

    VbComboBox* cboTLinkDevice;
    VbComboBox* cboTLinkType;

    SwitchInputFrame input16;
    SwitchInputFrame input7;
    SwitchInputFrame input8;
    QGroupBox*& fraConfigTLinkDevice16{input16.frame};
    QGroupBox*& fraConfigTLinkDevice7{input7.frame};
    QGroupBox*& fraConfigTLinkDevice8{input8.frame};
    std::vector<VbComboBox*>& cboInput16Type{input16.cboType};
    std::vector<VbComboBox*>& cboInput7Type{input7.cboType};
    std::vector<VbComboBox*>& cboInput8Type{input8.cboType};
    LabelArray& lblInput16TimedOn{input16.lblTimedOn};
    LabelArray& lblInput7TimedOn{input7.lblTimedOn};
    LabelArray& lblInput8TimedOn{input8.lblTimedOn};
    VbComboBox*& cboInput16NewTime{input16.cboNewTime};
    VbComboBox*& cboInput7NewTime{input7.cboNewTime};
    VbComboBox*& cboInput8NewTime{input8.cboNewTime};

    QGroupBox* fraConfigTLinkDeviceF;
    GridEditor photocellGrid;
    LabelArray lblInputFNumber;
    LabelArray lblInputFOffLevel;
    LabelArray lblInputFOnLevel;
    std::vector<VbHScrollBar*> hsInputFOffLevel;
    std::vector<VbHScrollBar*> hsInputFOnLevel;

    int16_t iSelectedDevice = 0;
    int16_t iSelectedInput = 0;

private:
    void showFrame(QGroupBox* shown);
    void hideMinuteLists();
    void showPhotocellLevels(StationRecord& station);
    // Stores a level bar's value, on each drag step and at the end of any change.
    void storeLevel(StationInputArray StationRecord::*level, const std::vector<VbHScrollBar*>& bars, int Index);
    std::vector<VbHScrollBar*> addLevelBars(int left, void (frmB3ConfigureTiverlinkDevices::*store)(int));
};
