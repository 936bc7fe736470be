#include "editors/timers/timerControlForm.h"

#include "core/modB3Glimwarden.h"
#include "platform/childFormRegistry.h"

namespace {

constexpr std::array<std::string_view, 3> kSwitchActions = {"None", "Turn On", "Turn Off"};
constexpr std::array<std::string_view, 2> kPresetActions = {"None", "Activate"};

// A code no list has (a damaged file, an upload) shows an empty cell and stays.
constexpr ActionGridPlace kTimerGridPlace{360, false, false};

bool registerTimerControlForm(const TimerControlTable& table)
{
    return childForms::registerFactory(QString::fromLatin1(table.formName),
                                       [table] { return new TimerControlForm(table); });
}

[[maybe_unused]] const bool registered =
    registerTimerControlForm({"frmB3TimerToRelayControl", "Timer To Relay Control", tConfig.iTimerToRelayControl,
                              kSwitchActions, ActionTargets::Relays})
    && registerTimerControlForm({"frmB3TimerToGroupControl", "Timer To Group Control", tConfig.iTimerToGroupControl,
                                 kSwitchActions, ActionTargets::Groups})
    && registerTimerControlForm({"frmB3TimerToPresetControl", "Timer To Preset Control",
                                 tConfig.iTimerToPresetControl, kPresetActions, ActionTargets::Presets});

} // namespace

TimerControlForm::TimerControlForm(const TimerControlTable& table)
    : ActionGridForm(QString::fromLatin1(table.formName), QString::fromLatin1(table.caption), kTimerGridPlace),
      table_(table)
{
}

void TimerControlForm::Form_Activate() { fillSelector(nameEntries(tConfig.sTimerName, 48)); }

int16_t* TimerControlForm::actionCode(int row)
{
    const int t = cboTimer->ListIndex();
    return t < 0 ? nullptr : &table_.matrix(t, row);
}

ActionGridItem TimerControlForm::shownItem() { return {{}, table_.actions, table_.targets, false}; }
