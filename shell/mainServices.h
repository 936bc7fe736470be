#pragma once
// Services of the main window that every other part calls. Each creates the main
// window first when it does not exist yet.

#include <functional>
#include <string>

// The connect form's hooks (ConnectFormHooks) live with the link.
#include "link/windowHooks.h"

class frmB3MasterMDI;

frmB3MasterMDI& MasterMDI();

// Unloads every child form in the fixed order, hiding (not unloading) the connect
// form and stopping its poll timer. Errors of a single step do not stop the rest.
void CloseChildForms();
// Greys and restores the top-level menus File, Connect, Setup, Edit, Document, About.
void DisableMainMenus();
void EnableMainMenus();
// Panel 1: " File Name: " & sFileName; panel 2: "Connected" / "Disconnected"; and the
// connect form's network-diagnostics button while the diagnostics file is open.
void UpdateStatusBar();
// Status bar panels are numbered 1 and 2 as the user sees them.
void SetStatusPanelText(int panel, const std::string& text);
std::string StatusPanelText(int panel);

// Loads the connect form if needed and calls its DisconnectGW.
void DisconnectGW();
