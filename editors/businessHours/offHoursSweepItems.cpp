#include "editors/businessHours/offHoursSweepItems.h"

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"

namespace {

constexpr CellState kSwept{"Off", 0xC0C0C0};
constexpr CellState kNotSwept{"-", 0xE0E0E0};

bool registerSweepForm(const SweepItems& items)
{
    return childForms::registerFactory(QString::fromLatin1(items.formName),
                                       [&items] { return new OffHoursSweepItems(items); });
}

const SweepItems kRelays{"frmB3OffHoursSweepRelays", "Off Hours Sweep Relays", "Relay ", tConfig.sRelayName,
                         tConfig.bSweepRelay, true};
const SweepItems kGroups{"frmB3OffHoursSweepGroups", "Off Hours Sweep Groups", "Group ", tConfig.sGroupName,
                         tConfig.bSweepGroup, false};
[[maybe_unused]] const bool registered = registerSweepForm(kRelays) && registerSweepForm(kGroups);

} // namespace

OffHoursSweepItems::OffHoursSweepItems(const SweepItems& items)
    : ChildForm(QString::fromLatin1(items.formName)), grid(this, GridGeometry{240}), items_(items)
{
    setCaption(QString::fromLatin1(items.caption));
    setTwipsSize(10815, 6615);

    lblName = grid.addCells(240, CellLook{1575, 0xE0E0E0});
    lblInclude = grid.addCells(1920, CellLook{375, 0xE0E0E0, Qt::AlignCenter});
    setToolTips(lblName, items.kind, grid.rows());
    connectToggles(lblInclude, [this](int i) { lblInclude_Click(i); });
}

int OffHoursSweepItems::rowCount() const { return items_.installedOnly ? GetIOPointCount() : grid.rows(); }

void OffHoursSweepItems::Form_Activate()
{
    const int count = rowCount();
    setCaptions(lblName, items_.names, count);
    showRows({&lblName, &lblInclude}, count);
    ShowInclude();
}

void OffHoursSweepItems::ShowInclude()
{
    for (int i = 0; i < rowCount(); ++i) paintCell(lblInclude[i], items_.flags[i] ? kSwept : kNotSwept);
}

void OffHoursSweepItems::lblInclude_Click(int Index)
{
    items_.flags[Index] = static_cast<int16_t>(~items_.flags[Index]);
    ShowInclude();
    bChanged = VbTrue;
}
