#pragma once
// The program started, a fake panel on a link of the test's choosing, and what the
// live-form tests look at: the command texts the panel received, the message boxes
// asked, the main menus' state.

#include <QString>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "appHarness.h"
#include "dialogRecorder.h"
#include "fakePanel.h"

class QPushButton;
class frmB3Connect;

class LiveFormHarness : public ::testing::Test {
protected:
    void TearDown() override;

    // Serves the panel on 127.0.6.<hostByte>:10001 and connects the tool to it. CTest runs
    // the cases side by side, so every case takes a host byte no other case uses.
    void connectTcp(int hostByte);
    // Serves the panel on a pseudo-terminal and opens it as a direct serial line.
    void connectSerial();
    void setInstalledPoints(int points);

    // Shows the form through its menu command and returns it.
    template <class Form>
    Form* openFromMenu(const char* menuName, const char* formName)
    {
        app.trigger(QString::fromLatin1(menuName));
        return app.formAs<Form>(QString::fromLatin1(formName));
    }
    // Shows the connect form with its "On Line Functions", as a connect leaves it,
    // clicks one of its buttons (which must be shown) and returns the form it opened.
    template <class Form>
    Form* openFromConnectForm(QPushButton* frmB3Connect::*button, const char* formName)
    {
        clickConnectFormButton(button);
        return app.formAs<Form>(QString::fromLatin1(formName));
    }
    bool mainMenusEnabled() const { return mainMenusAre(true); }
    bool mainMenusDisabled() const { return mainMenusAre(false); }

    // Command texts (frame, checksum and brackets taken off) in arrival order.
    std::vector<std::string> commandsReceived() const;
    // Runs the event loop until the panel has received `count` frames in all.
    bool waitForCommands(std::size_t count, int timeoutMs = 3000);

    FakePanel panel;
    DialogRecorder dialogs;
    AppHarness app;

private:
    void showConnectFormOnce();
    void clickConnectFormButton(QPushButton* frmB3Connect::*button);
    bool mainMenusAre(bool enabled) const;
};
