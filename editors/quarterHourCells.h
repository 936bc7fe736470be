#pragma once
// Two columns of time cells per row (enable and disable, open and close) edited
// through one drop-down list of the 96 quarter hours. A click on a cell marks the
// configuration changed whether or not a time is then chosen, and so does every
// stored time: a save may have cleared the mark while the list stood open.

#include <cstdint>
#include <functional>
#include <span>
#include <utility>

#include "editors/gridEditor.h"

class QuarterHourCells {
public:
    // `rowCount` is asked anew at each redraw (the installed points may change).
    QuarterHourCells(GridEditor& grid, int firstLeft, int secondLeft, std::span<int16_t> first,
                     std::span<int16_t> second, std::function<int()> rowCount);

    void show() const;
    // The click on a cell of the first (or second) column.
    void openCell(bool firstColumn, int row);
    // The list's Click.
    void storeChosenTime();

    LabelArray firstCells;
    LabelArray secondCells;
    VbComboBox* list;

private:
    GridEditor& grid_;
    std::span<int16_t> first_;
    std::span<int16_t> second_;
    std::function<int()> rowCount_;
    bool editFirst_ = true;
    int selectedRow_ = 0;
};
