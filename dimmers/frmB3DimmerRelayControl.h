#pragma once
// The relays that control each dimmer output and the two levels of that control. A
// plain click on a relay toggles it; Shift, Ctrl or Alt held sets the run from the
// relay clicked last to the one clicked to the state the last plain click gave.

#include <QGroupBox>
#include <cstdint>

#include "core/vbTypes.h"
#include "dimmers/engine/relayRun.h"
#include "editors/gridEditor.h"
#include "platform/childForm.h"

class frmB3DimmerRelayControl : public ChildForm {
    Q_OBJECT
public:
    frmB3DimmerRelayControl();

    void Form_Activate() override;
    void ShowControl();
    void cboDDev_Click();
    void cboDOut_Click();
    void cboOnLevel_Click();
    void cboOffLevel_Click();
    // The presses on a relay's picture and name keep the Shift argument for the click.
    void relay_MouseDown(int Index, int Shift);
    void IncCnt(int iInCnt);

    VbComboBox* cboDDev;
    VbComboBox* cboDOut;
    VbComboBox* cboOnLevel;
    VbComboBox* cboOffLevel;
    QGroupBox* frmConfig;
    GridEditor grid;
    LabelArray imgInclude;
    LabelArray lblRelayName;

    int16_t iDDev = 0;
    int16_t iDOut = 0;
    int16_t bLoading = VbFalse;
    int16_t iClickShift = 0;
    RelayRun run;  // iLastRelay and bLastState
};
