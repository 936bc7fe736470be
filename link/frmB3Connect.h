#pragma once
// The connect form: how the host reaches the panel (direct serial, modem, TCP/IP),
// connecting and disconnecting, the panel's status, clock and revision, and the
// buttons of everything that needs a live link. Created once and never unloaded
// before exit: closing the child forms only hides it, and it keeps the link.
//
// Download and upload live in frmB3ConnectTransfer.cpp. A transfer holds a
// LinkBusyScope (link/commandLink.h) for its whole run, so that nothing else starts an
// exchange and the main window waits before closing.

#include <QPointer>
#include <array>
#include <cstdint>
#include <string>

#include "platform/childForm.h"

class QGroupBox;
class QProgressBar;
class QPushButton;
class QTimer;
class VbCheckBox;
class VbLabel;
class VbOptionButton;
class VbTextBox;

class frmB3Connect : public ChildForm {
    Q_OBJECT
public:
    static constexpr int kComPorts = 16;
    static constexpr int kRevisionLabels = 40;
    static constexpr int kPasswordBoxes = 6;
    static constexpr int kPollIntervalMs = 250;

    frmB3Connect();

    void Form_Activate() override;
    void Form_Unload() override;
    // The form keeps the link and its settings: its close box only hides it and stops
    // the status poll, as closing the child forms does.
    bool Form_QueryUnload() override;

    // Link settings.
    QGroupBox* Frame1 = nullptr;
    VbLabel* lblConnectionType = nullptr;
    std::array<VbCheckBox*, 3> chkConnectionType{};
    std::array<VbOptionButton*, kComPorts> optComPort{};
    VbTextBox* txtPhoneNumber = nullptr;
    VbTextBox* txtTCPIP = nullptr;
    QPushButton* cmdConnect = nullptr;
    VbLabel* lblModem = nullptr;
    QTimer* Timer1 = nullptr;

    // On line functions.
    QGroupBox* fraOnLineFunctions = nullptr;
    VbLabel* lblPanelTimeA = nullptr;
    VbLabel* lblPanelTime = nullptr;
    VbLabel* lblPanelDateA = nullptr;
    VbLabel* lblPanelDate = nullptr;
    VbLabel* lblIOInstalledA = nullptr;
    VbLabel* lblIOInstalled = nullptr;
    VbLabel* lblAddOnCardTypeRevA = nullptr;
    VbLabel* lblAddOnCardTypeRev = nullptr;
    QGroupBox* fraFirmwareRevision = nullptr;
    std::array<VbLabel*, kRevisionLabels> lblB2FirmwareRevision{};
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdSetGWClock = nullptr;
    QPushButton* cmdVirtualKeypad = nullptr;
    QPushButton* cmdNetworkDiagnostics = nullptr;
    QPushButton* cmdDownLoadToB2 = nullptr;
    QPushButton* cmdUpLoadFromB2 = nullptr;
    QPushButton* cmdCancelUpDownLoad = nullptr;
    VbLabel* lblActivityProgress = nullptr;
    QProgressBar* pbActivityProgress = nullptr;

    // Password.
    QGroupBox* fraPassWord = nullptr;
    VbLabel* lblPassWord = nullptr;
    std::array<VbTextBox*, kPasswordBoxes> txtPassWord{};
    VbCheckBox* chkChangePanelPassWord = nullptr;
    VbLabel* lblNewPassWord = nullptr;
    std::array<VbTextBox*, kPasswordBoxes> txtNewPassWord{};
    QPushButton* cmdPassWordContinue = nullptr;
    QPushButton* cmdPassWordCancel = nullptr;

    // Form variables.
    std::array<int16_t, kComPorts + 1> bPortAvailable{};
    std::string sRevText;
    int16_t bHardwareChecked = 0;
    int16_t bModemUp = 0;
    int16_t bCancelTransfer = 0;

    // Link settings and connecting.
    void FindComPorts();
    void chkConnectionType_MouseUp(int Index);
    void optComPort_Click(int Index);
    void txtPhoneNumber_Change();
    void txtTCPIP_Change();
    void txtPhoneNumber_KeyPress(int& KeyAscii);
    void txtTCPIP_KeyPress(int& KeyAscii);
    void cmdConnect_Click();
    void ConnectSerial();
    void ConnectTCP();
    void DisconnectGW();

    // Status, clock and revision.
    void ReadGWStatus();
    void Timer1_Timer();
    void cmdRefresh_Click();
    void cmdSetGWClock_Click();
    void LoadRevLabels();
    void ShowRevLabels();

    void cmdVirtualKeypad_Click();
    void cmdNetworkDiagnostics_Click();

    // Download and upload (frmB3ConnectTransfer.cpp).
    void cmdDownLoadToB2_Click();
    void cmdUpLoadFromB2_Click();
    void cmdCancelUpDownLoad_Click();
    void cmdPassWordContinue_Click();
    void cmdPassWordCancel_Click();
    void chkChangePanelPassWord_Click();
    void txtPassWord_KeyPress(int Index, int& KeyAscii);
    void txtNewPassWord_KeyPress(int Index, int& KeyAscii);
    void DownLoadSettings();
    void UpLoadSettings();
    void MasterMDIMenuDisable();
    void MasterMDIMenuEnable();

private:
    void buildLinkControls();
    void buildOnLineFunctions();
    void buildPasswordFrame();
    void connectTransferControls();
    void setTransferBusy(bool busy);
    void leavePasswordFrame();
    void endTransferActivity();
    void resumePoll();
    void resetAfterUploadFailure();
    void installMainWindowHooks();
    void showLinkTypeControls(int type);
    // The link settings of the record shown in their controls.
    void showLinkSettings();
    void showModemProgress(const char* caption, unsigned int backColor);
    void showConnectedAppearance(int enabledPortButtons);
    void ReadRevisionOrFail();
    void failConnect(bool serial);
    void askToAdoptPanelHardware(const std::array<int, 12>& nodes, int cardType);
};
