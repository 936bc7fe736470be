#pragma once
// What a user does with the mouse, for widget tests: click a control, pick a list
// entry through the drop-down (which raises the list's user Click even for the entry
// already chosen).

class QComboBox;
class QWidget;

void clickWidget(QWidget* widget);
// Opens the list's drop-down and clicks the entry; fails the test when it cannot.
void chooseListEntry(QComboBox* list, int index);
