#include "radicals/radicalpanel.h"

#include "app/exercisehost.h"

#include <QTimer>

RadicalPanel::RadicalPanel(ExerciseHost& host, QWidget* parent) : QFrame(parent), host_(host) {
    setObjectName(QStringLiteral("zgform"));
    zgtimerctr_ = new QTimer(this);
    zgtimerctr_->setObjectName(QStringLiteral("zgtimerctr"));
    zgtimerctr_->setInterval(1000);
}

void RadicalPanel::m1aClick() {}
