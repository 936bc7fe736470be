#include "platform/msgBox.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

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

// The system box this one stands in for widens itself until a desktop's title bar
// shows its caption whole; Qt's allows for the title only in its regular sub-window
// font with 50 pixels to spare, which a desktop's bold caption outgrows. Room for the
// caption in a bold 10-point sans face, with the window icon and up to three title
// buttons beside it.
int titleBarWidth(const QString& title)
{
    QFont face(QStringLiteral("Sans Serif"), 10, QFont::Bold);
    face.setStyleHint(QFont::SansSerif);
    constexpr int kIconAndButtons = 110;
    return QFontMetrics(face).horizontalAdvance(title) + kIconAndButtons;
}

// The box fixes its own size from its layout when it is shown, over any minimum width
// set on it; so the layout asks for the title's room, in a row of its own that holds
// nothing and so adds no height.
void makeRoomForTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;  // Qt lays its boxes out on a grid; anything else stays as Qt made it
    const QMargins margins = grid->contentsMargins();
    const int width = titleBarWidth(box.windowTitle()) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

int showRealBox(const MsgBoxCall& call)
{
    return answerOf(makeMessageBox(call, QApplication::activeWindow())->exec());
}

} // namespace

int MsgBox(const std::string& prompt, int style, const std::string& title)
{
    const MsgBoxCall call{prompt, style, title};
    if (installedResponder()) return installedResponder()(call);
    return showRealBox(call);
}

void SetMsgBoxResponder(MsgBoxResponder responder) { installedResponder() = std::move(responder); }

std::unique_ptr<QMessageBox> makeMessageBox(const MsgBoxCall& call, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(iconOf(call.style), toQ(call.title), toQ(call.prompt),
                                             buttonsOf(call.style), parent);
    box->setTextFormat(Qt::PlainText);
    // Last: setting an icon or further texts lays the box out anew.
    makeRoomForTitle(*box);
    return box;
}
