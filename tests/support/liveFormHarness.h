#pragma once
// A main window, a fake panel on a link of the test's choosing, and what the live
// forms tests look at: the command texts the panel received, the message boxes asked,
// the main menus' state.

#include <QString>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "fakePanel.h"
#include "platform/childFormRegistry.h"
#include "platform/msgBox.h"

class QAction;

class LiveFormHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Serves the panel on 127.0.6.<hostByte>:10001 and connects the tool to it.
    void connectTcp(int hostByte);
    // Serves the panel on a pseudo-terminal and opens it as a direct serial line.
    void connectSerial();
    void setInstalledPoints(int points);

    // Closes the child forms, shows `formName` from its menu command and returns it.
    template <class Form>
    Form* openFromMenu(const char* menuName, const char* formName)
    {
        triggerMenu(menuName);
        return childForms::findAs<Form>(QString::fromLatin1(formName));
    }
    void triggerMenu(const char* menuName);
    bool mainMenusEnabled() const;
    bool mainMenusDisabled() const;

    // Command texts (frame, checksum and brackets taken off) in arrival order.
    std::vector<std::string> commandsReceived() const;
    // Runs the event loop until the panel has received `count` frames in all.
    bool waitForCommands(std::size_t count, int timeoutMs = 3000);

    FakePanel panel;
    std::vector<MsgBoxCall> messages;
};
