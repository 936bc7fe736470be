#pragma once
// The add-on module pages that have nothing to set: one notice each.

#include "platform/childForm.h"
#include "platform/vbControls.h"

struct AddOnNotice {
    const char* formName;
    const char* caption;
    const char* notice;
};

class AddOnNoticePage : public ChildForm {
    Q_OBJECT
public:
    explicit AddOnNoticePage(const AddOnNotice& page);

    VbLabel* lblNoAddOnModule;
};
