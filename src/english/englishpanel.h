#pragma once
#include "widgets/labelpair.h"
#include "common/bytetext.h"
#include "english/englishpractice.h"

#include <QFrame>
#include <array>

class ExerciseHost;
class ByteGridLabel;
class KeyLineEdit;
class QKeyEvent;
class QLabel;
class QTimer;
class QToolButton;

// The English exercise panel: three reference lines with their mark lines and input
// lines, the clock and the titles. The rules live in english::EnglishPractice; this
// panel shows them and passes the keys on.
class EnglishPanel : public QFrame {
    Q_OBJECT
public:
    EnglishPanel(ExerciseHost& host, QWidget* parent);
    QTimer* timer() const { return englishtimer_; }
    void startEnglishLesson(const ByteText& lessonTitle, const std::string& fileName);

    // The next three lines of the lesson, as the page shows them.
    void englishenglish();
    void englishnextClick();
    void englishexitClick();
    void englishtimerTimer();
    // The one ending of a practice, whether by "退出", Escape or the time limit.
    void endEnglishPractice();

    bool running() const { return running_; }
    const english::EnglishPractice& practice() const { return practice_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void englishputKeyUp(int line);
    void englishput1KeyDown(QKeyEvent* e);
    bool englishput1KeyPress(int ch);
    void showPage();
    void showMarks(int line);
    void takeInputOn(int line);
    void loadPictures();
    void dumpStateForTests() const;

    ExerciseHost& host_;
    english::EnglishPractice practice_;
    bool running_ = false;
    bool picturesLoaded_ = false;

    QTimer* englishtimer_ = nullptr;
    std::array<ByteGridLabel*, english::kPageLines> englishtext_{};
    std::array<ByteGridLabel*, english::kPageLines> englishpd_{};
    std::array<KeyLineEdit*, english::kPageLines> englishput_{};
    LabelPair englishtime_;
    LabelPair englishzz1_;
    LabelPair englishzz2_;
    QToolButton* englishnext_ = nullptr;
    QToolButton* englishexit_ = nullptr;
    QLabel* engmage_ = nullptr;
    QLabel* engback_ = nullptr;
};
