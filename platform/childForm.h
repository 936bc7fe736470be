#pragma once
// Base of every child form of the main window. It maps the VB life cycle:
// the constructor is Form_Load, Form_Activate runs each time a menu command (or the
// link code) shows the form, Form_Unload runs when the form is closed for good.
// Forms are created, shown and unloaded only through the registry (childFormRegistry.h).

#include <QString>
#include <QWidget>

class QAbstractButton;
class QPushButton;

namespace childForms {
void unload(const QString& name);
}

class ChildForm : public QWidget {
    Q_OBJECT
public:
    explicit ChildForm(const QString& formName, QWidget* parent = nullptr);

    const QString& formName() const { return name_; }

    // Runs on every show through the registry; never from focus events.
    virtual void Form_Activate() {}
    // Stops the form's timers and releases what it holds; called before deletion.
    virtual void Form_Unload() {}
    // A click on the form's background (not on a control).
    virtual void Form_Click() {}
    // The close box asks first: true unloads the form; a form that must stay loaded
    // does its own part and answers false, and is then only hidden.
    virtual bool Form_QueryUnload() { return true; }

    // A form shown modally takes Escape and Enter as a dialog does: Escape presses its
    // cancel button, Enter its default button. A form without them ignores those keys.
    virtual QAbstractButton* cancelButton() const { return nullptr; }
    virtual QPushButton* defaultButton() const { return nullptr; }

    // True once Form_Unload has run: the form may still exist while code that awaited
    // an exchange in it unwinds, but it does nothing more.
    bool isUnloaded() const { return unloaded_; }

    // Client size in twips, fixed as the form declares it.
    void setTwipsSize(int widthTwips, int heightTwips);
    // A client size of our own choosing rather than a given one: the registry widens
    // such a form where the title bar of its MDI frame would shorten its caption.
    void setOwnTwipsSize(int widthTwips, int heightTwips);
    bool hasOwnSize() const { return ownSize_; }
    void setCaption(const QString& caption);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // The close box unloads the form, as VB's does (Form_Unload, then deletion).
    void closeEvent(QCloseEvent* event) override;

private:
    friend void childForms::unload(const QString& name);

    QString name_;
    bool unloaded_ = false;
    bool ownSize_ = false;
};
