#include "live/frmB3SystemDiagnostic.h"

#include <QPushButton>

#include "core/hexText.h"
#include "core/vbTypes.h"
#include "link/engine/panelCommands.h"
#include "link/panelPoll.h"
#include "live/liveFormRows.h"
#include "link/windowHooks.h"
#include "platform/childFormRegistry.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3SystemDiagnostic)

namespace {

constexpr GridGeometry kStationRows{
    .firstTop = 360, .columnPitch = 720, .linePitch = 195, .linesPerColumn = 32, .rows = kDiagnosticStations};
constexpr int kRowHeight = 195;

constexpr unsigned int kGreen = 0xFF00;
constexpr unsigned int kYellow = 0xFFFF;
constexpr unsigned int kRed = 0xFF;
constexpr unsigned int kBlue = 0xFF0000;
constexpr unsigned int kWhite = 0xFFFFFF;
constexpr unsigned int kBlack = 0;
constexpr unsigned int kGrey = 0x808080;

unsigned int answerColour(StationAnswer answer)
{
    switch (answer) {
    case StationAnswer::Answered: return kGreen;
    case StationAnswer::AnsweredBefore: return kYellow;
    case StationAnswer::NoAnswer: break;
    }
    return kRed;
}

VbLabel* makeStationLabel(QWidget* parent, int row, int leftOffset, int width, const QString& caption)
{
    auto* label = new VbLabel(parent);
    styleStateLabel(label);
    label->setBackColor(kGrey);
    label->setCaption(caption);
    placeInLiveRow(label, row, leftOffset, width, kRowHeight, kStationRows);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, int top)
{
    return placed(new QPushButton(caption, parent), 2160, top, 1455, 495);
}

QString cycleText(int cycle) { return QStringLiteral("Cycle: %1").arg(cycle); }

} // namespace

frmB3SystemDiagnostic::frmB3SystemDiagnostic() : ChildForm(QStringLiteral("frmB3SystemDiagnostic"))
{
    setCaption(QStringLiteral("System Diagnostic"));
    setTwipsSize(3855, 6840);
    for (int i = 0; i < kDiagnosticStations; ++i) {
        const auto at = static_cast<std::size_t>(i);
        lblTLNode[at] = makeStationLabel(this, i, 240, 240, QString::fromStdString(Hex2(i + 1)));
        lblTLComError[at] = makeStationLabel(this, i, 480, 465, QStringLiteral("---"));
        connect(lblTLNode[at], &VbLabel::Click, this, [this, i] { lblTLNode_Click(i); });
    }
    lblNode = placed(new VbLabel(this), 240, 120, 1455, 240);
    lblNode->setCaption(QStringLiteral("Tiverlink Node"));

    cmdStop = makeButton(this, QStringLiteral("Stop"), 360);
    cmdClearTotals = makeButton(this, QStringLiteral("Clear Totals"), 960);
    cmdClearTotals->setEnabled(false);
    cmdClearTLChanges = makeButton(this, QStringLiteral("Clear TL Changes"), 1560);
    lblCycleCount = placed(new VbLabel(this), 2160, 2160, 1455, 315);
    styleStateLabel(lblCycleCount);
    connect(cmdStop, &QPushButton::clicked, this, [this] { cmdStop_Click(); });
    connect(cmdClearTotals, &QPushButton::clicked, this, [this] { cmdClearTotals_Click(); });
    connect(cmdClearTLChanges, &QPushButton::clicked, this, [this] { cmdClearTLChanges_Click(); });

    Timer1 = new LivePollTimer(250, this);
    connect(Timer1, &LivePollTimer::Timer, this, [this] { Timer1_Timer(); });
}

void frmB3SystemDiagnostic::Form_Activate()
{
    mainWindowHooks::DisableMainMenus(this);
    Timer1->stop();
    cmdStop->setText(QStringLiteral("Stop"));
    bTestStopped = VbFalse;
    const auto presence = QueryPanelBytes(this, panelCommand::ReadDevicePresence(), kStationAddresses);
    if (!presence) return;
    test.takeAnswering(*presence);
    for (int s = 1; s <= kDiagnosticStations; ++s)
        if (test.enabled(s)) markInTest(s);
    // Only after a good scan: over TCP/IP a tick would otherwise fall into the scan's
    // wait, and after a failed one it would fire into the dead link. A "Stop" pressed
    // during the scan's wait holds.
    if (!bTestStopped) Timer1->start();
}

void frmB3SystemDiagnostic::Form_Unload()
{
    Timer1->stop();
    // Whether it was running, stopped or lost its link, the test leaves the menus on.
    mainWindowHooks::EnableMainMenus(this);
}

void frmB3SystemDiagnostic::Timer1_Timer()
{
    if (test.runEnded()) {
        lblCycleCount->setCaption(QStringLiteral("Test Stopped"));
        return;
    }
    test.countCycle();
    showCycle();

    const auto presence = QueryPanelBytes(this, panelCommand::ReadDevicePresence(), kStationAddresses);
    if (!presence) return;
    for (int s = 1; s <= kDiagnosticStations; ++s) {
        if (!test.enabled(s)) continue;
        errorLabel(s)->setBackColor(answerColour(test.recordPresence(s, (*presence)[static_cast<std::size_t>(s)])));
        errorLabel(s)->setCaption(QString::fromStdString(FailureTotalText(test.errorTotal(s))));
    }

    const auto inputs = QueryPanelBytes(this, panelCommand::ReadDeviceInputs(), kStationAddresses);
    if (!inputs) return;
    for (int s = 1; s <= kDiagnosticStations; ++s) {
        if (!test.enabled(s) || !test.recordInputs(s, (*inputs)[static_cast<std::size_t>(s)])) continue;
        nodeLabel(s)->setBackColor(kBlue);
        nodeLabel(s)->setForeColor(kWhite);
    }
}

void frmB3SystemDiagnostic::cmdStop_Click()
{
    const bool start = bTestStopped != 0;
    bTestStopped = start ? VbFalse : VbTrue;
    if (start) Timer1->start();
    else Timer1->stop();
    cmdStop->setText(start ? QStringLiteral("Stop") : QStringLiteral("Start"));
    cmdClearTotals->setEnabled(!start);
    if (start) mainWindowHooks::DisableMainMenus(this);
    else mainWindowHooks::EnableMainMenus(this);
}

void frmB3SystemDiagnostic::cmdClearTotals_Click()
{
    test.clearTotals();
    showCycle();
    for (int s = 1; s <= kDiagnosticStations; ++s) {
        if (!test.enabled(s)) continue;
        errorLabel(s)->setBackColor(kGreen);
        errorLabel(s)->setCaption(QString::fromStdString(FailureTotalText(0)));
    }
}

void frmB3SystemDiagnostic::cmdClearTLChanges_Click()
{
    for (int s = 1; s <= kDiagnosticStations; ++s)
        if (test.enabled(s)) markInTest(s);
}

void frmB3SystemDiagnostic::lblTLNode_Click(int Index)
{
    // While the test runs, its opening scan included (the timer starts only after it).
    if (!bTestStopped || Index < 0 || Index >= kDiagnosticStations) return;
    const int s = Index + 1;
    test.toggle(s);
    if (test.enabled(s)) {
        markInTest(s);
    } else {
        nodeLabel(s)->setBackColor(kGrey);
        nodeLabel(s)->setForeColor(kBlack);
    }
}

void frmB3SystemDiagnostic::markInTest(int station)
{
    nodeLabel(station)->setBackColor(kWhite);
    nodeLabel(station)->setForeColor(kBlack);
}

void frmB3SystemDiagnostic::showCycle() { lblCycleCount->setCaption(cycleText(test.iCycle)); }
