#pragma once
// Which relays, or which groups, the off-hours sweep switches off: one "Off"/"-"
// toggle cell per item. One class serves both forms.

#include "core/vbTypes.h"
#include "editors/gridEditor.h"
#include "platform/childForm.h"

// What sets the two forms apart.
struct SweepItems {
    const char* formName;
    const char* caption;
    const char* kind;    // tool tip prefix, "Relay " or "Group "
    NameArray& names;
    ItemArray& flags;
    bool installedOnly;  // relays stop at the installed points; groups always show 48
};

class OffHoursSweepItems : public ChildForm {
    Q_OBJECT
public:
    explicit OffHoursSweepItems(const SweepItems& items);

    void Form_Activate() override;
    // ShowRelayInclude / ShowGroupInclude
    void ShowInclude();
    // Also the double click: two quick clicks toggle twice.
    void lblInclude_Click(int Index);

    GridEditor grid;
    LabelArray lblName;
    LabelArray lblInclude;

private:
    int rowCount() const;

    SweepItems items_;
};
