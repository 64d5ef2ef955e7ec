#include "settings/schemepage.h"

#include "widgets/fonts.h"

#include <QComboBox>
#include <QLabel>

SchemePage::SchemePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet4"));
    const QString name = tr("输入方案");
    auto* label = new QLabel(name + QStringLiteral("："), this);
    label->setObjectName(QStringLiteral("schemeLabel"));
    label->setFont(fonts::song(12));
    label->adjustSize();
    label->move(40, 23);
    box_ = new QComboBox(this);
    box_->setObjectName(name);
    box_->setAccessibleName(name);
    box_->setFont(fonts::song(12));
    box_->setGeometry(140, 20, 180, 26);
    for (const scheme::Scheme& s : scheme::schemes())
        box_->addItem(scheme::displayName(s), QString::fromLatin1(s.id.data(), static_cast<qsizetype>(s.id.size())));
    label->setBuddy(box_);
    advice_ = new QLabel(this);
    advice_->setObjectName(QStringLiteral("schemeAdvice"));
    advice_->setFont(fonts::song(11));
    advice_->setWordWrap(true);
    advice_->setGeometry(40, 60, 320, 140);
    advice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(box_, &QComboBox::currentIndexChanged, this, &SchemePage::explain);
    explain();
}

void SchemePage::show(const scheme::Scheme& s) {
    const int i = box_->findData(QString::fromLatin1(s.id.data(), static_cast<qsizetype>(s.id.size())));
    box_->setCurrentIndex(i < 0 ? 0 : i);
}

const scheme::Scheme& SchemePage::chosen() const {
    const QByteArray id = box_->currentData().toString().toLatin1();
    const scheme::Scheme* s = scheme::find(std::string_view(id.constData(), static_cast<size_t>(id.size())));
    return s ? *s : scheme::wubi();
}

void SchemePage::explain() {
    const scheme::Scheme& s = chosen();
    QString text = tr("练习%1时要打开的输入法：").arg(scheme::displayName(s)) + scheme::inputMethodAdvice(s) +
                   QStringLiteral("。\n");
    text += s.traditional ? tr("课文为繁体字。") : tr("课文为简体字。");
    text += tr("确定后，中文练习、编码提示和成绩记录都按此方案。");
    advice_->setText(text);
    box_->setAccessibleDescription(text);
}
