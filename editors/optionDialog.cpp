#include "editors/optionDialog.h"

#include <QGroupBox>

#include "editors/settingControls.h"
#include "platform/twips.h"

namespace {

constexpr int kOptionPitch = 360;

} // namespace

OptionDialog::OptionDialog(const OptionDialogKind& kind) : ChildForm(QString::fromLatin1(kind.formName)), kind_(kind)
{
    setCaption(QString::fromLatin1(kind.caption));
    const int options = static_cast<int>(kind.options.size());
    const int frameHeight = kOptionPitch * options + 495;
    setTwipsSize(kind.frameWidth + 480, frameHeight + 360);

    Frame1 = placed(new QGroupBox(QString::fromLatin1(kind.frameCaption), this), 240, 120, kind.frameWidth, frameHeight);
    Frame1->setObjectName(QString::fromLatin1(kind.frameName));
    for (const char* caption : kind.options) {
        const int k = static_cast<int>(opt.size());
        auto* option = addButton<VbOptionButton>(Frame1, QString::fromLatin1(caption), 240, 360 + kOptionPitch * k,
                                                 kind.frameWidth - 480);
        option->setObjectName(QString::fromLatin1(kind.optionName));
        option->presetValue(k == kind.designSelection);
        connect(option, &VbOptionButton::Click, this, [this, k] { opt_Click(k); });
        opt.push_back(option);
    }
}

// A stored code no option stands for selects none and stays until the user picks one.
void OptionDialog::Form_Activate()
{
    if (kind_.storedOption) selectOption(opt, kind_.storedOption());
}

void OptionDialog::opt_Click(int Index) { kind_.click(*this, Index); }
