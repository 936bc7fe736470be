#include "editors/inputs/frmB3InputActiveTimes.h"

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3InputActiveTimes)

namespace {

const CellLook kHeaderLook{855, 0xFFFF00, Qt::AlignCenter};

} // namespace

frmB3InputActiveTimes::frmB3InputActiveTimes()
    : ChildForm(QStringLiteral("frmB3InputActiveTimes")), grid(this, GridGeometry{420}),
      times(grid, 1800, 2640, tConfig.iInputEnableTime, tConfig.iInputDisableTime, [] { return GetIOPointCount(); })
{
    setCaption(QStringLiteral("Input Active Times"));
    setTwipsSize(10815, 6855);

    lblInputName = grid.addCells(240, CellLook{1575, 0xC0C0C0});
    setToolTips(lblInputName, "Input ", grid.rows());
    lblInputEnableHeader = grid.addHeaders(QStringLiteral("Enable"), 1800, 120, kHeaderLook);
    lblInputDisableHeader = grid.addHeaders(QStringLiteral("Disable"), 2640, 120, kHeaderLook);

    connectArray(lblInputEnableTime, &VbLabel::Click, [this](int i) { lblInputEnableTime_Click(i); });
    connectArray(lblInputDisableTime, &VbLabel::Click, [this](int i) { lblInputDisableTime_Click(i); });
    connect(cboNewTime, &VbComboBox::Click, this, &frmB3InputActiveTimes::cboNewTime_Click);
}

void frmB3InputActiveTimes::Form_Activate()
{
    const int count = GetIOPointCount();
    setCaptions(lblInputName, tConfig.sInputName, count);
    showRows({&lblInputName, &lblInputEnableTime, &lblInputDisableTime}, count);
    showHeaders(lblInputEnableHeader, count);
    showHeaders(lblInputDisableHeader, count);
    grid.hideLists();
    ShowEnableTimes();
}

void frmB3InputActiveTimes::Form_Click() { grid.hideLists(); }

void frmB3InputActiveTimes::ShowEnableTimes() { times.show(); }

void frmB3InputActiveTimes::lblInputEnableTime_Click(int Index) { times.openCell(true, Index); }

void frmB3InputActiveTimes::lblInputDisableTime_Click(int Index) { times.openCell(false, Index); }

void frmB3InputActiveTimes::cboNewTime_Click() { times.storeChosenTime(); }
