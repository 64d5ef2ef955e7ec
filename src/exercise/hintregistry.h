#pragma once
#include <QString>

class QWidget;

// Status-bar hints: a registered control shows its hint in status panel 1 while the
// pointer is over it, and the hint becomes its accessible description.
class HintRegistry {
public:
    virtual ~HintRegistry() = default;
    virtual void registerHint(QWidget* widget, const QString& hint) = 0;
};
