// The live levels of frmB3DimmerOutput: the four outputs of the selected device read
// from a connected panel, every 500 ms over a serial line or modem, on "Update" over
// TCP/IP.

#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "dimmers/frmB3DimmerOutput.h"
#include "link/panelPoll.h"
#include "platform/latin1.h"
#include "platform/twips.h"

namespace {
constexpr int kPollMs = 500;
constexpr double kBytePerPercent = 2.55;
} // namespace

void frmB3DimmerOutput::buildLiveLevels()
{
    for (int i = 0; i < 4; ++i) {
        lblHdrLev[i] = placed(new VbLabel(this), 4920 + 840 * i, 45, 780, 210);
        lblHdrLev[i]->setCaption(QStringLiteral("Out %1").arg(i + 1));
        lblHdrLev[i]->setAlignment(Qt::AlignCenter);
        lblShowLevels[i] = placed(new VbLabel(this), 4920 + 840 * i, 270, 780, 255);
        lblShowLevels[i]->setAlignment(Qt::AlignCenter);
        lblShowLevels[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    cmdUpdate = placed(new QPushButton(QStringLiteral("Update"), this), 8400, 90, 975, 420);
    tmrStatus = new LivePollTimer(kPollMs, this);
    showLiveLevels();
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    connect(tmrStatus, &LivePollTimer::Timer, this, [this] { tmrStatus_Timer(); });
}

void frmB3DimmerOutput::Form_Unload() { tmrStatus->stop(); }

void frmB3DimmerOutput::showLiveLevels()
{
    const bool live = chkEnabled->Value() > 0 && bConnected;
    for (int i = 0; i < 4; ++i) {
        lblHdrLev[i]->setVisible(live);
        lblShowLevels[i]->setVisible(live);
    }
    const bool polled = live && iConnectionType < kConnectionTcpIp;
    cmdUpdate->setVisible(live && !polled);
    if (polled && !tmrStatus->isActive()) tmrStatus->start();
    else if (!polled) tmrStatus->stop();
}

void frmB3DimmerOutput::tmrStatus_Timer() { DimStsUpdate(); }

void frmB3DimmerOutput::cmdUpdate_Click() { DimStsUpdate(); }

void frmB3DimmerOutput::DimStsUpdate()
{
    if (chkEnabled->Value() <= 0 || !bConnected) return;
    // The door refuses a press of "Update" while a reply is awaited. A failed read
    // reports the lost panel, whose closing of the child forms stops tmrStatus before
    // its message shows and deletes this form once the handler is done.
    const auto levels = QueryPanelBytes(this, panelCommand::ReadDimmerLevels(), kDimmerLevels);
    if (!levels) return;
    const int device = cboDDev->ListIndex();
    if (device < 0) return;
    for (int i = 0; i < 4; ++i)
        lblShowLevels[i]->setCaption(toQ(FormatFixed((*levels)[4 * device + i] / kBytePerPercent, 0) + "%"));
}
