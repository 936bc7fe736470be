// A message box is wide enough for a desktop's title bar to show its title whole, and
// one whose text is wider than its title keeps the width Qt gives it.
#include <QFont>
#include <QFontMetrics>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "platform/msgBox.h"

namespace {

// A desktop's caption is a bold 10-point sans face, beside the window icon and up to
// three title buttons.
int titleBarNeeds(const std::string& title)
{
    QFont caption(QStringLiteral("Sans Serif"), 10, QFont::Bold);
    caption.setStyleHint(QFont::SansSerif);
    return QFontMetrics(caption).horizontalAdvance(QString::fromLatin1(title.c_str())) + 110;
}

} // namespace

TEST(MsgBox, IsWideEnoughForItsTitle)
{
    const MsgBoxCall shortTexts[] = {
        {"Download Complete", vbOKOnly, "Download"},
        {"Upload Complete", vbOKOnly, "Upload"},
        {"Copy Complete", vbOKOnly, "Copy Settings"},
        {"Connection Failed.", vbExclamation, kAppTitle},
    };
    for (const MsgBoxCall& call : shortTexts) {
        const auto box = makeMessageBox(call, nullptr);
        box->show();
        EXPECT_GE(box->width(), titleBarNeeds(call.title)) << call.title;
    }

    const MsgBoxCall longText{"This Will Auto Map The Pilots For ALL Tiverlink Devices.\r\nContinue?",
                              vbYesNo + vbQuestion, "Auto Map"};
    const auto box = makeMessageBox(longText, nullptr);
    box->show();
    QMessageBox plain(QMessageBox::Question, QString::fromLatin1(longText.title.c_str()),
                      QString::fromLatin1(longText.prompt.c_str()), QMessageBox::Yes | QMessageBox::No);
    plain.setTextFormat(Qt::PlainText);
    plain.show();
    EXPECT_GT(plain.width(), titleBarNeeds(longText.title));
    EXPECT_EQ(box->size(), plain.size());
}
