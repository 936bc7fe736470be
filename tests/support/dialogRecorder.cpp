#include "dialogRecorder.h"

namespace {

int firstButtonOf(int style)
{
    switch (style & 0x7) {
    case vbAbortRetryIgnore: return vbAbort;
    case vbYesNoCancel:
    case vbYesNo: return vbYes;
    case vbRetryCancel: return vbRetry;
    default: return vbOK;
    }
}

} // namespace

DialogRecorder::DialogRecorder()
{
    SetMsgBoxResponder([this](const MsgBoxCall& call) { return onMsgBox(call); });
    SetCommonDialogResponder([this](const CommonDialogCall& call) { return onFileDialog(call); });
}

DialogRecorder::~DialogRecorder()
{
    SetMsgBoxResponder({});
    SetCommonDialogResponder({});
}

std::vector<std::string> DialogRecorder::prompts() const
{
    std::vector<std::string> all;
    for (const MsgBoxCall& call : messages) all.push_back(call.prompt);
    return all;
}

int DialogRecorder::onMsgBox(const MsgBoxCall& call)
{
    messages.push_back(call);
    if (whileShown) whileShown(call);
    if (msgBoxAnswers_.empty()) return defaultMsgBoxAnswer ? defaultMsgBoxAnswer : firstButtonOf(call.style);
    const int answer = msgBoxAnswers_.front();
    msgBoxAnswers_.pop_front();
    return answer;
}

std::string DialogRecorder::onFileDialog(const CommonDialogCall& call)
{
    fileDialogs.push_back(call);
    if (fileDialogAnswers_.empty()) return call.fileName;
    const std::optional<std::string> answer = fileDialogAnswers_.front();
    fileDialogAnswers_.pop_front();
    return answer.value_or(call.fileName);
}
