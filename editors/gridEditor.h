#pragma once
// The grid shared by the editors: rows of control arrays (labels, text boxes or
// pictures) standing in the columns of a GridGeometry, value cells that drop a floating
// list over themselves, toggle cells, column headers and selector lists. Positions are
// given in twips as each form states them.
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
#include "platform/vbTextBox.h"

class QImage;
class QWidget;

template <class Cell>
using CellArray = std::vector<Cell*>;
using LabelArray = CellArray<VbLabel>;
using TextBoxArray = CellArray<VbTextBox>;
using NameArray = std::array<std::string, 49>;

// Any array of grid cells seen as widgets, so one call shows rows of mixed kinds.
class CellColumn {
public:
    template <class Cell>
    CellColumn(const CellArray<Cell>& cells)
        : cells_(&cells),
          size_(static_cast<int>(cells.size())),
          at_([](const void* c, int i) -> QWidget* { return (*static_cast<const CellArray<Cell>*>(c))[i]; })
    {
    }
    template <class Cell>
    CellColumn(const CellArray<Cell>* cells) : CellColumn(*cells)
    {
    }
    int size() const { return size_; }
    QWidget* operator[](int i) const { return at_(cells_, i); }

private:
    const void* cells_;
    int size_;
    QWidget* (*at_)(const void*, int);
};

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
    // One plain caption per row (no fill, no border), likewise.
    LabelArray addCaptions(int leftOffset, int width);
    // One text box per row, likewise.
    TextBoxArray addTextBoxes(int leftOffset, int width, int height = 315);
    // One 16 x 16 picture per row showing a flag (showFlag); it takes clicks as a
    // label does.
    LabelArray addPictures(int leftOffset);
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
    // The selection raises the list's Click as code does, unless it is a quiet preset.
    enum class Preset { RaisesClick, Quiet };
    void openList(VbComboBox* list, const QWidget* cell, int64_t stored, int64_t offset = 0,
                  Preset preset = Preset::RaisesClick) const;

private:
    VbLabel* newLabel(const CellLook& look) const;
    // Row i of a new array at `leftOffset`, hidden.
    template <class Cell, class Make>
    CellArray<Cell> addRows(int leftOffset, int width, int height, Make make) const;

    QWidget* form_;
    GridGeometry geometry_;
    std::vector<VbComboBox*> lists_;
};

// Selects the entry of `stored` in a list whose entry 0 stands for `offset` (none when
// it has no such entry), raising the list's Click as code does unless it is a quiet preset.
void selectStoredEntry(VbComboBox* list, int64_t stored, int64_t offset = 0,
                       GridEditor::Preset preset = GridEditor::Preset::RaisesClick);

// Row i of every array shown exactly when i < count.
void showRows(std::initializer_list<CellColumn> arrays, int count);
// Header c shown when more than 16 * c rows are shown.
void showHeaders(const LabelArray& headers, int rowCount);
// Tool tips kind & Format(i + 1, "00") on rows 0 .. count - 1.
void setToolTips(CellColumn cells, std::string_view kind, int count);
// A label's caption or a text box's text (which raises its Change when it differs).
void setCellText(VbLabel* cell, const std::string& text);
void setCellText(VbTextBox* cell, const std::string& text);
// Texts of rows 0 .. count - 1 from a name list.
template <class Cell>
void setCaptions(const CellArray<Cell>& cells, const NameArray& texts, int count)
{
    for (int i = 0; i < count && i < static_cast<int>(cells.size()); ++i) setCellText(cells[i], texts[i]);
}
// The first `count` names as list entries.
QStringList nameEntries(const NameArray& names, int count);
QStringList listEntries(std::span<const std::string_view> texts);
QStringList listEntries(const std::vector<std::string>& texts);
void setWidthTwips(QWidget* control, int widthTwips);
// What a value cell shows for a code: a space and the code's text, or nothing when
// the code has no entry.
QString cellText(std::span<const std::string_view> texts, int code);
void paintCell(VbLabel* cell, const CellState& state);
// The two pictures of a picture cell: a white square with a green tick when set, a
// grey square with a red cross when not.
const QImage& flagPicture(bool set);
void showFlag(VbLabel* cell, bool set);
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

// Wires one event of every control of an array (labels, pictures, option buttons, check
// boxes) to a handler taking the index, like a VB control array:
// connectArray(lblInclude, &VbLabel::DblClick, ...).
template <class Cells, class Cell, class Handler>
void connectArray(const Cells& cells, void (Cell::*event)(), Handler handler)
{
    for (std::size_t i = 0; i < std::size(cells); ++i)
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
template <class Cells, class Handler>
void onMouseDown(const Cells& cells, Handler handler)
{
    for (std::size_t i = 0; i < std::size(cells); ++i)
        QObject::connect(cells[i], &VbLabel::MouseDown, cells[i],
                         [handler, row = static_cast<int>(i)](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                             handler(row, vbButton(button), vbShift(modifiers));
                         });
}
