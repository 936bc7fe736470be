#pragma once
// A text box with VB's events: KeyPress sees each typed character as its code
// (Backspace = 8; Delete and the arrows are no key press) and drops it when the
// handler sets the code to 0; KeyDown sees the Delete key likewise; Change fires for
// every change of the text, typed or set by code, but not when the text stays the same.
// Pasted text is not filtered, as in VB.

#include <QLineEdit>
#include <functional>
#include <string>

class VbTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit VbTextBox(QWidget* parent = nullptr);

    std::string Text() const;
    void setText(const std::string& text);

    std::function<void(int& KeyAscii)> KeyPress;
    // The Delete key (KeyCode vbKeyDelete), which edits but is no key press; setting
    // KeyCode to 0 drops it.
    std::function<void(int& KeyCode)> KeyDown;
    static constexpr int vbKeyDelete = 46;

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
