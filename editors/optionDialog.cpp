#include "editors/optionDialog.h"

#include <QGroupBox>

#include "core/modB3Glimwarden.h"
#include "editors/settingControls.h"
#include "platform/childFormRegistry.h"
#include "platform/twips.h"

namespace {

constexpr int kOptionPitch = 360;

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

OptionDialog::OptionDialog(const OptionDialogKind& kind) : ChildForm(QString::fromLatin1(kind.formName)), kind_(kind)
{
    setCaption(QString::fromLatin1(kind.caption));
    const int options = static_cast<int>(kind.options.size());
    const int frameHeight = kOptionPitch * options + 495;
    setTwipsSize(kind.frameWidth + 480, frameHeight + 360);

    Frame1 = placed(new QGroupBox(QString::fromLatin1(kind.frameCaption), this), 240, 120, kind.frameWidth, frameHeight);
    Frame1->setObjectName(QString::fromLatin1(kind.frameName));
    for (const char* caption : kind.options) {
        const int k = static_cast<int>(opt.size());
        auto* option = addButton<VbOptionButton>(Frame1, QString::fromLatin1(caption), 240, 360 + kOptionPitch * k,
                                                 kind.frameWidth - 480);
        option->setObjectName(QString::fromLatin1(kind.optionName));
        option->presetValue(k == kind.designSelection);
        connect(option, &VbOptionButton::Click, this, [this, k] { opt_Click(k); });
        opt.push_back(option);
    }
}

// A stored code no option stands for selects none and stays until the user picks one.
void OptionDialog::Form_Activate()
{
    if (kind_.storedOption) selectOption(opt, kind_.storedOption());
}

void OptionDialog::opt_Click(int Index) { kind_.click(*this, Index); }
