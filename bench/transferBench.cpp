// Whole downloads and uploads through the connect form against the fake panel, over
// loopback TCP and a pseudo-terminal; what a wait for a slow reply costs the
// processor; and a data file written and read back. The fake panel runs in this
// process, so the process figures include its thread; the UI-thread figures do not.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <array>
#include <ctime>

#include "bench/benchRegistry.h"
#include "core/dataFile.h"
#include "core/modB3Glimwarden.h"
#include "fakePanel.h"
#include "link/commandLink.h"
#include "link/frmB3Connect.h"
#include "platform/childFormRegistry.h"
#include "platform/msgBox.h"
#include "platform/vbTextBox.h"
#include "shell/frmB3MasterMDI.h"

namespace {

constexpr int kSlowReplyMs = 2000;
constexpr int kTransferRuns = 5;

double secondsOf(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Usage {
    double wall = 0, process = 0, thread = 0;
};

template <class Operation>
Usage measure(Operation operation)
{
    const Usage start{secondsOf(CLOCK_MONOTONIC), secondsOf(CLOCK_PROCESS_CPUTIME_ID), secondsOf(CLOCK_THREAD_CPUTIME_ID)};
    operation();
    return {secondsOf(CLOCK_MONOTONIC) - start.wall, secondsOf(CLOCK_PROCESS_CPUTIME_ID) - start.process,
            secondsOf(CLOCK_THREAD_CPUTIME_ID) - start.thread};
}

// The run of median wall time among a few, so that one disturbed run does not count.
template <class Operation>
Usage medianOf(Operation operation)
{
    std::array<Usage, kTransferRuns> runs;
    for (Usage& run : runs) run = measure(operation);
    std::sort(runs.begin(), runs.end(), [](const Usage& a, const Usage& b) { return a.wall < b.wall; });
    return runs[kTransferRuns / 2];
}

void add(std::vector<BenchFigure>& figures, const std::string& name, const Usage& usage)
{
    figures.push_back({name + " wall", usage.wall * 1000, "ms"});
    figures.push_back({name + " process cpu", usage.process * 1000, "ms"});
    figures.push_back({name + " ui-thread cpu", usage.thread * 1000, "ms"});
}

// The program as a user starts it, in a home folder of its own, answering Yes and OK.
class BenchProgram {
public:
    BenchProgram()
    {
        qputenv("HOME", home_.path().toLocal8Bit());
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance()) app_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setQuitOnLastWindowClosed(false);
        SetMsgBoxResponder([](const MsgBoxCall&) { return vbYes; });
        StartProgram();
        childForms::show("frmB3Connect");
        form = childForms::findAs<frmB3Connect>("frmB3Connect");
    }
    ~BenchProgram()
    {
        form->DisconnectGW();
        DestroyMainWindow();
        SetMsgBoxResponder({});
        QApplication::processEvents();
    }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    frmB3Connect* form = nullptr;

private:
    QTemporaryDir home_;
    int argc_ = 1;
    char name_[8] = "b3bench";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

bool connectOver(frmB3Connect* form, FakePanel& panel, bool tcp)
{
    if (tcp) {
        if (!panel.listenTcp("127.0.9.1")) return false;
        iConnectionType = kConnectionTcpIp;
        form->txtTCPIP->setText("127.0.9.1");
    } else {
        qputenv("B3_COM1", QByteArray::fromStdString(panel.openPty()));
        iConnectionType = kConnectionSerial;
        tConfig.iComPort = 1;
    }
    form->cmdConnect_Click();
    // The status poll of a serial link would share the line with the transfers.
    form->Timer1->stop();
    return bConnected != 0;
}

void measureLink(std::vector<BenchFigure>& figures, bool tcp)
{
    const std::string link = tcp ? "tcp" : "pty";
    BenchProgram program;
    FakePanel panel;
    if (!connectOver(program.form, panel, tcp)) {
        figures.push_back({link + " connect failed", 0, ""});
        return;
    }
    add(figures, link + " download 640 blocks", medianOf([&] {
            program.form->cmdDownLoadToB2_Click();
            program.form->cmdPassWordContinue_Click();
        }));
    add(figures, link + " upload 640 blocks", medianOf([&] { program.form->cmdUpLoadFromB2_Click(); }));
    program.form->Timer1->stop();

    panel.injectFault(FakePanel::Fault::LateReply, 1, kSlowReplyMs);
    const Usage wait = measure([] { SendCommand(panelCommand::ReadStatus()); });
    figures.push_back({link + " 2 s reply wait wall", wait.wall * 1000, "ms"});
    figures.push_back({link + " 2 s reply wait process cpu", 100 * wait.process / wait.wall, "% of wait"});
}

std::vector<BenchFigure> transferBench()
{
    std::vector<BenchFigure> figures;
    measureLink(figures, true);
    measureLink(figures, false);
    return figures;
}

std::vector<BenchFigure> dataFileBench()
{
    constexpr int kRuns = 200;
    QTemporaryDir folder;
    const std::string path = folder.filePath("bench.B3").toStdString();
    SetDefaultSettings();
    const Usage usage = measure([&] {
        for (int run = 0; run < kRuns; ++run) {
            WriteDataFile(path);
            ReadDataFile(path);
        }
    });
    return {{"write and read back", usage.wall * 1e6 / kRuns, "us/op"}};
}

} // namespace

B3_REGISTER_BENCH("transfer", transferBench)
B3_REGISTER_BENCH("datafile", dataFileBench)
