#pragma once
// The frame "As Displayed On Brevantine 3" under a name box: one yellow cell per
// character the panel's display keeps of the name.

#include <string_view>

#include "editors/gridEditor.h"

class QGroupBox;

class NamePreview {
public:
    // `cells` cells, cell k at `firstCellLeft` + 240 k twips inside the frame.
    NamePreview(QWidget* form, int left, int top, int cells, int firstCellLeft);

    // ShowNameChar: character k + 1 of the name in cell k, nothing past its end; shows
    // the cells.
    void show(std::string_view name) const;

    QGroupBox* frame;
    LabelArray lblPanelChar;
};
