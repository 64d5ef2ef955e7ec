#pragma once
#include "chinese/chineseclock.h"
#include "chinese/chinesepage.h"
#include "chinese/codehints.h"
#include "common/bytetext.h"

#include <QFrame>
#include <array>
#include <functional>
#include <memory>

namespace chinese {
// The status-bar hint when Latin letters reach a Chinese line as plain key presses.
inline const QString kInputMethodOffHint =
    QStringLiteral("输入法未打开：fcitx5 按 Ctrl+空格，IBus 按 Super+空格（详见帮助 F1）...");
}  // namespace chinese

class ExerciseHost;
class ByteGridLabel;
class KeyLineEdit;
class LabelPair;
class PageInput;
class QLabel;
class QTimer;
class QToolButton;

// The Chinese exercise panel: five reference lines with their marks rows and edit
// lines, the clock, the code-hint bar; Chinese lessons and the Chinese and English
// tests. The rules live in chinesepage/chinesecheck/codehints/chineseclock; this
// class shows their results and carries out their effects.
class ChinesePanel : public QFrame {
    Q_OBJECT
public:
    ChinesePanel(ExerciseHost& host, QWidget* parent);
    ~ChinesePanel() override;
    QTimer* timer() const { return timer_; }
    // A lesson command: title and file name ("/gpz.jxo").
    void startLesson(const ByteText& lessonTitle, const std::string& fileName);
    // A lesson on a text made by the program (the weak characters): the page starts
    // at its first byte; everything else as for a lesson file.
    void startGeneratedLesson(const ByteText& lessonTitle, const ByteText& text);
    // A test command: from the start or a random place of the file.
    void startTest(bool randomStart, const ByteText& modeTitle, const std::string& fileName);

    void nextPage();
    void exitPractice();
    void forceExit();
    void onTimer();

    const chinese::Page& page() const { return page_; }

private:
    enum class Kind { Lesson, GeneratedLesson, OrderedTest, RandomTest };
    bool englishTest_ = false;
    std::function<void()> fileLoader(const std::string& fileName);
    // load fills lessonStore (and may throw JaxoError).
    void start(Kind kind, const ByteText& modeTitle, const ByteText& lessonTitle, const std::function<void()>& load);
    void lineChanged(int k);
    bool lineKeyPress(int ch);
    void end(chinese::Ending ending);
    chinese::CodeBooks books() const;
    void showCodeHints(const ByteText& line, int column);
    void showPage();
    void showHints();
    void showFlags();
    void focusWritable();
    void dumpStateForTests() const;

    ExerciseHost& host_;
    chinese::Page page_;
    chinese::HintBar hints_;
    chinese::PanelFlags flags_;
    bool asking_ = false;            // the forced-exit question is open
    bool limitWhileAsking_ = false;  // and the test time limit came meanwhile

    QTimer* timer_ = nullptr;
    std::array<ByteGridLabel*, chinese::kLineCount> referenceLines_{};
    std::array<ByteGridLabel*, chinese::kLineCount> markLines_{};
    std::array<KeyLineEdit*, chinese::kLineCount> inputLines_{};
    PageInput* input_ = nullptr;  // the one focused input client of the page
    std::unique_ptr<LabelPair> clockCaption_, modeCaption_, lessonCaption_;
    QToolButton* nextPageButton_ = nullptr;
    QToolButton* exitButton_ = nullptr;
    QToolButton* forcedExitButton_ = nullptr;
    QFrame* hintFrame_ = nullptr;
    std::array<QLabel*, 4> hintLabels_{};
};
