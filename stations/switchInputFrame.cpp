#include "stations/switchInputFrame.h"

#include <QGroupBox>

#include "core/itemTexts.h"
#include "core/vbRuntime.h"
#include "editors/engine/listEntries.h"
#include "platform/latin1.h"
#include "platform/twips.h"

namespace {

constexpr int kLastMinutes = 999;
constexpr int kTypeLeft = 960;
constexpr int kTypeWidth = 1935;

GridGeometry rowsOf(int rows) { return {.firstTop = 360, .linePitch = 480, .linesPerColumn = 8, .rows = rows}; }

} // namespace

SwitchInputFrame::SwitchInputFrame(QWidget* form, const QString& caption, StationFamily family, int rows)
    : frame(new QGroupBox(caption, form)), family_(family), grid_(frame, rowsOf(rows))
{
    lblNumber = grid_.addCells(120, CellLook{735, 0xC0C0C0, Qt::AlignLeft | Qt::AlignVCenter, false});
    for (int i = 0; i < rows; ++i) {
        lblNumber[i]->setCaption(QStringLiteral("Input %1").arg(i + 1));
        auto* list = placed(new VbComboBox(frame), kTypeLeft, grid_.top(i), kTypeWidth, 315);
        list->setItems(listEntries(StationInputTypeNames(family)));
        cboType.push_back(list);
    }
    lblTimedOn = grid_.addCells(3000, CellLook{1335});
    cboNewTime = grid_.addList(1335, listEntries(suffixedNumberEntries(kFirstMinutes, kLastMinutes, " Minutes")));
}

void SwitchInputFrame::showInputs(StationRecord& station, int count)
{
    for (int i = 0; i < static_cast<int>(cboType.size()); ++i) {
        const bool shown = i < count;
        lblNumber[i]->setVisible(shown);
        cboType[i]->setVisible(shown);
        lblTimedOn[i]->setVisible(false);
        if (!shown) continue;
        const auto k = static_cast<std::size_t>(i);
        station.iInputType[k] = StationListCode(family_, station.iInputType[k]);
        cboType[i]->setListIndex(station.iInputType[k]);
        // The list's Click may have redrawn the frame; the code is read again.
        const bool timedOn = StationInputKind(family_, station.iInputType[k]) == kLocalTimedOn;
        lblTimedOn[i]->setCaption(toQ(" " + FormatNumber(station.lTimedOnMinutes[k]) + " Minutes"));
        lblTimedOn[i]->setVisible(timedOn);
    }
}

void SwitchInputFrame::openMinutes(int row, int32_t minutes)
{
    grid_.openList(cboNewTime, lblTimedOn[row], minutes, kFirstMinutes);
}
