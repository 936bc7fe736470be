#include "dimmers/dimCopyDialog.h"

#include "core/hexText.h"
#include "core/modB3Dimmers.h"
#include "platform/childFormRegistry.h"
#include "platform/msgBox.h"
#include "platform/twips.h"

namespace {
constexpr int kButtonsTop = 4440;
}

void setAllBoxes(std::span<VbCheckBox* const> boxes, bool ticked)
{
    for (VbCheckBox* box : boxes) box->setValue(ticked ? 1 : 0);
}

DimCopyDialog::DimCopyDialog(const QString& formName, const QString& caption, const QString& frameCaption, int widthTwips)
    : ChildForm(formName)
{
    setCaption(caption);
    setTwipsSize(widthTwips, 5040);
    frmDst = placed(new QGroupBox(frameCaption, this), 120, 120, 6240, 4200);
    // Made in the order of the layout, top to bottom and left to right, which is the
    // order Tab takes.
    cmdDstAll = placed(new QPushButton(QStringLiteral("All"), frmDst), 120, 300, 525, 255);
    cmdDstNone = placed(new QPushButton(QStringLiteral("None"), frmDst), 690, 300, 525, 255);
    connect(cmdDstAll, &QPushButton::clicked, this, [this] { cmdDstAll_Click(); });
    connect(cmdDstNone, &QPushButton::clicked, this, [this] { cmdDstNone_Click(); });
    for (int o = 0; o < kOutputsPerDimmer; ++o) {
        cmdAllOut[o] = placed(new QPushButton(QStringLiteral("All DO %1").arg(o + 1), frmDst), 1320 + 1220 * o, 300, 1095, 255);
        connect(cmdAllOut[o], &QPushButton::clicked, this, [this, o] { cmdAllOut_Click(o); });
    }
    for (int d = 0; d < kDimmerDevices; ++d) {
        cmdAllDev[d] = placed(new QPushButton(QString::fromStdString("All Dev" + Hex2(d + 1)), frmDst), 120, 600 + 240 * d, 1095, 240);
        connect(cmdAllDev[d], &QPushButton::clicked, this, [this, d] { cmdAllDev_Click(d); });
        for (int o = 0; o < kOutputsPerDimmer; ++o) {
            const int i = d * 4 + o;
            chkDst[i] = placed(new VbCheckBox(QString::fromStdString("D:" + Hex2(d + 1) + "." + std::to_string(o + 1)), frmDst), 1320 + 1220 * o, 600 + 240 * d, 1095, 240);
        }
    }
}

QPushButton* DimCopyDialog::addBottomButtons(std::function<void()> copy)
{
    copyButton_ = placed(new QPushButton(QStringLiteral("Copy Settings"), this), 120, kButtonsTop, 1215, 420);
    connect(copyButton_, &QPushButton::clicked, this, std::move(copy));
    cmdCancel = placed(new QPushButton(QStringLiteral("Cancel"), this), pixelsToTwips(width()) - 1335, kButtonsTop, 1215, 420);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    return copyButton_;
}

void DimCopyDialog::cmdAllDev_Click(int Index)
{
    for (int o = 0; o < kOutputsPerDimmer; ++o) chkDst[Index * 4 + o]->setValue(1);
}

void DimCopyDialog::cmdAllOut_Click(int Index)
{
    for (int d = 0; d < kDimmerDevices; ++d) chkDst[d * 4 + Index]->setValue(1);
}

void DimCopyDialog::cmdDstAll_Click() { setAllBoxes(chkDst, true); }

void DimCopyDialog::cmdDstNone_Click() { setAllBoxes(chkDst, false); }

void DimCopyDialog::cmdCancel_Click() { childForms::unload(formName()); }

void DimCopyDialog::forEachDestination(const std::function<void(int16_t, int16_t)>& write) const
{
    for (int16_t d = 0; d < kDimmerDevices; ++d)
        for (int16_t o = 0; o < kOutputsPerDimmer; ++o)
            if (chkDst[d * 4 + o]->Value() > 0) {
                DimSetDevEnabled(d, 1);
                write(d, o);
            }
}

void DimCopyDialog::copyComplete()
{
    // The editor's poll goes on under the box: a panel lost meanwhile has unloaded this
    // dialog already, so only its name is used afterwards.
    const QString name = formName();
    MsgBox("Copy Complete", vbOKOnly, "Copy Settings");
    childForms::unload(name);
}
