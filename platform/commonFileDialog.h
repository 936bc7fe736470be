#pragma once
// The open or save dialog that CommonDialog shows, built whole and ready to run, so
// that a test can look at the very dialog the user gets.

#include <QFileDialog>

#include "platform/commonDialog.h"
#include "platform/nameOnlyIconProvider.h"

struct CommonFileDialog {
    CommonFileDialog(const CommonDialogCall& call, QWidget* parent);

    // Declared before the dialog so that it outlives it: the dialog's model keeps
    // asking it about every entry it lists.
    NameOnlyIconProvider iconProvider;
    QFileDialog dialog;
};
