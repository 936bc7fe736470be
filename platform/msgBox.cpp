#include "platform/msgBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/latin1.h"

namespace {

MsgBoxResponder& installedResponder()
{
    static MsgBoxResponder responder;
    return responder;
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}


QMessageBox::StandardButtons buttonsOf(int style)
{
    switch (style & 0x7) {
    case vbOKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case vbAbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case vbYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case vbYesNo: return QMessageBox::Yes | QMessageBox::No;
    case vbRetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return vbOK;
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Abort: return vbAbort;
    case QMessageBox::Retry: return vbRetry;
    case QMessageBox::Ignore: return vbIgnore;
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return vbCancel;
    }
}

int showRealBox(const MsgBoxCall& call)
{
    QMessageBox box(iconOf(call.style), toQ(call.title), toQ(call.prompt), buttonsOf(call.style),
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return answerOf(box.exec());
}

} // namespace

int MsgBox(const std::string& prompt, int style, const std::string& title)
{
    const MsgBoxCall call{prompt, style, title};
    if (installedResponder()) return installedResponder()(call);
    return showRealBox(call);
}

void SetMsgBoxResponder(MsgBoxResponder responder) { installedResponder() = std::move(responder); }
