#pragma once
#include "common/bytetext.h"

#include <QFrame>

class ExerciseHost;
class QTimer;

// The Chinese exercise panel: five reference lines with their marks rows and edit
// lines, the clock, the code-hint bar; Chinese lessons and the Chinese and English tests.
class ChinesePanel : public QFrame {
    Q_OBJECT
public:
    ChinesePanel(ExerciseHost& host, QWidget* parent);
    QTimer* timer() const { return chinatimerctr_; }
    // A lesson command: title and file name ("/gpz.jxo").
    void startLesson(const ByteText& lessonTitle, const std::string& fileName);
    // A test command: from the start or a random place of the file.
    void startTest(bool randomStart, const ByteText& modeTitle, const std::string& fileName);

private:
    ExerciseHost& host_;
    QTimer* chinatimerctr_ = nullptr;
};
