#include "appHarness.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"

AppHarness::AppHarness(StartupTimer startupTimer)
{
    QApplication::setQuitOnLastWindowClosed(false);
    window_ = &StartProgram();
    if (startupTimer == StartupTimer::AlreadyRun) {
        QTimer* timer = window_->tmrFix;
        timer->start(0);
        while (timer->isActive()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

AppHarness::~AppHarness()
{
    DestroyMainWindow();
    processEvents();
}

namespace {

// Enabled itself and inside menus that are all enabled, as a user could reach it.
bool reachable(const QAction* action)
{
    if (!action->isEnabled()) return false;
    for (const QObject* container : action->associatedObjects()) {
        if (const auto* menu = qobject_cast<const QMenu*>(container); menu && !reachable(menu->menuAction()))
            return false;
    }
    return true;
}

} // namespace

void AppHarness::trigger(const QString& controlName) const
{
    QAction* action = window_->menuControl(controlName);
    ASSERT_NE(action, nullptr) << controlName.toStdString();
    ASSERT_TRUE(reachable(action)) << controlName.toStdString() << " is greyed";
    action->trigger();
}

std::string AppHarness::statusPanel(int panel) const { return StatusPanelText(panel); }

void AppHarness::processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}
