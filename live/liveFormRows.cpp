#include "live/liveFormRows.h"

#include <QPushButton>

#include "core/vbRuntime.h"
#include "platform/rowGrid.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

namespace {
constexpr unsigned int kNoConnectionColour = 0x00FFFF;
constexpr int kRowHeight = 315;
constexpr int kNameOffset = 240;
constexpr int kNameWidth = 1695;
constexpr int kLampWidth = 495;
} // namespace

void placeInLiveRow(QWidget* control, int row, int leftOffset, int width, int height, const GridGeometry& grid)
{
    placed(control, grid.left(row, leftOffset), grid.top(row), width, height);
}

void styleStateLabel(VbLabel* label)
{
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
}

VbLabel* makeRowNameLabel(QWidget* parent, int row, const QString& tipPrefix, const GridGeometry& grid)
{
    auto* label = new VbLabel(parent);
    label->setFrameShape(QFrame::Box);
    label->setBackColor(kNameLabelColour);
    label->setToolTip(tipPrefix + QString::fromStdString(Format00(row + 1)));
    placeInLiveRow(label, row, kNameOffset, kNameWidth, kRowHeight, grid);
    label->hide();
    return label;
}

VbLabel* makeRowLamp(QWidget* parent, int row, int leftOffset, const QString& caption, unsigned int backColour,
                     const GridGeometry& grid)
{
    auto* lamp = new VbLabel(parent);
    styleStateLabel(lamp);
    QPalette p = lamp->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    lamp->setPalette(p);
    lamp->setBackColor(backColour);
    lamp->setCaption(caption);
    placeInLiveRow(lamp, row, leftOffset, kLampWidth, kRowHeight, grid);
    lamp->hide();
    return lamp;
}

QPushButton* makeRowButton(QWidget* parent, int row, int leftOffset, const QString& caption, int width,
                           const GridGeometry& grid)
{
    auto* button = new QPushButton(caption, parent);
    placeInLiveRow(button, row, leftOffset, width, kRowHeight, grid);
    button->hide();
    return button;
}

VbLabel* makeNoConnectionLabel(QWidget* parent, int left, int top, const QString& text)
{
    auto* label = placed(new VbLabel(parent), left, top, 3615, 375);
    styleStateLabel(label);
    label->setBackColor(kNoConnectionColour);
    QFont font = label->font();
    font.setPointSize(12);
    label->setFont(font);
    label->setCaption(text);
    label->hide();
    return label;
}

void setLampColour(VbLabel* lamp, bool on) { lamp->setBackColor(on ? kLampOnColour : kLampOffColour); }

void setOnOffLamp(VbLabel* lamp, bool on)
{
    lamp->setCaption(on ? QStringLiteral("On") : QStringLiteral("Off"));
    setLampColour(lamp, on);
}

void setDefinableLamp(VbLabel* lamp, ItemState state, const QString& onCaption)
{
    switch (state) {
    case ItemState::NotDefined: lamp->setCaption(QStringLiteral("---")); break;
    case ItemState::Off: lamp->setCaption(QStringLiteral("Off")); break;
    case ItemState::On: lamp->setCaption(onCaption); break;
    }
    setLampColour(lamp, state == ItemState::On);
}
