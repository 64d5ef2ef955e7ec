#pragma once
#include <QString>

class QWidget;
class Messages;
class JaxoError;

// Status-bar hints: a registered control shows its hint in status panel 1 while the
// pointer is over it, and the hint becomes its accessible description.
class HintRegistry {
public:
    virtual ~HintRegistry() = default;
    virtual void registerHint(QWidget* widget, const QString& hint) = 0;
};

// What every panel on the main window needs of it.
class PanelHost : public HintRegistry {
public:
    // The tool bar takes clicks (true) or not.
    virtual void setToolBarEnabled(bool on) = 0;
    virtual Messages& messages() = 0;
    // The error display.
    virtual void showError(const JaxoError& error) = 0;
};
