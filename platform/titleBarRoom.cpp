#include "platform/titleBarRoom.h"

#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

namespace {

// Some styles paint the title inside the room the bar gives it less a margin (Fusion
// 7 pixels at either end) and shorten it to that.
constexpr int kTitleMargin = 14;

} // namespace

int titleBarShortfall(const QMdiSubWindow* frame, const QString& title, int clientWidth)
{
    const QStyle* style = frame->style();
    // The frame's own border on either side of the form.
    const int frameWidth = clientWidth + 2 * style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, frame);
    // Set up as the frame sets up the bar it paints.
    QStyleOptionTitleBar bar;
    bar.initFrom(frame);
    bar.subControls = QStyle::SC_All;
    bar.titleBarFlags = frame->windowFlags();
    bar.titleBarState = frame->windowState();
    bar.text = title;
    bar.fontMetrics = frame->fontMetrics();
    const int border = style->styleHint(QStyle::SH_TitleBar_NoBorder, &bar, frame) ? 0 : 4;
    bar.rect = QRect(border, border, frameWidth - 2 * border,
                     style->pixelMetric(QStyle::PM_TitleBarHeight, &bar, frame));
    const int room = style->subControlRect(QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarLabel, frame).width();
    return std::max(0, bar.fontMetrics.horizontalAdvance(title) + kTitleMargin - room);
}
