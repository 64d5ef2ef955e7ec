#include "widgets/iconstyle.h"

#include "widgets/pictures.h"

#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <memory>
#include <optional>

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    // What the base style reads of the option (the direction, the palette) is kept; the
    // widget only while it lives.
    auto kept = std::make_shared<std::optional<QStyleOption>>();
    if (option) kept->emplace(*option);
    const QPointer<QStyle> base(baseStyle());
    const QPointer<QWidget> from(const_cast<QWidget*>(widget));
    return pictures::deferredIcon([base, kept, from, standardIcon] {
        if (!base) return QIcon();
        return base->standardIcon(standardIcon, *kept ? &**kept : nullptr, from.data());
    });
}

QColor DeferredIconStyle::focusColour() { return {0x1C, 0x3F, 0x94}; }

void DeferredIconStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    if (element != PE_FrameFocusRect) return QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(focusColour(), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}
