#pragma once
// The settings page "输入方案": which input scheme the Chinese lessons, the hint bar and
// the history follow, and what the learner switches on for it.
#include "scheme/scheme.h"

#include <QWidget>

class QComboBox;
class QLabel;

class SchemePage : public QWidget {
    Q_OBJECT
public:
    explicit SchemePage(QWidget* parent = nullptr);
    void show(const scheme::Scheme& s);
    const scheme::Scheme& chosen() const;
    QComboBox* box() const { return box_; }

private:
    void explain();
    QComboBox* box_ = nullptr;
    QLabel* advice_ = nullptr;
};
