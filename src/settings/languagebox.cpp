#include "settings/languagebox.h"

#include "settings/language.h"
#include "widgets/fonts.h"

#include <QComboBox>
#include <QLabel>

LanguageBox::LanguageBox(QWidget* page) : QWidget(page) {
    setObjectName(QStringLiteral("languagePage"));
    auto* label = new QLabel(tr("界面语言(&L)："), this);
    label->setObjectName(QStringLiteral("languageLabel"));
    label->setFont(fonts::song(12));
    label->adjustSize();
    label->move(30, 43);
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("languageBox"));
    combo_->setAccessibleName(tr("界面语言"));
    combo_->setFont(fonts::song(12));
    // Each language by its own name, so that a learner finds theirs whatever is shown now.
    combo_->addItem(tr("跟随系统"), QString());
    combo_->addItem(QStringLiteral("简体中文"), QString::fromLatin1(language::kSimplified));
    combo_->addItem(QStringLiteral("繁體中文"), QString::fromLatin1(language::kTraditional));
    combo_->addItem(QStringLiteral("English"), QString::fromLatin1(language::kEnglish));
    combo_->setGeometry(label->geometry().right() + 10, 40, 150, 26);
    label->setBuddy(combo_);
    auto* note = new QLabel(tr("界面语言在下次启动本程序时生效。练习的内容不随界面语言改变。"), this);
    note->setObjectName(QStringLiteral("languageNote"));
    note->setFont(fonts::song(11));
    note->setWordWrap(true);
    note->setGeometry(30, 90, 330, 60);
    setGeometry(0, 0, 390, 200);
}

void LanguageBox::showChoice(const QString& choice) {
    const int at = combo_->findData(choice);
    combo_->setCurrentIndex(at < 0 ? 0 : at);
}

QString LanguageBox::choice() const { return combo_->currentData().toString(); }
