// The blink alert and alarm durations and the MODBUS add-on page: rows of a label
// and a list on the shared list settings form.
#include "core/modB3Glimwarden.h"
#include "editors/engine/listEntries.h"
#include "editors/listSettingsForm.h"
#include "platform/childFormRegistry.h"

namespace {

bool registerListSettings(const ListSettingsKind& kind)
{
    return childForms::registerFactory(QString::fromLatin1(kind.formName), [&kind] { return new ListSettingsForm(kind); });
}

const ListSettingsKind kBlinkAlert{
    "frmB3BlinkAlertAndAlarmSettings", "Blink Alert And Alarm Settings", "Blink Alert And Alarm Settings", "fraBlinkAlertAndAlarmSettings",
    {{"BlinkAlert", "Blink Alert", suffixedNumberEntries(2, 99, " Minutes"), 2, tConfig.iBlinkAlertMinutes},
     {"OverRide", "OverRide", suffixedNumberEntries(5, 999, " Minutes"), 5, tConfig.iOverrideMinutes},
     {"Alarm", "Alarm", suffixedNumberEntries(1, 99, " Seconds"), 1, tConfig.iAlarmSeconds}}};

const ListSettingsKind kModBus{
    "frmB3AddOnModuleModBus", "Add On Module ModBus", nullptr, nullptr,
    {{"Mode", "Mode", {"ASCII", "RTU"}, 0, tConfig.iModBusMode},
     {"Baud", "Baud", {"38400", "19200", "9600", "4800"}, 0, tConfig.iModBusBaud},
     {"Parity", "Parity", {"None", "Odd", "Even"}, 0, tConfig.iModBusParity}}};

[[maybe_unused]] const bool registered = registerListSettings(kBlinkAlert) && registerListSettings(kModBus);

} // namespace
