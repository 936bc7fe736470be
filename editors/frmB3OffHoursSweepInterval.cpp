#include "editors/frmB3OffHoursSweepInterval.h"

#include <QGroupBox>

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"
#include "platform/twips.h"

B3_REGISTER_CHILD_FORM(frmB3OffHoursSweepInterval)

namespace {

constexpr std::array<const char*, 3> kIntervalCaptions = {"1 Hour Interval", "2 Hour Interval", "3 Hour Interval"};

} // namespace

frmB3OffHoursSweepInterval::frmB3OffHoursSweepInterval() : ChildForm(QStringLiteral("frmB3OffHoursSweepInterval"))
{
    setCaption(QStringLiteral("Off Hours Sweep Interval"));
    setTwipsSize(3495, 1935);

    fraOffHoursSweepInterval = placed(new QGroupBox(QStringLiteral("Off Hours Sweep Interval"), this), 240, 120, 3015, 1575);
    for (int k = 0; k < static_cast<int>(optOffHoursSweepInterval.size()); ++k) {
        auto* option = placed(new VbOptionButton(QString::fromLatin1(kIntervalCaptions[k]), fraOffHoursSweepInterval), 240, 360 + 360 * k, 2535, 315);
        connect(option, &VbOptionButton::Click, this, [this, k] { optOffHoursSweepInterval_Click(k); });
        optOffHoursSweepInterval[k] = option;
    }
}

// A stored interval with no button selects none and stores nothing.
void frmB3OffHoursSweepInterval::Form_Activate()
{
    const int stored = tConfig.iSweepInterval;
    if (stored >= 0 && stored < static_cast<int>(optOffHoursSweepInterval.size()))
        optOffHoursSweepInterval[stored]->setValue(true);
}

void frmB3OffHoursSweepInterval::optOffHoursSweepInterval_Click(int Index)
{
    bChanged = VbTrue;
    tConfig.iSweepInterval = static_cast<int16_t>(Index);
}
