#include "dimmers/frmB3DimCopyCnf.h"

#include "dimmers/engine/dimmerFields.h"
#include "platform/childFormRegistry.h"

B3_REGISTER_CHILD_FORM(frmB3DimCopyCnf)

frmB3DimCopyCnf::frmB3DimCopyCnf()
    : DimCopyDialog(QStringLiteral("frmB3DimCopyCnf"), QStringLiteral("Copy Dimmer Configuration"),
                    QStringLiteral("Copy Configuration To Outputs"), 6480)
{
    cmsCopy = addBottomButtons([this] { cmsCopy_Click(); });
}

void frmB3DimCopyCnf::cmsCopy_Click()
{
    const OutputConfig source = ReadOutputConfig(iCSrcDev, iCSrcOut);
    forEachDestination([&source](int16_t d, int16_t o) { WriteOutputConfig(d, o, source); });
    copyComplete();
}
