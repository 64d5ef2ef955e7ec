#pragma once
// The settings panel: the three time limits and the eight switches on three pages,
// with "预设" (defaults), "确定" (save) and "取消" (cancel).
#include <QFrame>
#include <array>

class QCheckBox;
class QKeyEvent;
class QPushButton;
class QTabWidget;
class KeyLineEdit;
class ExerciseHost;
class LineStore;

class SettingsPanel : public QFrame {
    Q_OBJECT
public:
    // settingsLines holds the lines of the settings file as they are written and read back.
    SettingsPanel(ExerciseHost& form, LineStore& settingsLines, QWidget* parent);

    // Opens the panel with the settings in memory; the tool bar is disabled meanwhile.
    void openSettings();
    // "预设": the defaults into the controls; nothing is saved.
    void sys1Click();
    // "确定": writes the file, reads it back, restarts or stops the main music.
    void sys2Click();
    // "取消": closes without a change.
    void sys3Click();
    // The digit filter of Edit1 to Edit3: false drops the character (with a beep).
    bool Edit1KeyPress(QKeyEvent* e, int ch);

private:
    // Refuses "确定" for a time edit that could not be read back.
    void refuse(int index);

    ExerciseHost& form_;
    LineStore& settingsLines_;
    QTabWidget* PageControl1_ = nullptr;
    std::array<KeyLineEdit*, 3> edits_{};
    std::array<QCheckBox*, 8> boxes_{};
};
