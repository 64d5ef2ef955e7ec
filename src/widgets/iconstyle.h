#pragma once
// The desktop's style, its standard icons made when first drawn.
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
};
