#pragma once
// What a user does on the connect form, for the link tests: open it from the menu,
// pick the link type with the mouse, type into its boxes, connect.

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class AppHarness;
class QWidget;
class frmB3Connect;

// Menu Connect; fails the test when the form does not come up.
frmB3Connect* OpenConnectForm(const AppHarness& app);
void ChooseLinkType(frmB3Connect* form, int type);
void TypeInto(QWidget* box, const QString& keys);
void Click(QWidget* widget);
// Runs events until `done` holds or `timeoutMs` pass; the result of `done`.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);
// The frames the tool sends for these command texts.
std::vector<std::string> FramesOf(std::initializer_list<std::string> commands);
