#include "editors/businessHours/frmB3OpenAndCloseTimeNormalDays.h"

#include <span>

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"

B3_REGISTER_CHILD_FORM(frmB3OpenAndCloseTimeNormalDays)

namespace {

constexpr int kDays = static_cast<int>(kWeekdayNames.size());
const CellLook kHeaderLook{855, 0xFFFF00, Qt::AlignCenter};

} // namespace

// Element 7 of the weekday arrays belongs to no day: the cells reach 0..6 only.
frmB3OpenAndCloseTimeNormalDays::frmB3OpenAndCloseTimeNormalDays()
    : ChildForm(QStringLiteral("frmB3OpenAndCloseTimeNormalDays")), grid(this, GridGeometry{600, 3600, 360, 16, kDays}),
      times(grid, 1680, 2520, std::span(tConfig.iOpenTime).first(kDays), std::span(tConfig.iCloseTime).first(kDays),
            [] { return kDays; })
{
    setCaption(QStringLiteral("Open And Close Time Normal Days"));
    setOwnTwipsSize(3735, 3375);

    lblDayOfWeek = grid.addCells(360, CellLook{1275, 0xC0C0C0, Qt::AlignRight | Qt::AlignVCenter});
    for (int d = 0; d < kDays; ++d) lblDayOfWeek[d]->setCaption(toQ(std::string(kWeekdayNames[d]) + " "));
    lblOpenHeader = grid.addLabel(1680, 240, kHeaderLook);
    lblOpenHeader->setCaption(QStringLiteral("Open"));
    lblCloseHeader = grid.addLabel(2520, 240, kHeaderLook);
    lblCloseHeader->setCaption(QStringLiteral("Close"));
    showRows({&lblDayOfWeek, &lblOpenTime, &lblCloseTime}, kDays);

    connectArray(lblOpenTime, &VbLabel::Click, [this](int i) { lblOpenTime_Click(i); });
    connectArray(lblCloseTime, &VbLabel::Click, [this](int i) { lblCloseTime_Click(i); });
    connect(cboNewTime, &VbComboBox::Click, this, &frmB3OpenAndCloseTimeNormalDays::cboNewTime_Click);
}

void frmB3OpenAndCloseTimeNormalDays::Form_Activate()
{
    grid.hideLists();
    ShowOpenCloseTimes();
}

void frmB3OpenAndCloseTimeNormalDays::Form_Click() { grid.hideLists(); }

void frmB3OpenAndCloseTimeNormalDays::ShowOpenCloseTimes() { times.show(); }

void frmB3OpenAndCloseTimeNormalDays::lblOpenTime_Click(int Index) { times.openCell(true, Index); }

void frmB3OpenAndCloseTimeNormalDays::lblCloseTime_Click(int Index) { times.openCell(false, Index); }

void frmB3OpenAndCloseTimeNormalDays::cboNewTime_Click() { times.storeChosenTime(); }
