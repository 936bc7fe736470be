#pragma once
// Creates child forms by name on first use, shows them inside the main window's
// MDI area and unloads them. Each form registers its factory from its own .cpp with
// B3_REGISTER_CHILD_FORM, so a menu command can name a form that is not built yet:
// showing an unregistered form does nothing.

#include <QString>
#include <functional>

class ChildForm;
class QMdiArea;
class QObject;
class QSize;

namespace childForms {

using Factory = std::function<ChildForm*()>;

bool registerFactory(const QString& name, Factory factory);
bool isRegistered(const QString& name);

// Where shown forms go; without an area (some tests) they are top-level windows.
void setMdiArea(QMdiArea* area);
// The size of the frame that a form of this client size gets in the area, as Qt
// draws it with the current style and font.
QSize frameSizeFor(const QSize& clientSize);

// The live instance, or nullptr.
ChildForm* find(const QString& name);
// Creates the form when it does not exist yet (VB Load); does not show it.
ChildForm* load(const QString& name);
// Load, show modeless, raise, then Form_Activate. Returns nullptr when unregistered.
ChildForm* show(const QString& name);
// A fresh instance (one already loaded is unloaded first), set up by `prepare`, shown
// as a modal dialog centred over the main window: Escape presses the form's cancel
// button, and Enter the focused push button or else the form's default button. Returns when the dialog has been unloaded (by
// its own buttons or keys, its close box or a closing of the child forms).
// Whatever called it may have been unloaded meanwhile: check before going on.
void showModal(const QString& name, const std::function<void(ChildForm*)>& prepare);
// Hides the form without unloading it.
void hide(const QString& name);
// Form_Unload and hidden at once, then deleted: deferred, so a form may unload itself
// from a handler, and held back while a DeletionHold lives. Meanwhile the form acts on
// nothing: its timers stop and its controls' signals reach no handler.
void unload(const QString& name);
// False for nullptr and for a child form that has been unloaded.
bool stillLoaded(const QObject* object);

// While an exchange awaits its reply, events run and the code that waits still
// stands in the form that started it: a form unloaded meanwhile is deleted only once
// the last hold has ended and that code has returned.
class DeletionHold {
public:
    DeletionHold();
    ~DeletionHold();
    DeletionHold(const DeletionHold&) = delete;
    DeletionHold& operator=(const DeletionHold&) = delete;
};

template <class Form>
Form* findAs(const QString& name) { return dynamic_cast<Form*>(find(name)); }

} // namespace childForms

#define B3_REGISTER_CHILD_FORM(Class)                                                              \
    namespace {                                                                                    \
    [[maybe_unused]] const bool registered_##Class =                                               \
        childForms::registerFactory(QStringLiteral(#Class), [] { return new Class; });             \
    }
