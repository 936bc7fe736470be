#pragma once
// Live state of one networked station chosen by address: its device type, whether it
// answers, its inputs and, for a photocell, its light level.

#include <array>
#include <span>

#include "live/liveForm.h"

class QGroupBox;
class VbComboBox;

class frmB3TiverlinkStatus : public LiveForm {
    Q_OBJECT
public:
    frmB3TiverlinkStatus();

    void ShowStatus();
    void cboTLinkDevice_Click();

    VbComboBox* cboTLinkDevice = nullptr;
    VbLabel* lblTLinkDeviceType = nullptr;

    QGroupBox* fraStatus16 = nullptr;
    VbLabel* lblPresent16 = nullptr;
    std::array<VbLabel*, 6> lblInput16Number{};
    std::array<VbLabel*, 6> lblInput16Status{};

    QGroupBox* fraStatus8 = nullptr;
    VbLabel* lblPresent8 = nullptr;
    std::array<VbLabel*, 8> lblInput8Number{};
    std::array<VbLabel*, 8> lblInput8Status{};

    QGroupBox* fraStatus7 = nullptr;
    VbLabel* lblPresent7 = nullptr;
    std::array<VbLabel*, 4> lblInput7Number{};
    std::array<VbLabel*, 8> lblInput7Status{};

    QGroupBox* fraStatusF = nullptr;
    VbLabel* lblPresentF = nullptr;
    std::array<VbLabel*, 8> lblInputFNumber{};
    std::array<VbLabel*, 8> lblInputFStatus{};
    VbLabel* lblLightLevelA = nullptr;
    VbLabel* lblLightLevel = nullptr;

    int16_t iDeviceAddress = 0;
    std::array<int16_t, 9> bInputOn{};
    int16_t bDevicePresent = 0;
    int16_t iLightLevel = 0;

protected:
    void poll() override { ShowStatus(); }
    void showConnected() override;
    void showNotConnected() override;

private:
    // The three station reads for one address; false when one failed (the panel is
    // then lost and this form closed).
    bool GetDeviceStatus(int address);
    QGroupBox* frameOfType(int deviceType) const;
    VbLabel* presenceLabelOf(const QGroupBox* frame) const;
    void showFrame(QGroupBox* shown);
    void showStationRows(int deviceType, bool present);
    void paintOnOffRows(std::span<VbLabel* const> numbers, std::span<VbLabel* const> lamps, int shownRows);
};
