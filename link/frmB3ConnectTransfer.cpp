// Download to and upload from the panel: the password frame, the block transfers and
// their cancel button. Only the wiring is here so far; the transfers come next.
#include <QPushButton>

#include "core/modB3Glimwarden.h"
#include "link/frmB3Connect.h"
#include "platform/vbControls.h"
#include "platform/vbTextBox.h"

void frmB3Connect::connectTransferControls()
{
    connect(cmdDownLoadToB2, &QPushButton::clicked, this, [this] { cmdDownLoadToB2_Click(); });
    connect(cmdUpLoadFromB2, &QPushButton::clicked, this, [this] { cmdUpLoadFromB2_Click(); });
    connect(cmdCancelUpDownLoad, &QPushButton::clicked, this, [this] { cmdCancelUpDownLoad_Click(); });
    connect(cmdPassWordContinue, &QPushButton::clicked, this, [this] { cmdPassWordContinue_Click(); });
    connect(cmdPassWordCancel, &QPushButton::clicked, this, [this] { cmdPassWordCancel_Click(); });
    connect(chkChangePanelPassWord, &VbCheckBox::Click, this, [this] { chkChangePanelPassWord_Click(); });
    for (int i = 0; i < kPasswordBoxes; ++i) {
        txtPassWord[i]->KeyPress = [this, i](int& KeyAscii) { txtPassWord_KeyPress(i, KeyAscii); };
        txtNewPassWord[i]->KeyPress = [this, i](int& KeyAscii) { txtNewPassWord_KeyPress(i, KeyAscii); };
    }
}

void frmB3Connect::cmdDownLoadToB2_Click() {}
void frmB3Connect::cmdUpLoadFromB2_Click() {}
void frmB3Connect::cmdCancelUpDownLoad_Click() { bCancelTransfer = VbTrue; }
void frmB3Connect::cmdPassWordContinue_Click() {}
void frmB3Connect::cmdPassWordCancel_Click() {}
void frmB3Connect::chkChangePanelPassWord_Click() {}
void frmB3Connect::txtPassWord_KeyPress(int, int&) {}
void frmB3Connect::txtNewPassWord_KeyPress(int, int&) {}
