#pragma once
// What makes a child form a dialog when it is shown modally: a dialog window owned by
// the main window, a default button that follows the focus, Escape and Enter taken as
// a dialog takes them, and the Dialog role for screen readers.

class ChildForm;
class QWidget;

// The window, default button, keys and role of a dialog, owned by `owner` when there is one.
void makeDialog(ChildForm* form, QWidget* owner);
