#pragma once
// The shared base of the forms that show a connected panel's state live: the row
// grid's visibility, the not-connected label, the poll timer (every 250 ms from
// activation over a serial line or modem) and, over TCP/IP, "Update Status" and the
// automatic updates (every 750 ms, main menus off meanwhile). A form supplies its
// poll and its rows; everything about when to poll lives here.

#include <QString>
#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "live/liveFormRows.h"
#include "platform/childForm.h"

class LivePollTimer;
class QPushButton;
class VbLabel;

struct LiveFormOptions {
    QString noConnectionText = QStringLiteral("Not Connected To Brevantine 3");
    int noConnectionLeft = 240;
    int noConnectionTop = 240;
    int serialIntervalMs = 250;
    int tcpIntervalMs = 750;
    // Over TCP/IP most forms read the panel once when they are shown.
    bool pollWhenShownOverTcp = true;
    // A form without the not-connected display (the virtual keypad) sets itself up by
    // connection type alone and lets its polls fail while there is no link.
    bool hasNoConnectionLabel = true;
    // Where the rows stand and how many there are.
    GridGeometry rowGrid = kLiveRowGrid;
    // The client width; a form whose last column ends further right grows to hold it.
    int widthTwips = 10815;
};

class LiveForm : public ChildForm {
    Q_OBJECT
public:
    void Form_Activate() override;
    void Form_Unload() override;

    void Timer1_Timer();
    void cmdUpdateStatus_Click();
    void cmdAutoUpdate_Click();

    QPushButton* cmdUpdateStatus = nullptr;
    QPushButton* cmdAutoUpdate = nullptr;
    VbLabel* lblAutoUpdate = nullptr;
    VbLabel* lblNoConnection = nullptr;  // none without hasNoConnectionLabel
    LivePollTimer* Timer1 = nullptr;

protected:
    LiveForm(const QString& formName, const QString& caption, const LiveFormOptions& options = {});

    // One read of the panel and its painting (the form's Show procedure).
    virtual void poll() = 0;
    // With a link: name the rows and show those the panel has.
    virtual void showConnected() = 0;
    // Without a link: hide every row (and whatever else the form keeps from view).
    virtual void showNotConnected();
    // Controls that automatic updates disable besides "Update Status".
    virtual void autoUpdatesSwitched(bool /*on*/) {}

    // Polls unless an exchange is already awaited (a click then is dropped).
    void pollNow();

    const GridGeometry& rowGrid() const { return options_.rowGrid; }
    // The controls of row `row`, shown and hidden together.
    void addRowControls(int row, std::initializer_list<QWidget*> controls);
    void setRowVisible(int row, bool visible);
    // Rows below `count` take their names and are shown; the others are hidden.
    void showNamedRows(int count, std::span<const std::string> names, std::span<VbLabel* const> nameLabels);

    // Rows of a name label, a lamp and "Off"/"On" buttons (relays and groups).
    using RowClick = std::function<void(int Index)>;
    void buildSwitchRows(const QString& tipPrefix, std::array<VbLabel*, kLiveRows>& names,
                         std::array<VbLabel*, kLiveRows>& lamps, std::array<QPushButton*, kLiveRows>& turnOff,
                         std::array<QPushButton*, kLiveRows>& turnOn, const RowClick& offClick,
                         const RowClick& onClick);

private:
    void switchAutoUpdatesOn();
    void switchAutoUpdatesOff();
    void setAutoUpdateLabel(bool on);

    LiveFormOptions options_;
    bool autoUpdates_ = false;
    std::vector<std::vector<QWidget*>> rowControls_;
};
