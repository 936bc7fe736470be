#include "platform/dialogBehaviour.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

#include "platform/childForm.h"

namespace {

bool isEnter(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
           && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The default button and the keys of a dialog. As in a desktop dialog, a push button
// of the dialog that has the focus is its default, drawn and reported so, and Enter
// presses it; with the focus on any other control the form's own default button is
// the default. Escape presses the cancel button. The keys reach the form only when
// the control with the focus has not used them (a default push button takes Enter
// itself).
class DialogButtons : public QObject {
public:
    explicit DialogButtons(ChildForm* form) : QObject(form), form_(form)
    {
        form->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { followFocus(now); });
        makeDefault(form->defaultButton());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != form_ || event->type() != QEvent::KeyPress) return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        QAbstractButton* button = nullptr;
        if (key.matches(QKeySequence::Cancel)) button = form_->cancelButton();
        else if (isEnter(key)) button = default_;
        if (!button || !button->isVisible() || !button->isEnabled()) return false;
        button->click();
        return true;
    }

private:
    // Focus that leaves the dialog (another application) leaves its default as it was.
    void followFocus(QWidget* now)
    {
        if (!now || !form_->isAncestorOf(now)) return;
        auto* button = qobject_cast<QPushButton*>(now);
        makeDefault(button ? button : form_->defaultButton());
    }

    void makeDefault(QPushButton* button)
    {
        if (button == default_) return;
        if (default_) default_->setDefault(false);
        default_ = button;
        if (button) button->setDefault(true);
    }

    ChildForm* form_;
    QPointer<QPushButton> default_;
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
    new DialogButtons(form);
}

