#pragma once
// The VB-like controls every form uses, so the VB event rules hold everywhere:
// - a list-position, check-box or option change made by code raises the same Click as
//   a user's change, and only when the value changes;
// - a user's pick of a list entry raises Click even when that entry is already chosen;
// - a double click on a label arrives as Click then DblClick (press, release,
//   double-click, release), which toggle cells count as two clicks;
// - a list or scroll bar takes the mouse wheel only while it has the keyboard focus, so
//   a wheel turned to scroll past it edits nothing; it takes the focus by Tab or a
//   click, never by the wheel itself.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <cstdint>
#include <span>

class VbLabel : public QLabel {
    Q_OBJECT
public:
    explicit VbLabel(QWidget* parent = nullptr);
    void setCaption(const QString& caption);
    QString caption() const { return elideMode_ == Qt::ElideNone ? text() : caption_; }
    void setBackColor(unsigned int bgr);
    void setForeColor(unsigned int bgr);
    // A caption too long for the label shows elided there, whole in the tool tip;
    // caption() still gives it whole.
    void setElideMode(Qt::TextElideMode mode);

signals:
    void Click();
    void DblClick();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    // Accepting the events keeps them from reaching the form, whose Form_Click would
    // hide a list the label has just opened.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showCaption();

    QString caption_;
    Qt::TextElideMode elideMode_ = Qt::ElideNone;
};

// VB's Button and Shift arguments of a mouse event: Button 1 left, 2 right, 4 middle;
// Shift sums 1 Shift, 2 Ctrl, 4 Alt.
int vbButton(Qt::MouseButton button);
int vbShift(Qt::KeyboardModifiers modifiers);

class VbComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit VbComboBox(QWidget* parent = nullptr);

    // Replaces the entries with no entry selected and no Click raised.
    void setItems(const QStringList& items);
    void AddItem(const QString& item);
    // Removes every entry; ListIndex becomes -1 without a Click (VB Clear).
    void Clear();
    int ListCount() const { return count(); }
    int ListIndex() const { return currentIndex(); }
    // Code change: raises Click only when the position changes; out of range gives -1.
    void setListIndex(int index);
    // The same position change without Click, for a list preset before it is shown.
    void presetListIndex(int index);

signals:
    // Raised for a user's pick (always) and a code change of position. Handlers must
    // ignore ListIndex -1.
    void Click();

protected:
    void wheelEvent(QWheelEvent* event) override;
};

class VbCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit VbCheckBox(const QString& caption = {}, QWidget* parent = nullptr);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }

signals:
    void Click();
    // Release of any mouse button over the box, after the box has toggled itself;
    // keyboard toggles raise none.
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class VbOptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit VbOptionButton(const QString& caption = {}, QWidget* parent = nullptr);
    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }
    // The selection a form is designed with: made without a Click.
    void presetValue(bool value);

signals:
    // Raised when the button becomes selected, by the user or by code.
    void Click();
};

// A horizontal scroll bar with VB's two events: Scroll at each step while the thumb is
// dragged; Change for every other change of the value (arrows, track, keys, code) and
// once more when a drag ends on a new value.
class VbHScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit VbHScrollBar(QWidget* parent = nullptr);
    int Value() const { return value(); }
    // Code change: raises Change only when the value changes. A value outside Min..Max
    // (stored by a damaged file) puts the thumb at the nearer end and raises nothing,
    // so the end value is never stored in its place.
    void setValue(int value);

signals:
    void Change();
    void Scroll();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int valueAtPress_ = 0;
};

// An option array shown from a stored code: selects option `index` as code does
// (Click when it was not selected yet), or clears every option without a Click when
// the code names none, so a damaged value is kept until the user picks one.
void selectOption(std::span<VbOptionButton* const> options, int64_t index);
