#pragma once
// The forms whose settings are rows of a label and a drop-down list that stays in
// place: the blink alert and alarm durations, and the MODBUS add-on page. A list's
// position plus its offset is the stored value. Showing a stored value selects its
// entry as code does, which raises the list's Click and stores it again (opening
// marks the configuration changed); a value with no entry leaves its list empty and
// stays until the user picks one.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/childForm.h"
#include "platform/vbControls.h"

class QGroupBox;

struct ListSetting {
    const char* name;     // the row's controls are lbl<name> and cbo<name>
    const char* label;
    std::vector<std::string> entries;
    int offset;
    int16_t& stored;
};

// What sets the forms apart.
struct ListSettingsKind {
    const char* formName;
    const char* caption;
    const char* frameCaption;   // null: the rows stand on the form itself
    const char* frameName;
    std::vector<ListSetting> rows;
};

class ListSettingsForm : public ChildForm {
    Q_OBJECT
public:
    explicit ListSettingsForm(const ListSettingsKind& kind);

    void Form_Activate() override;
    // cboBlinkAlert_Click, cboOverRide_Click, cboAlarm_Click; cboMode_Click,
    // cboBaud_Click, cboParity_Click
    void cbo_Click(int Index);

    QGroupBox* frame = nullptr;
    std::vector<VbLabel*> lbl;
    std::vector<VbComboBox*> cbo;

private:
    const ListSettingsKind& kind_;
};
