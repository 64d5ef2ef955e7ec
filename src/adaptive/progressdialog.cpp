#include "adaptive/progressdialog.h"

#include "common/bytetext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem* cell(const QString& text, bool number = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

ProgressDialog::ProgressDialog(std::vector<adaptive::ProgressSource> sources, QWidget* parent)
    : QDialog(parent), sources_(std::move(sources)) {
    setObjectName(QStringLiteral("progressDialog"));
    setWindowTitle(tr("学习进度"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("progressDrill"));
    choice_->setAccessibleName(tr("智能练习"));
    for (const adaptive::ProgressSource& s : sources_) choice_->addItem(s.name);
    form->addRow(tr("智能练习(&D)："), choice_);
    layout->addLayout(form);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("progressSummary"));
    summary_->setWordWrap(true);
    summary_->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(summary_);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("progressTable"));
    table_->setAccessibleName(tr("每一项的速度、正确率和进度"));
    table_->setColumnCount(5);
    table_->setHorizontalHeaderLabels({tr("项目"), tr("速度"), tr("正确率"), tr("进度"), tr("状态")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);
    table_->setMinimumSize(440, 320);
    layout->addWidget(table_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(choice_, &QComboBox::currentIndexChanged, this, &ProgressDialog::showSource);
    showSource(0);
}

void ProgressDialog::showSource(int source) {
    table_->setRowCount(0);
    if (source < 0 || source >= static_cast<int>(sources_.size())) return;
    const adaptive::ProgressSource& s = sources_[static_cast<size_t>(source)];
    const adaptive::Model& m = s.model;
    const std::string& focus = m.focus(s.targets);
    for (int i = 0; i < m.inPlay(); ++i) {
        const adaptive::ItemStats& st = m.stats(i);
        const bool done = m.reached(st, s.targets);
        const int r = table_->rowCount();
        table_->insertRow(r);
        table_->setItem(r, 0, cell(s.utf8Items ? QString::fromStdString(m.item(i)) : bytes::toUnicode(m.item(i))));
        table_->setItem(r, 1, cell(st.timed ? QStringLiteral("%1 %2").arg(qRound(st.charsPerMinute())).arg(s.unit) : tr("—"), true));
        table_->setItem(r, 2, cell(st.typed ? QStringLiteral("%1%").arg(st.accuracyPercent()) : tr("—"), true));
        table_->setItem(r, 3, cell(QStringLiteral("%1%").arg(qRound(m.progress(st, s.targets) * 100)), true));
        // In words as well as numbers: the state is never only a colour.
        table_->setItem(r, 4, cell(done ? tr("达标") : m.item(i) == focus ? tr("重点") : tr("练习中")));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    const QString text = tr("已学 %1/%2，达标 %3；目标 %4 %5、正确率 %6%。全部达标后加入下一个。")
                             .arg(m.inPlay())
                             .arg(m.size())
                             .arg(m.reachedCount(s.targets))
                             .arg(s.targets.charsPerMinute)
                             .arg(s.unit)
                             .arg(s.targets.accuracyPercent);
    summary_->setText(text);
    summary_->setAccessibleName(text);
}
