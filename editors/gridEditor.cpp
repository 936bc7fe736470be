#include "editors/gridEditor.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "core/vbRuntime.h"
#include "editors/engine/listEntries.h"
#include "platform/latin1.h"
#include "platform/twips.h"

namespace {

constexpr int kPictureSide = 16;

} // namespace

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

template <class Cell, class Make>
CellArray<Cell> GridEditor::addRows(int leftOffset, int width, int height, Make make) const
{
    CellArray<Cell> cells;
    for (int i = 0; i < geometry_.rows; ++i) {
        Cell* cell = placed(make(), left(i, leftOffset), top(i), width, height);
        cell->hide();
        cells.push_back(cell);
    }
    return cells;
}

LabelArray GridEditor::addCells(int leftOffset, const CellLook& look)
{
    return addRows<VbLabel>(leftOffset, look.width, look.height, [this, &look] { return newLabel(look); });
}

LabelArray GridEditor::addCaptions(int leftOffset, int width)
{
    return addRows<VbLabel>(leftOffset, width, 315, [this] { return new VbLabel(form_); });
}

TextBoxArray GridEditor::addTextBoxes(int leftOffset, int width, int height)
{
    return addRows<VbTextBox>(leftOffset, width, height, [this] { return new VbTextBox(form_); });
}

LabelArray GridEditor::addPictures(int leftOffset)
{
    const int side = pixelsToTwips(kPictureSide);
    return addRows<VbLabel>(leftOffset, side, side, [this] { return new VbLabel(form_); });
}

LabelArray GridEditor::addHeaders(const QString& caption, int left, int top, const CellLook& look)
{
    LabelArray headers;
    const int columns = (geometry_.rows + geometry_.linesPerColumn - 1) / geometry_.linesPerColumn;
    for (int c = 0; c < columns; ++c) {
        VbLabel* header = placed(newLabel(look), left + c * geometry_.columnPitch, top, look.width, look.height);
        header->setCaption(caption);
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
    return placed(newLabel(look), left, top, look.width, look.height);
}

void GridEditor::hideLists() const
{
    for (VbComboBox* list : lists_) list->hide();
}

void GridEditor::openList(VbComboBox* list, const QWidget* cell, int64_t stored, int64_t offset, Preset preset) const
{
    for (VbComboBox* other : lists_)
        if (other != list) other->hide();
    list->move(cell->pos());
    selectStoredEntry(list, stored, offset, preset);
    list->show();
    list->raise();
    // The keys (Alt+Down, the arrows, Enter) go to the list just opened.
    list->setFocus();
}

void selectStoredEntry(VbComboBox* list, int64_t stored, int64_t offset, GridEditor::Preset preset)
{
    const int entry = listPosition(stored, offset, list->ListCount());
    if (preset == GridEditor::Preset::Quiet) list->presetListIndex(entry);
    else list->setListIndex(entry);
}

void showRows(std::initializer_list<CellColumn> arrays, int count)
{
    for (const CellColumn& cells : arrays)
        for (int i = 0; i < cells.size(); ++i) cells[i]->setVisible(i < count);
}

void showHeaders(const LabelArray& headers, int rowCount)
{
    for (int c = 0; c < static_cast<int>(headers.size()); ++c)
        headers[c]->setVisible(c == 0 || rowCount > 16 * c);
}

void setToolTips(CellColumn cells, std::string_view kind, int count)
{
    for (int i = 0; i < count && i < cells.size(); ++i) cells[i]->setToolTip(toQ(std::string(kind) + Format00(i + 1)));
}

void setCellText(VbLabel* cell, const std::string& text) { cell->setCaption(toQ(text)); }

void setCellText(VbTextBox* cell, const std::string& text) { cell->setText(text); }

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

QStringList listEntries(const std::vector<std::string>& texts)
{
    QStringList entries;
    for (const std::string& text : texts) entries << toQ(text);
    return entries;
}

void setWidthTwips(QWidget* control, int widthTwips) { control->resize(twipsToPixels(widthTwips), control->height()); }

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

const QImage& flagPicture(bool set)
{
    // Images, not pixmaps: statics outlive the application object.
    static const QImage pictures[2] = {
        [] {
            QImage cross(kPictureSide, kPictureSide, QImage::Format_RGB32);
            cross.fill(vbColor(0xC0C0C0));
            QPainter p(&cross);
            p.setPen(QPen(Qt::red, 2));
            p.drawLine(4, 4, 11, 11);
            p.drawLine(11, 4, 4, 11);
            p.setPen(Qt::darkGray);
            p.drawRect(0, 0, 15, 15);
            return cross;
        }(),
        [] {
            QImage tick(kPictureSide, kPictureSide, QImage::Format_RGB32);
            tick.fill(Qt::white);
            QPainter p(&tick);
            p.setPen(QPen(QColor(0, 160, 0), 2));
            p.drawPolyline(QPolygon({QPoint(3, 8), QPoint(6, 11), QPoint(12, 4)}));
            p.setPen(Qt::darkGray);
            p.drawRect(0, 0, 15, 15);
            return tick;
        }(),
    };
    return pictures[set ? 1 : 0];
}

void showFlag(VbLabel* cell, bool set) { cell->setPixmap(QPixmap::fromImage(flagPicture(set))); }

bool isRowZeroCopy(int Index, int Button, int Shift) { return Index == 0 && Button == 2 && Shift == 1; }

void copyRowZero(ItemMatrix& matrix, int owner, int rows)
{
    for (int r = 1; r < rows; ++r) matrix(owner, r) = matrix(owner, 0);
}
