#pragma once
// A text box with VB's events: KeyPress sees each typed character as its code
// (Backspace = 8, Ctrl+letter its control code, Ctrl+V = 22; Delete and the arrows are
// no key press); the box enters the character the handler leaves, or nothing when it
// sets the code to 0. KeyDown sees the Delete key likewise. Change fires for every
// change of the text, typed or set by code, but not when the text stays the same.
// Click fires for a mouse click in the box.
// Pasted text is not filtered, as in VB.

#include <QLineEdit>
#include <functional>
#include <string>

class VbTextBox : public QLineEdit {
    Q_OBJECT
public:
    // The longest text a data file stores; a longer one could never be saved.
    static constexpr int kMaxLength = 65535;

    explicit VbTextBox(QWidget* parent = nullptr);

    std::string Text() const;
    void setText(const std::string& text);
    // The text a form is designed with, set without a Change.
    void setDesignText(const std::string& text);

    std::function<void(int& KeyAscii)> KeyPress;
    // The Delete key (KeyCode vbKeyDelete), which edits but is no key press; setting
    // KeyCode to 0 drops it.
    std::function<void(int& KeyCode)> KeyDown;
    static constexpr int vbKeyDelete = 46;

signals:
    void Change();
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
