#pragma once
#include "chinese/chineseclock.h"
#include "chinese/chinesepage.h"
#include "chinese/codehints.h"
#include "common/bytetext.h"
#include "exercise/exerciserun.h"

#include <QCoreApplication>
#include <QFrame>
#include <array>
#include <functional>

namespace chinese {
// The status-bar hint when Latin letters reach a Chinese line as plain key presses.
inline const QString kInputMethodOffHint =
    QCoreApplication::translate("ChinesePanel", "输入法未打开：fcitx5 按 Ctrl+空格，IBus 按 Super+空格（详见帮助 F1）...");
}  // namespace chinese

class ChineseCoach;
class ExerciseHost;
class ByteGridLabel;
class KeyLineEdit;
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
    QTimer* timer() const { return run_.timer(); }
    ExerciseScore& score() { return run_.score(); }
    // A lesson or a test of this page (also the English tests); `generated`: a text the
    // program made or the learner's own text, instead of the kind's file; `title` its name.
    void start(const ExerciseKind& kind, const ByteText* generated = nullptr, const ByteText* title = nullptr);

    void nextPage();
    void exitPractice();
    void forceExit();
    void onTimer();

    const chinese::Page& page() const { return page_; }

private:
    bool englishTest_ = false;
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
    ExerciseRun run_;
    chinese::Page page_;
    chinese::HintBar hints_;
    chinese::PanelFlags flags_;
    bool asking_ = false;            // the forced-exit question is open
    bool limitWhileAsking_ = false;  // and the test time limit came meanwhile
    bool imOffHintShown_ = false;    // the status bar says no input method is on

    std::array<ByteGridLabel*, chinese::kLineCount> referenceLines_{};
    std::array<ByteGridLabel*, chinese::kLineCount> markLines_{};
    std::array<KeyLineEdit*, chinese::kLineCount> inputLines_{};
    PageInput* input_ = nullptr;  // the one focused input client of the page
    QToolButton* nextPageButton_ = nullptr;
    QToolButton* exitButton_ = nullptr;
    QToolButton* forcedExitButton_ = nullptr;
    QFrame* hintFrame_ = nullptr;
    ChineseCoach* coach_ = nullptr;
    std::array<QLabel*, 4> hintLabels_{};
};
