#pragma once
// The controls of the editors that set values in lists, boxes and option buttons
// rather than in a grid, each created and placed in twips in one call.

#include <QString>
#include <cstdint>
#include <QStringList>

#include "platform/twips.h"

class QWidget;
class VbComboBox;
class VbLabel;

inline constexpr int kControlHeight = 315;

// A drop-down list with its entries and no entry selected.
VbComboBox* addDropDown(QWidget* parent, int left, int top, int width, const QStringList& entries);
VbLabel* addCaption(QWidget* parent, const QString& caption, int left, int top, int width);
// An option button, check box or command button with its caption.
template <class Button>
Button* addButton(QWidget* parent, const QString& caption, int left, int top, int width)
{
    return placed(new Button(caption, parent), left, top, width, kControlHeight);
}

// A value list's Click: the field takes the chosen position + `offset` and the
// configuration is marked changed; a list without a selection stores nothing.
void storeListEntry(const VbComboBox* list, int16_t& field, int offset = 0);
