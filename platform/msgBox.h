#pragma once
// Modal message boxes with VB's styles and answer codes. Every call goes through a
// replaceable responder: the real one shows a QMessageBox, tests install one that
// records the call and answers from a script.

#include <functional>
#include <memory>
#include <string>

class QMessageBox;
class QWidget;

enum VbMsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

enum VbMsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

inline const std::string kAppTitle = "OVK Brevantine 3";

struct MsgBoxCall {
    std::string prompt;
    int style = vbOKOnly;
    std::string title;
};

using MsgBoxResponder = std::function<int(const MsgBoxCall&)>;

// Shows the box (or asks the installed responder) and returns a VbMsgBoxResult.
int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = kAppTitle);
// Installs a responder; an empty one restores the real message box.
void SetMsgBoxResponder(MsgBoxResponder responder);

// The box MsgBox shows for `call`, built whole but not yet run.
std::unique_ptr<QMessageBox> makeMessageBox(const MsgBoxCall& call, QWidget* parent);
