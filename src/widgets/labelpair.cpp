#include "widgets/labelpair.h"

#include "widgets/access.h"

#include <QPalette>

LabelPair::LabelPair(QWidget* parent, const QString& lowerName, const QString& upperName, const QFont& font, QPoint pos) {
    lower_ = new DecorationLabel(parent);
    upper_ = new QLabel(parent);
    lower_->setObjectName(lowerName);
    upper_->setObjectName(upperName);
    for (QLabel* l : {lower_, upper_}) {
        l->setFont(font);
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setAutoFillBackground(false);
    }
    // The shadow: disabled, light, one pixel down and right.
    lower_->setEnabled(false);
    QPalette pal = lower_->palette();
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(255, 255, 255));
    lower_->setPalette(pal);
    lower_->move(pos + QPoint(1, 1));
    upper_->move(pos);
    upper_->raise();
}

void LabelPair::setText(const QString& text) {
    lower_->setText(text);
    upper_->setText(text);
    lower_->adjustSize();
    upper_->adjustSize();
}

QString LabelPair::text() const { return upper_ ? upper_->text() : QString(); }

void LabelPair::setVisible(bool on) {
    lower_->setVisible(on);
    upper_->setVisible(on);
}
