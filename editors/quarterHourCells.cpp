#include "editors/quarterHourCells.h"

#include "editors/engine/listEntries.h"
#include "platform/latin1.h"

namespace {

const CellLook kTimeLook{855, 0xE0E0E0, Qt::AlignCenter};

} // namespace

QuarterHourCells::QuarterHourCells(GridEditor& grid, int firstLeft, int secondLeft, std::span<int16_t> first,
                                   std::span<int16_t> second, std::function<int()> rowCount)
    : firstCells(grid.addCells(firstLeft, kTimeLook)), secondCells(grid.addCells(secondLeft, kTimeLook)),
      list(grid.addList(kTimeLook.width, listEntries(quarterHourEntries()))), grid_(grid), first_(first),
      second_(second), rowCount_(std::move(rowCount))
{
}

void QuarterHourCells::show() const
{
    for (int i = 0; i < rowCount_(); ++i) {
        firstCells[i]->setCaption(toQ(quarterHourCellText(first_[i])));
        secondCells[i]->setCaption(toQ(quarterHourCellText(second_[i])));
    }
}

void QuarterHourCells::openCell(bool firstColumn, int row)
{
    editFirst_ = firstColumn;
    selectedRow_ = row;
    grid_.openList(list, (firstColumn ? firstCells : secondCells)[row], (firstColumn ? first_ : second_)[row]);
    bChanged = VbTrue;
}

void QuarterHourCells::storeChosenTime()
{
    storeChosenEntry(
        list, [this](int16_t time) { (editFirst_ ? first_ : second_)[selectedRow_] = time; }, [this] { show(); });
}
