#pragma once
// The row grid and the lamps of the live forms: 48 rows in three columns of 16, each
// row a name label, one or two lamps and perhaps buttons, placed by twips offsets.

#include <QString>

#include "link/engine/liveItemStates.h"

class QPushButton;
class QWidget;
class VbLabel;

inline constexpr int kLiveRows = 48;

inline constexpr unsigned int kLampOnColour = 0xFFFFFF;
inline constexpr unsigned int kLampOffColour = 0x808080;
inline constexpr unsigned int kDarkLampColour = 0x404040;
inline constexpr unsigned int kNameLabelColour = 0xE0E0E0;

// Places `control` in row `row` (0..47): top 240 + 360 x (row Mod 16), left
// 3600 x (row \ 16) + leftOffset, size in twips.
void placeInLiveRow(QWidget* control, int row, int leftOffset, int width, int height);

// A bordered name label at offset 240 with tooltip `tipPrefix` & Format(row + 1, "00").
VbLabel* makeRowNameLabel(QWidget* parent, int row, const QString& tipPrefix);
// A bordered, centred lamp with black text.
VbLabel* makeRowLamp(QWidget* parent, int row, int leftOffset, const QString& caption, unsigned int backColour);
QPushButton* makeRowButton(QWidget* parent, int row, int leftOffset, const QString& caption, int width = 495);

// Lamp caption and colour: "On" on white, "Off" on grey.
void setOnOffLamp(VbLabel* lamp, bool on);
// Only the colour: white when on, grey when off.
void setLampColour(VbLabel* lamp, bool on);
// A group or preset lamp: "---" on grey when the panel has the item not defined,
// "Off" on grey, or `onCaption` on white.
void setDefinableLamp(VbLabel* lamp, ItemState state, const QString& onCaption);

// Bordered and centred, as the panel-state labels look.
void styleStateLabel(VbLabel* label);
