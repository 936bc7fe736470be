#pragma once
// The program's own icon: the main window's title bar, the task bar and every form's
// frame show it in place of the toolkit's logo.

class QIcon;

QIcon programIcon();
