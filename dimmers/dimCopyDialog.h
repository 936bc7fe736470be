#pragma once
// What the two dimmer copy dialogs share: the source output set by the caller, the
// grid of the 48 destination outputs with its selection buttons, Cancel, and the end
// of a copy. Each dialog adds what it copies.

#include <QGroupBox>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "platform/childForm.h"
#include "platform/vbControls.h"

class DimCopyDialog : public ChildForm {
    Q_OBJECT
public:
    void cmdAllDev_Click(int Index);
    void cmdAllOut_Click(int Index);
    void cmdDstAll_Click();
    void cmdDstNone_Click();
    void cmdCancel_Click();

    QAbstractButton* cancelButton() const override { return cmdCancel; }
    QPushButton* defaultButton() const override { return copyButton_; }

    int16_t iCSrcDev = 0;
    int16_t iCSrcOut = 0;

    QGroupBox* frmDst;
    std::array<VbCheckBox*, 48> chkDst{};
    std::array<QPushButton*, 12> cmdAllDev{};
    std::array<QPushButton*, 4> cmdAllOut{};
    QPushButton* cmdDstAll;
    QPushButton* cmdDstNone;
    QPushButton* cmdCancel = nullptr;

protected:
    DimCopyDialog(const QString& formName, const QString& caption, const QString& frameCaption, int widthTwips);

    // The copy button at the bottom left, wired to `copy`, then Cancel at the bottom
    // right. Made after every other control, since Tab follows the order controls are
    // made in and these two come last in the layout.
    QPushButton* addBottomButtons(std::function<void()> copy);
    // Runs `write` for every ticked destination, device by device, after enabling its
    // device.
    void forEachDestination(const std::function<void(int16_t d, int16_t o)>& write) const;
    // Tells the user and unloads the dialog.
    void copyComplete();

private:
    QPushButton* copyButton_ = nullptr;
};

// Ticks or unticks every box.
void setAllBoxes(std::span<VbCheckBox* const> boxes, bool ticked);
