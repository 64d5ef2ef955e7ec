#pragma once
// The adaptive drills' targets and the live keyboard switch, as the learner sets them.
#include "adaptive/adaptivefiles.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QSpinBox;

class TargetsDialog : public QDialog {
    Q_OBJECT
public:
    // showProgress opens the progress of the drills over this dialog (none: no button).
    TargetsDialog(const adaptive::Preferences& current, QWidget* parent,
                  std::function<void(QWidget*)> showProgress = {});
    adaptive::Preferences preferences() const;

private:
    QSpinBox* speed_ = nullptr;
    QSpinBox* accuracy_ = nullptr;
    QSpinBox* chineseSpeed_ = nullptr;
    QCheckBox* keyboard_ = nullptr;
};
