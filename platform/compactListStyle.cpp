#include "platform/compactListStyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyleOptionComboBox>

namespace {

// Room for the style's arrow glyph (8 pixels) with a pixel on either side and the
// frame's edge.
constexpr int kArrowWidth = 12;

} // namespace

CompactListStyle::CompactListStyle() : QProxyStyle(QApplication::style()->name()) {}

QRect CompactListStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                       const QWidget* widget) const
{
    const QRect usual = QProxyStyle::subControlRect(control, option, part, widget);
    if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField)) return usual;
    // Worked out as if left to right, then mirrored back for a right-to-left list.
    const QRect whole = option->rect;
    QRect arrow = visualRect(option->direction, whole,
                             QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget));
    arrow.setLeft(arrow.right() + 1 - kArrowWidth);
    if (part == SC_ComboBoxArrow) return visualRect(option->direction, whole, arrow);
    QRect field = visualRect(option->direction, whole, usual);
    field.setRight(arrow.left() - 1);
    return visualRect(option->direction, whole, field);
}

void CompactListStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                          QPainter* painter, const QWidget* widget) const
{
    const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !list) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Some styles keep a drawn list for reuse, found by its size and state alone: a
    // state mark that no style on this system draws keeps our narrow arrow apart from
    // a list of the usual look, such as one in Qt's own file dialog.
    QStyleOptionComboBox own(*list);
    own.state |= State_Mini;
    QProxyStyle::drawComplexControl(control, &own, painter, widget);
}

QStyle* compactListStyle()
{
    static QPointer<CompactListStyle> shared;
    if (!shared) {
        shared = new CompactListStyle;
        shared->setParent(qApp);
    }
    return shared;
}
