#pragma once
// The label grid shared by the editors: rows of label control arrays standing sixteen
// to a column (row i in column Int(i / 16), line i Mod 16), value cells that drop a
// floating list over themselves, toggle cells, column headers and selector lists.
// Positions are given in twips as each form states them.
//
// The list rules come from VbComboBox: selecting the stored entry when a cell opens
// runs the list's Click handler whenever the list showed another entry, so handlers
// store what they are given and must ignore ListIndex -1, which is what a list shows
// for a stored code it has no entry for.
// A form whose own filling must store nothing holds its loading flag with a
// LoadingScope (editors/engine/loadingFlag.h) and tests it first in each list handler.

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/modB3Glimwarden.h"
#include "platform/rowGrid.h"
#include "platform/vbControls.h"

class QWidget;

using LabelArray = std::vector<VbLabel*>;
using NameArray = std::array<std::string, 49>;

struct CellLook {
    int width = 1095;
    unsigned int backColor = 0xE0E0E0;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool border = true;
    int height = 315;
};


// What a toggle cell shows for one state.
struct CellState {
    const char* caption;
    unsigned int backColor;
};

class GridEditor {
public:
    GridEditor(QWidget* form, GridGeometry geometry);

    int rows() const { return geometry_.rows; }
    int left(int row, int offset) const;
    int top(int row) const;

    // One label per row at `leftOffset` into its column; hidden until a form shows it.
    LabelArray addCells(int leftOffset, const CellLook& look);
    // One header per column at `left` + column * pitch; header 0 shows from the start.
    LabelArray addHeaders(const QString& caption, int left, int top, const CellLook& look);
    // A value column's drop-down list, hidden until a cell opens it.
    VbComboBox* addList(int width, const QStringList& entries);
    // A drop-down list that stays in place above the grid (group, input, timer).
    VbComboBox* addSelector(int left, int top, int width);
    // A plain label outside the rows.
    VbLabel* addLabel(int left, int top, const CellLook& look);

    void hideLists() const;
    // Hides the other floating lists, moves `list` onto `cell`, selects the entry of
    // `stored` in a list starting at `offset` (none when it has no such entry) and shows it.
    void openList(VbComboBox* list, const VbLabel* cell, int64_t stored, int64_t offset = 0) const;

private:
    VbLabel* newLabel(const CellLook& look) const;

    QWidget* form_;
    GridGeometry geometry_;
    std::vector<VbComboBox*> lists_;
};

// Row i of every array shown exactly when i < count.
void showRows(std::initializer_list<const LabelArray*> arrays, int count);
// Header c shown when more than 16 * c rows are shown.
void showHeaders(const LabelArray& headers, int rowCount);
// Tool tips kind & Format(i + 1, "00") on rows 0 .. count - 1.
void setToolTips(const LabelArray& names, std::string_view kind, int count);
// Captions of rows 0 .. count - 1 from a name list.
void setCaptions(const LabelArray& names, const NameArray& texts, int count);
// The first `count` names as list entries.
QStringList nameEntries(const NameArray& names, int count);
QStringList listEntries(std::span<const std::string_view> texts);
QStringList listEntries(const std::vector<std::string>& texts);
void setWidthTwips(QWidget* control, int widthTwips);
// What a value cell shows for a code: a space and the code's text, or nothing when
// the code has no entry.
QString cellText(std::span<const std::string_view> texts, int code);
void paintCell(VbLabel* cell, const CellState& state);
// A press on row 0's name with the right button and the Shift key alone.
bool isRowZeroCopy(int Index, int Button, int Shift);
// Row 0's code of `owner` to targets 1 .. rows - 1.
void copyRowZero(ItemMatrix& matrix, int owner, int rows);

// A value list's Click: store the chosen entry, hide the list, redraw the cells and
// mark the configuration changed. A list without a selection stores nothing.
// Every store marks, also on grids whose cells mark the change when they open: a
// save may have cleared the mark while the list stood open.
template <class Store, class Redraw>
void storeChosenEntry(VbComboBox* list, Store store, Redraw redraw)
{
    const int entry = list->ListIndex();
    if (entry < 0) return;
    store(static_cast<int16_t>(entry));
    list->hide();
    redraw();
    bChanged = VbTrue;
}

// Wires one event of every label of an array to a handler taking the row, like a VB
// control array: connectArray(lblName, &VbLabel::Click, ...).
template <class Handler>
void connectArray(const LabelArray& cells, void (VbLabel::*event)(), Handler handler)
{
    for (std::size_t i = 0; i < cells.size(); ++i)
        QObject::connect(cells[i], event, cells[i], [handler, row = static_cast<int>(i)] { handler(row); });
}

// A toggle cell counts a double click as one more click.
template <class Handler>
void connectToggles(const LabelArray& cells, Handler handler)
{
    connectArray(cells, &VbLabel::Click, handler);
    connectArray(cells, &VbLabel::DblClick, handler);
}

// The handler gets the row and VB's Button and Shift arguments.
template <class Handler>
void onMouseDown(const LabelArray& cells, Handler handler)
{
    for (std::size_t i = 0; i < cells.size(); ++i)
        QObject::connect(cells[i], &VbLabel::MouseDown, cells[i],
                         [handler, row = static_cast<int>(i)](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                             handler(row, vbButton(button), vbShift(modifiers));
                         });
}
