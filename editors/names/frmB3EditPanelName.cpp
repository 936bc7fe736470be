#include "editors/names/frmB3EditPanelName.h"

#include <QGroupBox>

#include "core/modB3Glimwarden.h"
#include "editors/names/engine/nameKeyFilter.h"
#include "editors/settingControls.h"
#include "platform/childFormRegistry.h"
#include "platform/twips.h"

B3_REGISTER_CHILD_FORM(frmB3EditPanelName)

namespace {

constexpr int kPanelNameCells = 18;

} // namespace

frmB3EditPanelName::frmB3EditPanelName()
    : ChildForm(QStringLiteral("frmB3EditPanelName")), preview(this, 240, 1200, kPanelNameCells, 120)
{
    setCaption(QStringLiteral("Edit Panel Name"));
    setTwipsSize(5040, 2280);

    chkDefaultPanelName = addButton<VbCheckBox>(this, QStringLiteral("Use Default Panel Name"), 240, 240, 3015);
    lblPanelName = addCaption(this, QStringLiteral("Panel Name"), 240, 720, 1065);
    txtPanelName = placed(new VbTextBox(this), 1320, 720, 3480, kControlHeight);
    txtPanelName->setDesignText("Text1");

    connect(chkDefaultPanelName, &VbCheckBox::Click, this, [this] { chkDefaultPanelName_Click(); });
    connect(txtPanelName, &VbTextBox::Change, this, [this] { txtPanelName_Change(); });
    txtPanelName->KeyPress = [this](int& KeyAscii) { txtPanelName_KeyPress(KeyAscii); };
}

// Setting the box stores the name back when the box held other text (the design-time
// text at the first activation), which marks the configuration changed.
void frmB3EditPanelName::Form_Activate()
{
    txtPanelName->setText(tConfig.sPanelName);
    chkDefaultPanelName->setValue(tConfig.sPanelName.empty() ? 1 : 0);
    ShowPanelChars();
}

void frmB3EditPanelName::ShowPanelChars()
{
    preview.show(tConfig.sPanelName);
    const bool ownName = chkDefaultPanelName->Value() == 0;
    lblPanelName->setVisible(ownName);
    txtPanelName->setVisible(ownName);
    preview.frame->setVisible(ownName);
}

// Clearing the box stores nothing: the name stays empty until one is typed.
void frmB3EditPanelName::chkDefaultPanelName_Click()
{
    if (chkDefaultPanelName->Value() == 1) {
        tConfig.sPanelName.clear();
        txtPanelName->setText("");
    }
    ShowPanelChars();
}

void frmB3EditPanelName::txtPanelName_Change()
{
    tConfig.sPanelName = txtPanelName->Text();
    bChanged = VbTrue;
    ShowPanelChars();
}

void frmB3EditPanelName::txtPanelName_KeyPress(int& KeyAscii) { KeyAscii = NameKeyFilter(KeyAscii); }
