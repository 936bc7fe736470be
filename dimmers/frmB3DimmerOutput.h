#pragma once
// The 48 dimmer outputs (12 devices of 4), one at a time: device enabled, levels,
// fade rate, photocell tracking with its station, target and scaling graph, DMX
// channel, the 16 control options with their summaries, and, while a panel is
// connected, the live levels of the device's four outputs.
//
// Every value is read and written through the dimmer accessors; ShowControl refreshes
// every control under bLoading, so that a refresh stores nothing (but for the one
// correction of a station input number a station cannot have).

#include <QGroupBox>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/vbTypes.h"
#include "dimmers/engine/scaleGraph.h"
#include "platform/childForm.h"
#include "platform/vbControls.h"

class LivePollTimer;
class ScalePicture;

class frmB3DimmerOutput : public ChildForm {
    Q_OBJECT
public:
    frmB3DimmerOutput();

    void Form_Activate() override;
    void Form_Unload() override;
    void ShowControl();

    void cboDDev_Click();
    void cboDOut_Click();
    void chkEnabled_Click();
    void cboPowerOnLevel_Click();
    void cboMinLevel_Click();
    void cboMaxLevel_Click();
    void cboFadeRate_Click();
    void cboPCTrack_Click();
    void cboPCDev_Click();
    void cboTarget_Click();
    void cboDMX_Click();
    void cmdCopyConfig_Click();
    void cmdCopyControl_Click();

    // Control options.
    void cboCONum_Click();
    void cboCOTyp_Click();
    void cboCONumber_Click(VbComboBox* list);  // the input, timer and preset lists
    void cboCODev_Click();
    void cboCOAct_Click();
    void cboCOFade_Click();
    void cboCORevert_Click();
    void lblSummary_Click(int Index);

    // Scaling graph.
    void DrawLines();
    void picScale_MouseDown(double X, double Y);
    void picScale_MouseMove(double X, double Y);
    void picScale_MouseUp();
    void picScale_KeyDown(int KeyCode);

    // Live levels.
    void tmrStatus_Timer();
    void cmdUpdate_Click();
    void DimStsUpdate();

    VbComboBox* cboDDev;
    VbCheckBox* chkEnabled;
    QPushButton* cmdUpdate;
    LivePollTimer* tmrStatus;
    std::array<VbLabel*, 4> lblHdrLev{};
    std::array<VbLabel*, 4> lblShowLevels{};
    QGroupBox* frmConfig;
    VbComboBox* cboDOut;
    VbComboBox* cboPowerOnLevel;
    VbComboBox* cboMinLevel;
    VbComboBox* cboMaxLevel;
    VbComboBox* cboFadeRate;
    VbComboBox* cboPCTrack;
    VbLabel* lblPCTSource;
    VbComboBox* cboPCDev;
    VbComboBox* cboTarget;
    VbComboBox* cboDMX;
    QPushButton* cmdCopyConfig;
    QPushButton* cmdCopyControl;

    QGroupBox* frmControl;
    VbComboBox* cboCONum;
    VbComboBox* cboCOTyp;
    VbComboBox* cboCODev;
    VbComboBox* cboCOTmr;
    VbComboBox* cboCOPrs;
    VbComboBox* cboCOInp;
    VbComboBox* cboCOAct;
    VbComboBox* cboCOFade;
    VbComboBox* cboCORevert;
    std::array<VbLabel*, 16> lblSummary{};

    QGroupBox* frmScale;
    ScalePicture* picScale;
    VbLabel* lblPercent;
    VbLabel* lblFootCandle;
    VbLabel* lblVoltage;

    int16_t iDDev = 0;
    int16_t iDOut = 0;
    int16_t iCONum = 0;
    int16_t bLoading = VbFalse;
    ScaleGraph scale;

private:
    VbComboBox* addList(QWidget* parent, int left, int top, int width, const std::vector<std::string>& entries);
    // The list's position when a user's or a handler's pick stands; nothing while the
    // form refreshes or when the list shows no entry.
    std::optional<int16_t> chosen(const VbComboBox* list) const;
    void buildOutputFields();
    void buildControlOptions();
    void buildScaleGraph();
    void buildLiveLevels();
    void showTracking();
    void fillInputList();
    void showControlOption();
    void placeGrips();
    void showLiveLevels();
    void showGripTexts(int grip);
    void hideGripTexts();
    void storePoints();
    void openCopyDialog(const char* formName);
};
