#pragma once
// The settings panel's choice of the interface language ("界面语言"): follow the desktop,
// or one of the three. The choice takes effect at the next start, as the panel says:
// every window is built with its texts at the start.
#include <QWidget>

class QComboBox;

class LanguageBox : public QWidget {
    Q_OBJECT
public:
    explicit LanguageBox(QWidget* page);

    // Shows a saved choice (empty: follow the desktop).
    void showChoice(const QString& choice);
    QString choice() const;

private:
    QComboBox* combo_ = nullptr;
};
