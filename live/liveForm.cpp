#include "live/liveForm.h"

#include <QPushButton>

#include "core/modB3Glimwarden.h"
#include "link/panelPoll.h"
#include "link/windowHooks.h"
#include "platform/latin1.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

namespace {
constexpr unsigned int kUpdatesEnabledColour = 0x80FF80;
constexpr unsigned int kUpdatesDisabledColour = 0x8080FF;
const QString kEnableAutoUpdates = QStringLiteral("Enable Auto Updates");
const QString kDisableAutoUpdates = QStringLiteral("Disable Auto Updates");
} // namespace

LiveForm::LiveForm(const QString& formName, const QString& caption, const LiveFormOptions& options)
    : ChildForm(formName), options_(options), rowControls_(static_cast<std::size_t>(options.rowGrid.rows))
{
    setCaption(caption);
    setTwipsSize(options.widthTwips, 7335);
    cmdUpdateStatus = placed(new QPushButton(QStringLiteral("Update Status"), this), 240, 6360, 1215, 495);
    cmdUpdateStatus->hide();
    connect(cmdUpdateStatus, &QPushButton::clicked, this, [this] { cmdUpdateStatus_Click(); });

    cmdAutoUpdate = placed(new QPushButton(kEnableAutoUpdates, this), 1680, 6360, 1455, 495);
    connect(cmdAutoUpdate, &QPushButton::clicked, this, [this] { cmdAutoUpdate_Click(); });

    lblAutoUpdate = placed(new VbLabel(this), 3120, 6360, 735, 495);
    styleStateLabel(lblAutoUpdate);
    lblAutoUpdate->setWordWrap(true);
    setAutoUpdateLabel(false);

    if (options_.hasNoConnectionLabel)
        lblNoConnection = makeNoConnectionLabel(this, options_.noConnectionLeft, options_.noConnectionTop,
                                                options_.noConnectionText);

    Timer1 = new LivePollTimer(options_.serialIntervalMs, this);
    connect(Timer1, &LivePollTimer::Timer, this, [this] { Timer1_Timer(); });
}

void LiveForm::Form_Activate()
{
    if (lblNoConnection) {
        if (!bConnected) {
            showNotConnected();
            lblNoConnection->show();
            return;
        }
        lblNoConnection->hide();
    }
    // Showing the form again while automatic updates run must not leave the menus off
    // under a button that reads "Enable Auto Updates".
    if (autoUpdates_) switchAutoUpdatesOff();
    showConnected();
    if (iConnectionType >= kConnectionTcpIp) {
        cmdUpdateStatus->show();
        cmdAutoUpdate->show();
        lblAutoUpdate->show();
        Timer1->stop();
        Timer1->setInterval(options_.tcpIntervalMs);
        if (options_.pollWhenShownOverTcp) pollNow();
    } else {
        cmdUpdateStatus->hide();
        cmdAutoUpdate->hide();
        lblAutoUpdate->hide();
        Timer1->setInterval(options_.serialIntervalMs);
        Timer1->start();
    }
}

void LiveForm::Form_Unload()
{
    Timer1->stop();
    if (autoUpdates_) switchAutoUpdatesOff();
}

void LiveForm::Timer1_Timer()
{
    if (bConnected) poll();
}

void LiveForm::cmdUpdateStatus_Click() { pollNow(); }

void LiveForm::cmdAutoUpdate_Click()
{
    if (autoUpdates_) switchAutoUpdatesOff();
    else switchAutoUpdatesOn();
}

void LiveForm::pollNow()
{
    PollUnlessLinkBusy([this] { poll(); });
}

void LiveForm::switchAutoUpdatesOn()
{
    autoUpdates_ = true;
    cmdAutoUpdate->setText(kDisableAutoUpdates);
    setAutoUpdateLabel(true);
    mainWindowHooks::DisableMainMenus(this);
    autoUpdatesSwitched(true);
    cmdUpdateStatus->setEnabled(false);
    Timer1->start();
}

void LiveForm::switchAutoUpdatesOff()
{
    autoUpdates_ = false;
    cmdAutoUpdate->setText(kEnableAutoUpdates);
    setAutoUpdateLabel(false);
    Timer1->stop();
    mainWindowHooks::EnableMainMenus(this);
    autoUpdatesSwitched(false);
    cmdUpdateStatus->setEnabled(true);
}

void LiveForm::setAutoUpdateLabel(bool on)
{
    lblAutoUpdate->setCaption(on ? QStringLiteral("Updates Enabled") : QStringLiteral("Updates Disabled"));
    lblAutoUpdate->setBackColor(on ? kUpdatesEnabledColour : kUpdatesDisabledColour);
}

void LiveForm::showNotConnected()
{
    for (int row = 0; row < rowGrid().rows; ++row) setRowVisible(row, false);
}

void LiveForm::addRowControls(int row, std::initializer_list<QWidget*> controls)
{
    rowControls_.at(static_cast<std::size_t>(row)).insert(rowControls_[static_cast<std::size_t>(row)].end(), controls);
}

void LiveForm::setRowVisible(int row, bool visible)
{
    for (QWidget* control : rowControls_.at(static_cast<std::size_t>(row))) control->setVisible(visible);
}

void LiveForm::showNamedRows(int count, std::span<const std::string> names, std::span<VbLabel* const> nameLabels)
{
    for (std::size_t row = 0; row < nameLabels.size(); ++row) {
        const bool shown = static_cast<int>(row) < count;
        if (shown) nameLabels[row]->setCaption(toQ(names[row]));
        setRowVisible(static_cast<int>(row), shown);
    }
}

void LiveForm::buildSwitchRows(const QString& tipPrefix, std::array<VbLabel*, kLiveRows>& names,
                               std::array<VbLabel*, kLiveRows>& lamps, std::array<QPushButton*, kLiveRows>& turnOff,
                               std::array<QPushButton*, kLiveRows>& turnOn, const RowClick& offClick,
                               const RowClick& onClick)
{
    for (int i = 0; i < kLiveRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        names[at] = makeRowNameLabel(this, i, tipPrefix, rowGrid());
        lamps[at] = makeRowLamp(this, i, 1920, QStringLiteral("Off"), kLampOffColour, rowGrid());
        turnOff[at] = makeRowButton(this, i, 2400, QStringLiteral("Off"), 495, rowGrid());
        turnOn[at] = makeRowButton(this, i, 2880, QStringLiteral("On"), 495, rowGrid());
        connect(turnOff[at], &QPushButton::clicked, this, [offClick, i] { offClick(i); });
        connect(turnOn[at], &QPushButton::clicked, this, [onClick, i] { onClick(i); });
        addRowControls(i, {names[at], lamps[at], turnOff[at], turnOn[at]});
    }
}
