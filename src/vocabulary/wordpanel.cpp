#include "vocabulary/wordpanel.h"

#include "app/exercisehost.h"

#include <QTimer>

WordPanel::WordPanel(ExerciseHost& host, QWidget* parent) : QFrame(parent), host_(host) {
    setObjectName(QStringLiteral("bdcform"));
    bdcTimer1_ = new QTimer(this);
    bdcTimer1_->setObjectName(QStringLiteral("bdcTimer1"));
    bdcTimer1_->setInterval(1000);
}

void WordPanel::startWordDrill(const std::string&, const ByteText&) {}
