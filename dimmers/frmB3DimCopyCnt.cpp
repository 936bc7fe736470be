#include "dimmers/frmB3DimCopyCnt.h"

#include "core/modB3Dimmers.h"
#include "core/vbRuntime.h"
#include "dimmers/engine/dimmerFields.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "platform/twips.h"

B3_REGISTER_CHILD_FORM(frmB3DimCopyCnt)

frmB3DimCopyCnt::frmB3DimCopyCnt()
    : DimCopyDialog(QStringLiteral("frmB3DimCopyCnt"), QStringLiteral("Copy Dimmer Controls"),
                    QStringLiteral("Copy To Outputs"), 8160)
{
    // Made in the order of the layout, which is the order Tab takes.
    frmSrcCnt = placed(new QGroupBox(QStringLiteral("Controls To Copy"), this), 6480, 120, 1560, 4200);
    cmdCntAll = placed(new QPushButton(QStringLiteral("All"), frmSrcCnt), 120, 300, 615, 255);
    cmdCntNone = placed(new QPushButton(QStringLiteral("None"), frmSrcCnt), 780, 300, 615, 255);
    connect(cmdCntAll, &QPushButton::clicked, this, [this] { cmdCntAll_Click(); });
    connect(cmdCntNone, &QPushButton::clicked, this, [this] { cmdCntNone_Click(); });
    for (int n = 0; n < kDimmerOptions; ++n) {
        chkCNum[n] = placed(new VbCheckBox(toQ("Control " + Format00(n + 1)), frmSrcCnt), 120, 600 + 210 * n, 1335, 210);
    }
    cmdCopy = addBottomButtons([this] { cmdCopy_Click(); });
}

void frmB3DimCopyCnt::cmdCntAll_Click() { setAllBoxes(chkCNum, true); }

void frmB3DimCopyCnt::cmdCntNone_Click() { setAllBoxes(chkCNum, false); }

void frmB3DimCopyCnt::cmdCopy_Click()
{
    std::array<ControlOption, kDimmerOptions> source{};
    for (int16_t n = 0; n < kDimmerOptions; ++n) source[n] = ReadControlOption(iCSrcDev, iCSrcOut, n);
    for (int16_t n = 0; n < kDimmerOptions; ++n) {
        if (chkCNum[n]->Value() <= 0) continue;
        forEachDestination([&source, n](int16_t d, int16_t o) { WriteControlOption(d, o, n, source[n]); });
    }
    copyComplete();
}
