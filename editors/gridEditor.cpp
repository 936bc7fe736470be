#include "editors/gridEditor.h"

#include <QWidget>

#include "core/vbRuntime.h"
#include "platform/latin1.h"
#include "platform/twips.h"

GridEditor::GridEditor(QWidget* form, GridGeometry geometry) : form_(form), geometry_(geometry) {}

int GridEditor::left(int row, int offset) const { return geometry_.left(row, offset); }

int GridEditor::top(int row) const { return geometry_.top(row); }

VbLabel* GridEditor::newLabel(const CellLook& look) const
{
    auto* label = new VbLabel(form_);
    label->setBackColor(look.backColor);
    label->setAlignment(look.alignment);
    if (look.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return label;
}

LabelArray GridEditor::addCells(int leftOffset, const CellLook& look)
{
    LabelArray cells;
    for (int i = 0; i < geometry_.rows; ++i) {
        VbLabel* cell = newLabel(look);
        cell->setGeometry(twipsRect(left(i, leftOffset), top(i), look.width, look.height));
        cell->hide();
        cells.push_back(cell);
    }
    return cells;
}

LabelArray GridEditor::addHeaders(const QString& caption, int left, int top, const CellLook& look)
{
    LabelArray headers;
    const int columns = (geometry_.rows + geometry_.linesPerColumn - 1) / geometry_.linesPerColumn;
    for (int c = 0; c < columns; ++c) {
        VbLabel* header = newLabel(look);
        header->setCaption(caption);
        header->setGeometry(twipsRect(left + c * geometry_.columnPitch, top, look.width, look.height));
        header->setVisible(c == 0);
        headers.push_back(header);
    }
    return headers;
}

VbComboBox* GridEditor::addList(int width, const QStringList& entries)
{
    auto* list = new VbComboBox(form_);
    list->setItems(entries);
    list->setFixedWidth(twipsToPixels(width));
    list->hide();
    lists_.push_back(list);
    return list;
}

VbComboBox* GridEditor::addSelector(int left, int top, int width)
{
    auto* list = new VbComboBox(form_);
    list->move(twipsToPixels(left), twipsToPixels(top));
    list->setFixedWidth(twipsToPixels(width));
    return list;
}

VbLabel* GridEditor::addLabel(int left, int top, const CellLook& look)
{
    VbLabel* label = newLabel(look);
    label->setGeometry(twipsRect(left, top, look.width, look.height));
    return label;
}

void GridEditor::hideLists() const
{
    for (VbComboBox* list : lists_) list->hide();
}

void GridEditor::openList(VbComboBox* list, const VbLabel* cell, int entry) const
{
    for (VbComboBox* other : lists_)
        if (other != list) other->hide();
    list->move(cell->pos());
    list->setListIndex(entry);
    list->show();
    list->raise();
    // The keys (Alt+Down, the arrows, Enter) go to the list just opened.
    list->setFocus();
}

void showRows(std::initializer_list<const LabelArray*> arrays, int count)
{
    for (const LabelArray* cells : arrays)
        for (int i = 0; i < static_cast<int>(cells->size()); ++i)
            (*cells)[i]->setVisible(i < count);
}

void showHeaders(const LabelArray& headers, int rowCount)
{
    for (int c = 0; c < static_cast<int>(headers.size()); ++c)
        headers[c]->setVisible(c == 0 || rowCount > 16 * c);
}

void setToolTips(const LabelArray& names, std::string_view kind, int count)
{
    for (int i = 0; i < count && i < static_cast<int>(names.size()); ++i)
        names[i]->setToolTip(toQ(std::string(kind) + Format00(i + 1)));
}

void setCaptions(const LabelArray& names, const NameArray& texts, int count)
{
    for (int i = 0; i < count && i < static_cast<int>(names.size()); ++i)
        names[i]->setCaption(toQ(texts[i]));
}

QStringList nameEntries(const NameArray& names, int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i) entries << toQ(names[i]);
    return entries;
}

QStringList listEntries(std::span<const std::string_view> texts)
{
    QStringList entries;
    for (std::string_view text : texts) entries << toQ(std::string(text));
    return entries;
}

QString cellText(std::span<const std::string_view> texts, int code)
{
    if (code < 0 || code >= static_cast<int>(texts.size())) return {};
    return QLatin1Char(' ') + toQ(std::string(texts[code]));
}

void paintCell(VbLabel* cell, const CellState& state)
{
    cell->setCaption(QString::fromLatin1(state.caption));
    cell->setBackColor(state.backColor);
}

bool isRowZeroCopy(int Index, int Button, int Shift) { return Index == 0 && Button == 2 && Shift == 1; }
