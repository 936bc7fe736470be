#include "connectFormDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include "appHarness.h"
#include "link/engine/frameProtocol.h"
#include "link/frmB3Connect.h"
#include "platform/vbControls.h"

frmB3Connect* OpenConnectForm(const AppHarness& app)
{
    app.trigger("mnuConnect");
    auto* form = app.formAs<frmB3Connect>("frmB3Connect");
    EXPECT_NE(form, nullptr);
    return form;
}

void ChooseLinkType(frmB3Connect* form, int type) { QTest::mouseClick(form->chkConnectionType[type], Qt::LeftButton); }

void TypeInto(QWidget* box, const QString& keys)
{
    box->setFocus();
    QTest::keyClicks(box, keys);
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

bool WaitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= timeoutMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

std::vector<std::string> FramesOf(std::initializer_list<std::string> commands)
{
    std::vector<std::string> frames;
    for (const std::string& c : commands) frames.push_back(BuildFrame(c));
    return frames;
}
