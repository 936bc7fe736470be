#pragma once
// The row grid and the lamps of the forms that show a panel live: by default 48 rows
// in three columns of 16, any other GridGeometry where a form has more or fewer rows;
// each row a name label, one or two lamps and perhaps buttons, placed by twips offsets.
// And the label that stands in for them all while there is no link.

#include <QString>

#include "live/engine/liveItemStates.h"
#include "platform/rowGrid.h"

class QPushButton;
class QWidget;
class VbLabel;

inline constexpr int kLiveRows = 48;
inline constexpr GridGeometry kLiveRowGrid{.firstTop = 240, .rows = kLiveRows};

inline constexpr unsigned int kLampOnColour = 0xFFFFFF;
inline constexpr unsigned int kLampOffColour = 0x808080;
inline constexpr unsigned int kDarkLampColour = 0x404040;
inline constexpr unsigned int kNameLabelColour = 0xE0E0E0;

// Places `control` in row `row` of `grid` (by default top 240 + 360 x (row Mod 16),
// left 3600 x (row \ 16) + leftOffset), size in twips.
void placeInLiveRow(QWidget* control, int row, int leftOffset, int width, int height,
                    const GridGeometry& grid = kLiveRowGrid);

// A bordered name label at offset 240 with tooltip `tipPrefix` & Format(row + 1, "00").
VbLabel* makeRowNameLabel(QWidget* parent, int row, const QString& tipPrefix, const GridGeometry& grid = kLiveRowGrid);
// A bordered, centred lamp with black text.
VbLabel* makeRowLamp(QWidget* parent, int row, int leftOffset, const QString& caption, unsigned int backColour,
                     const GridGeometry& grid = kLiveRowGrid);
QPushButton* makeRowButton(QWidget* parent, int row, int leftOffset, const QString& caption, int width = 495,
                           const GridGeometry& grid = kLiveRowGrid);

// "Not Connected To Brevantine 3" (or `text`) in 12 points on yellow, 3615 x 375 twips
// at the given place; hidden until the form finds no link.
VbLabel* makeNoConnectionLabel(QWidget* parent, int left = 240, int top = 240,
                               const QString& text = QStringLiteral("Not Connected To Brevantine 3"));

// Lamp caption and colour: "On" on white, "Off" on grey.
void setOnOffLamp(VbLabel* lamp, bool on);
// Only the colour: white when on, grey when off.
void setLampColour(VbLabel* lamp, bool on);
// A group or preset lamp: "---" on grey when the panel has the item not defined,
// "Off" on grey, or `onCaption` on white.
void setDefinableLamp(VbLabel* lamp, ItemState state, const QString& onCaption);

// Bordered and centred, as the panel-state labels look.
void styleStateLabel(VbLabel* label);
