#pragma once
// How wide a form must be for the title bar of its MDI frame to show its caption
// whole, with the frame's style and title font.

class QMdiSubWindow;
class QString;

// The pixels a form of `clientWidth` lacks for `frame` to show `title` whole; 0 when
// it fits.
int titleBarShortfall(const QMdiSubWindow* frame, const QString& title, int clientWidth);
