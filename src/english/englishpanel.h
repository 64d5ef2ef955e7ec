#pragma once
#include "common/bytetext.h"

#include <QFrame>

class ExerciseHost;
class ChinesePanel;
class QTimer;

// The English exercise panel: three reference lines with their mark lines and input lines.
class EnglishPanel : public QFrame {
    Q_OBJECT
public:
    EnglishPanel(ExerciseHost& host, QWidget* parent);
    QTimer* timer() const { return englishtimer_; }
    void startEnglishLesson(const ByteText& lessonTitle, const std::string& fileName);
    // The English tests run on the Chinese page.
    void startEnglishTest(ChinesePanel& page, bool randomStart);

private:
    ExerciseHost& host_;
    QTimer* englishtimer_ = nullptr;
};
