#pragma once
// The small forms that set one panel-wide option with a frame of option buttons:
// photocell filter, clock source, timed-on start, relay drive and the off-hours sweep
// interval. Each shows the stored choice when activated and stores every click at once;
// selecting from code raises Click as a user's choice does, so opening a form stores
// the choice again whenever it differs from the design-time selection.

#include <QString>
#include <vector>

#include "platform/childForm.h"
#include "platform/vbControls.h"

class QGroupBox;
class OptionDialog;

// What sets the forms apart.
struct OptionDialogKind {
    const char* formName;
    const char* caption;
    const char* frameCaption;
    const char* frameName;                      // the frame's and the option array's
    const char* optionName;                     // control names, as objectName
    int frameWidth;                             // twips; the height follows the options
    std::vector<const char*> options;
    int designSelection;                        // -1: none selected at design time
    int (*storedOption)();                      // null: activation shows nothing stored
    void (*click)(const OptionDialog& form, int Index);
};

class OptionDialog : public ChildForm {
    Q_OBJECT
public:
    explicit OptionDialog(const OptionDialogKind& kind);

    void Form_Activate() override;
    // optPCFilter_Click, optRTCSource_Click, optTimedOnOperation_Click,
    // optRelayDrive_Click, optOffHoursSweepInterval_Click
    void opt_Click(int Index);

    QGroupBox* Frame1;
    std::vector<VbOptionButton*> opt;

private:
    const OptionDialogKind& kind_;
};
