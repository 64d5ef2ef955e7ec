#pragma once
#include <QFrame>

class ExerciseHost;
class TForm1;

// The settings panel: three pages, "预设", "确定", "取消".
class SettingsPanel : public QFrame {
    Q_OBJECT
public:
    SettingsPanel(TForm1& form, QWidget* parent);
    void m5dClick();

private:
    TForm1& form_;
};
