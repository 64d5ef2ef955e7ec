#include "adaptive/targetsdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TargetsDialog::TargetsDialog(const adaptive::Preferences& current, QWidget* parent,
                             std::function<void(QWidget*)> showProgress)
    : QDialog(parent) {
    setObjectName(QStringLiteral("targetsDialog"));
    setWindowTitle(tr("练习目标"));
    auto* layout = new QVBoxLayout(this);
    auto* about = new QLabel(tr("智能练习里，每个键（或每个字）的速度和正确率都达到目标后，才加入下一个新键；"
                                "离目标最远的键总在重点练习之中。"),
                             this);
    about->setWordWrap(true);
    layout->addWidget(about);
    auto* form = new QFormLayout;
    speed_ = new QSpinBox(this);
    speed_->setObjectName(QStringLiteral("targetSpeed"));
    speed_->setRange(adaptive::kMinSpeed, adaptive::kMaxSpeed);
    speed_->setSingleStep(5);
    speed_->setSuffix(tr(" 字/分"));
    speed_->setValue(current.targets.charsPerMinute);
    speed_->setAccessibleName(tr("英文目标速度，每分钟字数"));
    accuracy_ = new QSpinBox(this);
    accuracy_->setObjectName(QStringLiteral("targetAccuracy"));
    accuracy_->setRange(adaptive::kMinAccuracy, adaptive::kMaxAccuracy);
    accuracy_->setSuffix(QStringLiteral(" %"));
    accuracy_->setValue(current.targets.accuracyPercent);
    accuracy_->setAccessibleName(tr("目标正确率，百分比"));
    chineseSpeed_ = new QSpinBox(this);
    chineseSpeed_->setObjectName(QStringLiteral("targetChineseSpeed"));
    chineseSpeed_->setRange(adaptive::kMinSpeed, adaptive::kMaxSpeed);
    chineseSpeed_->setSingleStep(5);
    chineseSpeed_->setSuffix(tr(" 字/分"));
    chineseSpeed_->setValue(current.chineseSpeed);
    chineseSpeed_->setAccessibleName(tr("中文目标速度，每分钟字数"));
    form->addRow(tr("英文目标速度(&S)："), speed_);
    form->addRow(tr("中文目标速度(&C)："), chineseSpeed_);
    form->addRow(tr("目标正确率(&A)："), accuracy_);
    layout->addLayout(form);
    keyboard_ = new QCheckBox(tr("练习时显示实时键盘(&K)"), this);
    keyboard_->setObjectName(QStringLiteral("liveKeyboardSwitch"));
    keyboard_->setChecked(current.liveKeyboard);
    layout->addWidget(keyboard_);
    if (showProgress) {
        auto* progress = new QPushButton(tr("学习进度(&P)..."), this);
        progress->setObjectName(QStringLiteral("progressButton"));
        progress->setAccessibleName(tr("学习进度"));
        progress->setAutoDefault(false);
        connect(progress, &QPushButton::clicked, this, [this, showProgress] { showProgress(this); });
        layout->addWidget(progress, 0, Qt::AlignLeft);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

adaptive::Preferences TargetsDialog::preferences() const {
    adaptive::Preferences p;
    p.targets.charsPerMinute = speed_->value();
    p.targets.accuracyPercent = accuracy_->value();
    p.chineseSpeed = chineseSpeed_->value();
    p.liveKeyboard = keyboard_->isChecked();
    return p;
}
