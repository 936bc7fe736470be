#pragma once
// The look of the forms' drop-down lists: the application's style with a narrower
// arrow button. The layouts give a list the width of the cell it drops over, which
// leaves the text too little room beside the arrow of the usual styles; with this one
// every entry of such a list shows whole.

#include <QProxyStyle>

class CompactListStyle : public QProxyStyle {
public:
    CompactListStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

// The one instance every list shares, owned by the application.
QStyle* compactListStyle();
