#include "english/englishpanel.h"

#include "app/exercisehost.h"

#include <QTimer>

EnglishPanel::EnglishPanel(ExerciseHost& host, QWidget* parent) : QFrame(parent), host_(host) {
    setObjectName(QStringLiteral("englishform"));
    englishtimer_ = new QTimer(this);
    englishtimer_->setObjectName(QStringLiteral("englishtimer"));
    englishtimer_->setInterval(1000);
}

void EnglishPanel::startEnglishLesson(const ByteText&, const std::string&) {}
void EnglishPanel::startEnglishTest(ChinesePanel&, bool) {}
