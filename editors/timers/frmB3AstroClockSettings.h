#pragma once
// Where the panel computes sunrise and sunset from: latitude, longitude and time
// zone, picked in lists or taken from a city looked up in the city table.

#include "platform/childForm.h"

class QGroupBox;
class QPushButton;
class VbComboBox;
class VbLabel;

class frmB3AstroClockSettings : public ChildForm {
    Q_OBJECT
public:
    frmB3AstroClockSettings();

    void Form_Activate() override;
    void RestoreControls();

    void cboLatitude_Click();
    void cboLongitude_Click();
    void cboTimeZone_Click();
    void cmdFindLatLon_Click();
    void cmdAccept_Click();
    void cmdCancel_Click();

    QGroupBox* fraAstroSettings;
    VbLabel* lblLatitude;
    VbComboBox* cboLatitude;
    VbLabel* lblLongitude;
    VbComboBox* cboLongitude;
    VbLabel* lblTimeZone;
    VbComboBox* cboTimeZone;
    QPushButton* cmdFindLatLon;
    VbComboBox* cboFindLatLon;
    QPushButton* cmdAccept;
    QPushButton* cmdCancel;

private:
    // Enabled while the lists are chosen from, disabled while a city is looked up.
    void enableChoosing(bool choosing);
};
