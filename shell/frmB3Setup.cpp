#include "shell/frmB3Setup.h"

#include <QGroupBox>

#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "platform/childFormRegistry.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3Setup)

namespace {

constexpr unsigned int kLightRed = 0x8080FF;
constexpr unsigned int kLightGreen = 0x80FF80;
constexpr int kMaxPoints = 48;

constexpr int kRowTop = 360;
constexpr int kRowHeight = 330;
constexpr int kLabelHeight = 285;
constexpr int kCountLeft = 1080;
constexpr int kCountWidth = 1000;

const std::array<const char*, frmB3Setup::kNodes> kNodeCaptions = {
    "Node 1", "Node 2", "Node 3", "Node 4", "Node 5", "Node 6",
    "Node 7", "Node 8", "Node 9", "Node A", "Node B", "Node C",
};

const std::array<const char*, frmB3Setup::kAddOnModules> kAddOnModuleCaptions = {
    "None",
    "DMX Interface Module",
    "MODBUS Interface Module",
    "N2 Interface Module",
    "Voice / DTMF Module",
    "BACnet Interface Module",
    "Modem / Brevantine",
};

QString ioCountText(int points) { return QString::fromStdString(FormatNumber(points)) + " I/O"; }

QString rangeText(int first, int last)
{
    return QString::fromStdString(Format00(first) + " - " + Format00(last));
}

VbLabel* makeLabel(QWidget* parent, int left, int top, int width, const QString& caption = {})
{
    auto* label = placed(new VbLabel(parent), left, top, width, kLabelHeight);
    label->setCaption(caption);
    return label;
}

} // namespace

frmB3Setup::frmB3Setup() : ChildForm("frmB3Setup")
{
    setCaption("Setup");
    setTwipsSize(7200, 4900);

    fraIOConfiguration = placed(new QGroupBox("I/O Configuration", this), 120, 120, 3600, 4560);
    for (int i = 0; i < kNodes; ++i) {
        const int top = kRowTop + i * kRowHeight;
        lblNode[i] = makeLabel(fraIOConfiguration, 120, top, 900, kNodeCaptions[i]);
        lblIOCount[i] = makeLabel(fraIOConfiguration, kCountLeft, top, kCountWidth);
        lblIOCount[i]->setFrameShape(QFrame::Box);
        lblIOCount[i]->setAlignment(Qt::AlignCenter);
        lblIOAdd[i] = makeLabel(fraIOConfiguration, 2200, top, 1200);
        lblIOAdd[i]->setAlignment(Qt::AlignCenter);
        lblIOAdd[i]->setBackColor(kLightGreen);
        connect(lblIOCount[i], &VbLabel::Click, this, [this, i] { lblIOCount_Click(i); });
    }
    cboIOCount = placed(new VbComboBox(fraIOConfiguration), kCountLeft, kRowTop, kCountWidth, 315);
    cboIOCount->hide();
    connect(cboIOCount, &VbComboBox::Click, this, [this] { cboIOCount_Click(); });

    fraAddOnModule = placed(new QGroupBox("Add On Module", this), 3840, 120, 3240, 2880);
    for (int i = 0; i < kAddOnModules; ++i) {
        optAddOnModuleType[i] =
            placed(new VbOptionButton(kAddOnModuleCaptions[i], fraAddOnModule), 120, 360 + i * 345, 3000, 315);
        connect(optAddOnModuleType[i], &VbOptionButton::Click, this, [this, i] { optAddOnModuleType_Click(i); });
    }
}

void frmB3Setup::Form_Activate()
{
    // A value outside the options (damaged file) selects none.
    const int module = tConfig.iAddOnModule;
    if (module >= 0 && module < kAddOnModules) optAddOnModuleType[module]->setValue(true);
    ShowConfig();
    cboIOCount->hide();
}

void frmB3Setup::Form_Click() { cboIOCount->hide(); }

void frmB3Setup::ShowConfig()
{
    const int firstPoints = 4 * tConfig.iNodeIO[0];
    lblIOCount[0]->setCaption(ioCountText(firstPoints));
    lblIOAdd[0]->setCaption(rangeText(1, firstPoints));
    int end = firstPoints;
    for (int i = 1; i < kNodes; ++i) {
        const int points = 4 * tConfig.iNodeIO[static_cast<std::size_t>(i)];
        if (points == 0) {
            lblIOCount[i]->setCaption("-");
            lblIOAdd[i]->hide();
            continue;
        }
        const int start = end + 1;
        end = start + points - 1;
        lblIOCount[i]->setCaption(ioCountText(points));
        lblIOAdd[i]->show();
        if (end > kMaxPoints) {
            lblIOAdd[i]->setCaption("Invalid");
            lblIOAdd[i]->setBackColor(kLightRed);
        } else {
            lblIOAdd[i]->setCaption(rangeText(start, end));
            lblIOAdd[i]->setBackColor(kLightGreen);
        }
    }
}

void frmB3Setup::lblIOCount_Click(int Index)
{
    iOpenNode = Index;
    if (Index == 0) {
        cboIOCount->setItems({"4 I/O", "8 I/O", "12 I/O", "16 I/O", "20 I/O", "24 I/O", "28 I/O", "32 I/O"});
        cboIOCount->setListIndex(tConfig.iNodeIO[0] - 1);
    } else {
        cboIOCount->setItems({"None", "4 I/O", "8 I/O", "12 I/O", "16 I/O"});
        cboIOCount->setListIndex(tConfig.iNodeIO[static_cast<std::size_t>(Index)]);
    }
    const QRect label = lblIOCount[Index]->geometry();
    cboIOCount->move(label.x(), label.y() - twipsToPixels(15));
    cboIOCount->show();
    cboIOCount->raise();
    bChanged = VbTrue;
}

void frmB3Setup::cboIOCount_Click()
{
    const int choice = cboIOCount->ListIndex();
    if (choice < 0) return;
    tConfig.iNodeIO[static_cast<std::size_t>(iOpenNode)] = static_cast<int16_t>(iOpenNode == 0 ? choice + 1 : choice);
    cboIOCount->hide();
    ShowConfig();
    bChanged = VbTrue;
}

void frmB3Setup::optAddOnModuleType_Click(int Index)
{
    tConfig.iAddOnModule = static_cast<int16_t>(Index);
    cboIOCount->hide();
    bChanged = VbTrue;
}
