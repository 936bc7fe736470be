// The mouse wheel over the controls that store a value: a list or scroll bar the
// pointer merely rests on keeps its value, and the form's configuration stays as it
// was; the control that has the keyboard focus takes the wheel.
#include <QApplication>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>

#include "core/modB3Glimwarden.h"
#include "editors/listSettingsForm.h"
#include "platform/vbControls.h"
#include "stations/frmB3ConfigureTiverlinkDevices.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"
#include "support/widgetActions.h"

namespace {

// One notch towards the user over the middle of the control, delivered as Qt delivers
// a real wheel: a control whose focus policy takes the focus by wheel gets it first.
void turnWheelOver(QWidget* control)
{
    if ((control->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus) control->setFocus(Qt::MouseFocusReason);
    const QPointF pos(control->width() / 2.0, control->height() / 2.0);
    QWheelEvent notch(pos, control->mapToGlobal(pos), QPoint(), QPoint(0, -QWheelEvent::DefaultDeltasPerStep),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &notch);
}

bool configurationIs(const PanelConfig& config, const decltype(tStation)& stations)
{
    return tConfig == config && tStation == stations;
}

struct WheelTarget {
    const char* name;
    // Opens the form and gives the control under the wheel and another one on the form.
    std::function<std::pair<QWidget*, QWidget*>(const AppHarness&)> open;
};

const WheelTarget kTargets[] = {
    {"alarm list",
     [](const AppHarness& app) -> std::pair<QWidget*, QWidget*> {
         app.trigger("mnuBlinkAlertAndAlarmSettings");
         AppHarness::processEvents();
         auto* form = app.formAs<ListSettingsForm>("frmB3BlinkAlertAndAlarmSettings");
         return {form->cbo[2], form->cbo[0]};
     }},
    {"photocell level bar",
     [](const AppHarness& app) -> std::pair<QWidget*, QWidget*> {
         tStation[9].iOffLevel[0] = 128;
         app.trigger("mnuConfigureTiverlinkDevices");
         AppHarness::processEvents();
         auto* form = app.formAs<frmB3ConfigureTiverlinkDevices>("frmB3ConfigureTiverlinkDevices");
         chooseListEntry(form->cboTLinkDevice, 9);
         chooseListEntry(form->cboTLinkType, 9);
         return {form->hsInputFOffLevel[0], form->cboTLinkDevice};
     }},
};

} // namespace

TEST(WheelEditing, OnlyTheFocusedControlTakesTheWheel)
{
    DialogRecorder dialogs;
    AppHarness app;
    for (const WheelTarget& target : kTargets) {
        SCOPED_TRACE(target.name);
        const auto [control, elsewhere] = target.open(app);
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(control->isVisible());

        elsewhere->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(elsewhere->hasFocus());
        const PanelConfig config = tConfig;
        const auto stations = tStation;
        bChanged = VbFalse;
        turnWheelOver(control);
        EXPECT_TRUE(configurationIs(config, stations));
        EXPECT_FALSE(bChanged);
        EXPECT_FALSE(control->hasFocus());

        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(control->hasFocus());
        turnWheelOver(control);
        EXPECT_FALSE(configurationIs(config, stations));
        EXPECT_TRUE(bChanged);
    }
}
