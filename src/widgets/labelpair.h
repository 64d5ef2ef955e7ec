#pragma once
// A label pair: a disabled label under an enabled one at the same place, both with the
// same text, which gives the text an engraved look.
#include <QLabel>
#include <QString>

class LabelPair {
public:
    LabelPair() = default;
    // lowerName is the disabled one, upperName the one on top.
    LabelPair(QWidget* parent, const QString& lowerName, const QString& upperName, const QFont& font, QPoint pos);
    void setText(const QString& text);
    QString text() const;
    void setVisible(bool on);
    QLabel* lower() const { return lower_; }
    QLabel* upper() const { return upper_; }

private:
    QLabel* lower_ = nullptr;
    QLabel* upper_ = nullptr;
};
