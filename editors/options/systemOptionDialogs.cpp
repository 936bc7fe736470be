// The five panel-wide options set by a frame of option buttons, each a table on the
// shared option dialog.
#include "core/modB3Glimwarden.h"
#include "editors/optionDialog.h"
#include "platform/childFormRegistry.h"

namespace {

bool registerOptionDialog(const OptionDialogKind& kind)
{
    return childForms::registerFactory(QString::fromLatin1(kind.formName), [&kind] { return new OptionDialog(kind); });
}

int16_t flagOf(bool set) { return set ? VbTrue : VbFalse; }

const OptionDialogKind kPhotocellFilter{
    "frmB3PhotocellFilter", "Photocell Filter", "Photocell Filter", "Frame1", "optPCFilter", 3015,
    {"30 Second Average", "2 Second Average"}, 0,
    [] { return tConfig.bPhotocellFilter2Sec ? 1 : 0; },
    // The setting follows option 0's state, not the index clicked.
    [](const OptionDialog& form, int) {
        bChanged = VbTrue;
        tConfig.bPhotocellFilter2Sec = flagOf(!form.opt[0]->Value());
    }};

const OptionDialogKind kRtcSource{
    "frmB3RTCSource", "RTC Source", "Real Time Clock Source", "Frame1", "optRTCSource", 3015,
    {"60 Hz AC Line", "Internal Crystal"}, 0,
    [] { return int{tConfig.iRTCSource}; },
    [](const OptionDialog&, int Index) {
        bChanged = VbTrue;
        tConfig.iRTCSource = static_cast<int16_t>(Index);
    }};

const OptionDialogKind kTimedOn{
    "frmB3ConfigureTimedOn", "Configure Timed-On", "Configure Timed On Operation", "fraConfigureTimedOn", "optTimedOnOperation", 4215,
    {"Timed-On Timers Begin When Input Opens", "Timed-On Timers Begin When Input Closes"}, -1,
    [] { return tConfig.bTimedOnBeginsOnClose ? 1 : 0; },
    [](const OptionDialog&, int Index) {
        bChanged = VbTrue;
        tConfig.bTimedOnBeginsOnClose = flagOf(Index != 0);
    }};

// The panel's record has no place for the relay drive: a choice only marks the change.
const OptionDialogKind kRelayDrive{
    "frmB3RelayDrive", "Relay Drive", "Relay Drive", "Frame1", "optRelayDrive", 3015,
    {"17 mS Sweep", "50 mS Sweep", "17 mS Instant", "50 mS Instant"}, 0,
    nullptr,
    [](const OptionDialog&, int) { bChanged = VbTrue; }};

const OptionDialogKind kSweepInterval{
    "frmB3OffHoursSweepInterval", "Off Hours Sweep Interval", "Off Hours Sweep Interval", "fraOffHoursSweepInterval", "optOffHoursSweepInterval", 3015,
    {"1 Hour Interval", "2 Hour Interval", "3 Hour Interval"}, -1,
    [] { return int{tConfig.iSweepInterval}; },
    [](const OptionDialog&, int Index) {
        bChanged = VbTrue;
        tConfig.iSweepInterval = static_cast<int16_t>(Index);
    }};

[[maybe_unused]] const bool registered = registerOptionDialog(kPhotocellFilter) && registerOptionDialog(kRtcSource)
                                         && registerOptionDialog(kTimedOn) && registerOptionDialog(kRelayDrive)
                                         && registerOptionDialog(kSweepInterval);

} // namespace
