#include "platform/vbControls.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "platform/compactListStyle.h"
#include "platform/twips.h"

VbLabel::VbLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void VbLabel::setCaption(const QString& caption)
{
    caption_ = caption;
    showCaption();
}

void VbLabel::setElideMode(Qt::TextElideMode mode)
{
    elideMode_ = mode;
    showCaption();
}

void VbLabel::showCaption()
{
    if (elideMode_ == Qt::ElideNone) {
        setText(caption_);
        return;
    }
    setText(fontMetrics().elidedText(caption_, elideMode_, contentsRect().width() - 2 * margin()));
    setToolTip(caption_);
}

void VbLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (elideMode_ != Qt::ElideNone) showCaption();
}

void VbLabel::setBackColor(unsigned int bgr)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, vbColor(bgr));
    setPalette(p);
}

void VbLabel::setForeColor(unsigned int bgr)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, vbColor(bgr));
    setPalette(p);
}

void VbLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit MouseDown(event->button(), event->modifiers());
    if (event->button() == Qt::LeftButton) emit Click();
}

void VbLabel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void VbLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton) emit DblClick();
}

int vbButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int vbShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) + (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
           + (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

VbComboBox::VbComboBox(QWidget* parent) : QComboBox(parent)
{
    // A dropped list shows eight entries and scrolls, as the forms' lists were made to;
    // the default popup of this style would cover the screen for the long duration and
    // city lists, and ignores the visible-entry count unless told to drop down plainly.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    // A list is as narrow as the cell it drops over: a narrower arrow leaves its
    // entries room to show whole.
    setStyle(compactListStyle());
    setMaxVisibleItems(8);
    // Qt's lists take the focus by the wheel as well, which would let a wheel merely
    // passing over a list edit it.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QComboBox::activated, this, [this](int) { emit Click(); });
}

// An unfocused list leaves the wheel to the form, which may scroll.
void VbComboBox::wheelEvent(QWheelEvent* event)
{
    if (hasFocus()) QComboBox::wheelEvent(event);
    else event->ignore();
}

void VbComboBox::setItems(const QStringList& items)
{
    const QSignalBlocker blocker(this);
    QComboBox::clear();
    addItems(items);
    setCurrentIndex(-1);
}

void VbComboBox::AddItem(const QString& item)
{
    const QSignalBlocker blocker(this);
    const int before = currentIndex();
    addItem(item);
    setCurrentIndex(before);
}

void VbComboBox::Clear()
{
    const QSignalBlocker blocker(this);
    QComboBox::clear();
}

void VbComboBox::setListIndex(int index)
{
    if (index < 0 || index >= count()) index = -1;
    if (index == currentIndex()) return;
    presetListIndex(index);
    emit Click();
}

void VbComboBox::presetListIndex(int index)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

VbCheckBox::VbCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::toggled, this, [this](bool) { emit Click(); });
}

void VbCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    QCheckBox::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint())) emit MouseUp(event->button(), event->modifiers());
}

VbOptionButton::VbOptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    connect(this, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) emit Click();
    });
}

void VbOptionButton::presetValue(bool value)
{
    const QSignalBlocker blocker(this);
    // An exclusive button refuses to be cleared while it is the one selected.
    const bool exclusive = autoExclusive();
    if (!value) setAutoExclusive(false);
    setChecked(value);
    setAutoExclusive(exclusive);
}

void selectOption(std::span<VbOptionButton* const> options, int64_t index)
{
    if (index >= 0 && index < static_cast<int64_t>(options.size())) {
        options[static_cast<std::size_t>(index)]->setValue(true);
        return;
    }
    for (VbOptionButton* option : options) option->presetValue(false);
}

VbHScrollBar::VbHScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    // Qt's scroll bars never take the focus; this one does, by Tab or a click, so that
    // the wheel and the arrow keys can edit the bar the user is working on.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this](int) {
        if (isSliderDown()) emit Scroll();
        else emit Change();
    });
    connect(this, &QScrollBar::sliderPressed, this, [this] { valueAtPress_ = value(); });
    connect(this, &QScrollBar::sliderReleased, this, [this] {
        if (value() != valueAtPress_) emit Change();
    });
}

void VbHScrollBar::setValue(int value)
{
    if (value >= minimum() && value <= maximum()) {
        QScrollBar::setValue(value);
        return;
    }
    const QSignalBlocker blocker(this);
    QScrollBar::setValue(value < minimum() ? minimum() : maximum());
}

void VbHScrollBar::wheelEvent(QWheelEvent* event)
{
    if (hasFocus()) QScrollBar::wheelEvent(event);
    else event->ignore();
}
