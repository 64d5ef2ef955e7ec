#pragma once
// The desktop's style, its standard icons made when first drawn and its focus frame
// drawn dark enough to be seen.
#include <QProxyStyle>

// Qt reads the pictures of a style's standard icons (the tool bar's extension arrow, the
// message box symbols, ...) by asking every image plug-in it has, which loads them all,
// the SVG renderer among them, as soon as a tool bar is built. Made when first drawn, a
// start that shows none of them loads none.
class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    // The focus frame of tool buttons, check boxes and the like: a solid dark blue
    // line, over 3:1 against the light panels (the desktop style's tint is under 2:1).
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    static QColor focusColour();
};
