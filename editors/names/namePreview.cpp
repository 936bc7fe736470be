#include "editors/names/namePreview.h"

#include <QGroupBox>
#include <algorithm>

#include "core/vbRuntime.h"
#include "platform/latin1.h"
#include "platform/twips.h"

namespace {

constexpr int kCellSide = 255;
constexpr int kCellPitch = 240;
constexpr int kCellTop = 300;
// Wide enough for the frame's caption however few cells it holds.
constexpr int kMinFrameWidth = 3015;

} // namespace

NamePreview::NamePreview(QWidget* form, int left, int top, int cells, int firstCellLeft)
{
    const int width = firstCellLeft + kCellPitch * cells + 120;
    frame = placed(new QGroupBox(QStringLiteral("As Displayed On Brevantine 3"), form), left, top, std::max(width, kMinFrameWidth),
                   kCellTop + kCellSide + 180);
    // The cells stand in a row: a grid of one line per column.
    GridEditor row(frame, GridGeometry{kCellTop, kCellPitch, 0, 1, cells});
    lblPanelChar = row.addCells(firstCellLeft, CellLook{kCellSide, 0x0000FFFF, Qt::AlignCenter, true, kCellSide});
}

void NamePreview::show(std::string_view name) const
{
    for (std::size_t k = 0; k < lblPanelChar.size(); ++k) {
        lblPanelChar[k]->setCaption(toQ(Mid(name, static_cast<int64_t>(k) + 1, 1)));
        lblPanelChar[k]->show();
    }
}
