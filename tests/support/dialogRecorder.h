#pragma once
// Answers and records every message box and file dialog while it lives.
//
//   DialogRecorder dialogs;
//   dialogs.answerMsgBox(vbNo);                 // next message box answers No
//   dialogs.answerFileDialog("/tmp/x.B3");      // next file dialog picks this path
//   ... drive the program ...
//   EXPECT_EQ(dialogs.messages.at(0).prompt, "Discard Any Changes?");
//
// With its queue empty a message box gets `defaultMsgBoxAnswer` (0 = the first button
// of the box: OK, Abort, Yes or Retry) and a file dialog is cancelled.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/commonDialog.h"
#include "platform/msgBox.h"

class DialogRecorder {
public:
    DialogRecorder();
    ~DialogRecorder();
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    void answerMsgBox(int answer) { msgBoxAnswers_.push_back(answer); }
    void answerFileDialog(const std::string& path) { fileDialogAnswers_.push_back(path); }
    void cancelFileDialog() { fileDialogAnswers_.push_back(std::nullopt); }

    // Prompts of all message boxes so far, in order.
    std::vector<std::string> prompts() const;
    void clear() { messages.clear(); fileDialogs.clear(); }

    std::vector<MsgBoxCall> messages;
    std::vector<CommonDialogCall> fileDialogs;
    int defaultMsgBoxAnswer = 0;
    // Runs while a message box is up, before it is answered: what a real box's own
    // event loop would deliver meanwhile (a late click, a timer) happens here.
    std::function<void(const MsgBoxCall&)> whileShown;

private:
    int onMsgBox(const MsgBoxCall& call);
    std::string onFileDialog(const CommonDialogCall& call);

    std::deque<int> msgBoxAnswers_;
    std::deque<std::optional<std::string>> fileDialogAnswers_;
};
