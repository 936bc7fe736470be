#include "transferDriver.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <gtest/gtest.h>

#include "appHarness.h"
#include "connectFormDriver.h"
#include "core/hexText.h"
#include "core/modB3Glimwarden.h"
#include "fakePanel.h"
#include "link/engine/panelCommands.h"
#include "link/frmB3Connect.h"
#include "platform/vbControls.h"
#include "platform/vbTextBox.h"

frmB3Connect* ConnectTo(const AppHarness& app, FakePanel& panel, const std::string& address)
{
    const std::array<uint8_t, 1> node0{1};
    panel.setMemory(kNodeTableAddress, node0);
    if (address.empty()) qputenv("B3_COM1", QByteArray::fromStdString(panel.openPty()));
    else EXPECT_TRUE(panel.listenTcp(address));
    frmB3Connect* form = OpenConnectForm(app);
    if (!address.empty()) {
        ChooseLinkType(form, kConnectionTcpIp);
        TypeInto(form->txtTCPIP, QString::fromStdString(address));
    }
    Click(form->cmdConnect);
    EXPECT_TRUE(bConnected);
    panel.clearReceived();
    return form;
}

void TypeIntoFocus(frmB3Connect* form, const QString& keys)
{
    for (const QChar key : keys) {
        QWidget* focus = form->focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClicks(focus, QString(key));
    }
}

int BlockShown(const frmB3Connect* form)
{
    const QString caption = form->lblActivityProgress->caption();
    if (!caption.contains(" Block ")) return 0;
    return caption.section(' ', 2, 2).toInt();
}

void WhenDuringTransfer(frmB3Connect* form, std::function<bool()> reached, std::function<void()> action)
{
    auto* watch = new QTimer(form);
    watch->setInterval(1);
    QObject::connect(watch, &QTimer::timeout, form, [watch, reached = std::move(reached), action = std::move(action)] {
        if (!reached()) return;
        watch->stop();
        watch->deleteLater();
        action();
    });
    watch->start();
}

std::vector<int> BlockAddresses(const std::vector<std::string>& frames)
{
    std::vector<int> addresses;
    for (const std::string& frame : frames) {
        const std::string op = frame.substr(3, 2);
        const bool block = frame.size() > 9 && (op == "30" || op == "31" || op == "36") && frame.substr(5, 4) != "1F7A";
        addresses.push_back(block ? HexWord(frame.substr(5, 4)) : -1);
    }
    return addresses;
}

bool PanelHoldsImage(const FakePanel& panel)
{
    const std::vector<uint8_t> memory = panel.memory(0, kImageSize);
    for (int a = 0; a < kImageSize; ++a) {
        if (memory[static_cast<std::size_t>(a)] != iImage[static_cast<std::size_t>(a)]) {
            ADD_FAILURE() << "panel memory differs at 0x" << std::hex << a;
            return false;
        }
    }
    return true;
}
