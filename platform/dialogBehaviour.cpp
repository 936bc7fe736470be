#include "platform/dialogBehaviour.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/childForm.h"

namespace {

bool isEnter(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
           && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Escape and Enter as a dialog takes them. They reach the form only when the control
// with the focus has not used them: Escape presses the cancel button; Enter presses the
// push button that has the focus (the one a person tabbed to), from any other control
// the default button.
class DialogKeys : public QObject {
public:
    explicit DialogKeys(ChildForm* form) : QObject(form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != form_ || event->type() != QEvent::KeyPress) return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        QAbstractButton* button = nullptr;
        if (key.matches(QKeySequence::Cancel)) button = form_->cancelButton();
        else if (isEnter(key)) {
            QPushButton* focused = focusedPushButton();
            button = focused ? focused : form_->defaultButton();
        }
        if (!button || !button->isVisible() || !button->isEnabled()) return false;
        button->click();
        return true;
    }

private:
    QPushButton* focusedPushButton() const
    {
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        return focused && form_->isAncestorOf(focused) ? focused : nullptr;
    }

    ChildForm* form_;
};

// Screen readers ask a window what it is: a form shown as a dialog says so. The role
// is read when asked, as the interface may have been made before the form became one.
class ChildFormAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::Role role() const override
    {
        return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessibleWidget::role();
    }
};

QAccessibleInterface* childFormAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("ChildForm")) return nullptr;
    auto* form = qobject_cast<ChildForm*>(object);
    return form ? new ChildFormAccessible(form) : nullptr;
}

} // namespace

void makeDialog(ChildForm* form, QWidget* owner)
{
    [[maybe_unused]] static const bool accessibleInstalled = [] {
        QAccessible::installFactory(childFormAccessible);
        return true;
    }();
    form->setParent(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    form->setWindowModality(Qt::ApplicationModal);
    if (QPushButton* button = form->defaultButton()) button->setDefault(true);
    form->installEventFilter(new DialogKeys(form));
}

