#include "chinese/chinesepanel.h"

#include "app/exercisehost.h"

#include <QTimer>

ChinesePanel::ChinesePanel(ExerciseHost& host, QWidget* parent) : QFrame(parent), host_(host) {
    setObjectName(QStringLiteral("chinapanel"));
    chinatimerctr_ = new QTimer(this);
    chinatimerctr_->setObjectName(QStringLiteral("chinatimerctr"));
    chinatimerctr_->setInterval(1000);
}

void ChinesePanel::startLesson(const ByteText&, const std::string&) {}
void ChinesePanel::startTest(bool, const ByteText&, const std::string&) {}
