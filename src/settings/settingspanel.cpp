#include "settings/settingspanel.h"

#include "widgets/panelhost.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/keylineedit.h"
#include "common/errors.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "settings/language.h"
#include "settings/languagebox.h"
#include "settings/settingsfile.h"
#include "settings/schemepage.h"
#include "scheme/schemefile.h"

#include <QtGlobal>
#include <QCoreApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

SettingsPanel::SettingsPanel(PanelHost& form, LiveSettings& inEffect, LineStore& settingsLines, std::string appDir,
                             QWidget* parent)
    : QFrame(parent), form_(form), inEffect_(inEffect), settingsLines_(settingsLines), appDir_(std::move(appDir)) {
    setObjectName(QStringLiteral("system"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFont(fonts::song(11));
    setGeometry(175, 130, 530, 335);

    auto* title = new QLabel(tr("系统设置"), this);
    title->setObjectName(QStringLiteral("options1"));
    title->setFont(fonts::song(12));
    title->adjustSize();
    title->move(200, 15);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setFont(fonts::song(12));
    pages_->setGeometry(15, 50, 400, 260);

    auto page = [this](const char* name, const QString& caption) {
        auto* w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        pages_->addTab(w, caption);
        return w;
    };
    QWidget* times = page("TabSheet1", tr("时间设置"));
    QWidget* musics = page("TabSheet2", tr("音乐设置"));
    QWidget* links = page("TabSheet3", tr("快捷键设置"));
    language_ = new LanguageBox(page("languageSheet", tr("语言设置")));
    form_.registerHint(language_->parentWidget(), tr("选择界面语言..."));
    form_.registerHint(times, tr("设置练习时间..."));
    form_.registerHint(musics, tr("设置音乐..."));
    schemePage_ = new SchemePage;
    pages_->addTab(schemePage_, tr("输入方案"));
    form_.registerHint(schemePage_, tr("选择练习的中文输入方案..."));

    for (const settings::Field& f : settings::kFields) {
        const QString caption = QCoreApplication::translate("Settings", f.caption);
        QWidget* onPage = f.place.page == settings::Page::Times ? times : f.place.page == settings::Page::Music ? musics : links;
        Control c;
        c.field = &f;
        if (f.kind == settings::Kind::Minutes) {
            auto* l = new QLabel(caption + tr("："), onPage);
            l->setObjectName(QString::fromLatin1(f.label));
            l->setFont(fonts::song(12));
            l->adjustSize();
            l->move(40, f.place.y + 3);
            c.edit = new KeyLineEdit(onPage);
            c.edit->setObjectName(QString::fromLatin1(f.control));
            c.edit->setFont(fonts::song(12));
            // A longer caption (another interface language) pushes its edit to the right; the
            // source captions just touch their edits and stay as they are.
            const int editX = l->geometry().right() > f.place.x + 4 ? l->geometry().right() + 6 : f.place.x;
            c.edit->setGeometry(editX, f.place.y, f.place.width, 24);
            c.edit->setLatinOnly(true);
            // Digits only, pasted text too; the editing keys work as in any field.
            c.edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), c.edit));
            c.edit->onKeyPress = [this](QKeyEvent* ev, int ch) { return acceptsDigit(ev, ch); };
            // The label names the edit for assistive technology.
            l->setBuddy(c.edit);
            c.edit->setAccessibleName(caption);
            c.edit->setText(QString::number(f.defaultValue));
            auto* unit = new QLabel(tr("分钟"), onPage);
            unit->setObjectName(QString::fromLatin1(f.control) + QStringLiteral("Unit"));
            unit->setFont(fonts::song(12));
            unit->adjustSize();
            unit->move(editX + f.place.width + 8, f.place.y + 3);
        } else {
            c.box = new QCheckBox(caption, onPage);
            c.box->setObjectName(QString::fromLatin1(f.control));
            c.box->setFont(fonts::song(12));
            // The given width is a guide; a caption is never cut.
            const QSize hint = c.box->sizeHint();
            c.box->setGeometry(f.place.x, f.place.y, std::max(f.place.width, hint.width()), std::max(17, hint.height()));
        }
        controls_.push_back(c);
    }

    auto* note = new QPlainTextEdit(links);
    note->setObjectName(QStringLiteral("Memo2"));
    note->setFont(fonts::song(11));
    note->setReadOnly(true);
    note->setFocusPolicy(Qt::NoFocus);
    note->setAccessibleName(tr("说明"));
    note->setFrameShape(QFrame::NoFrame);
    note->viewport()->setAutoFillBackground(false);
    note->setPlainText(tr("程序将在以上所选地方进行相应的设置。请根\n据您的需要进行选择。"));
    note->setGeometry(30, 120, 320, 75);

    struct Button {
        const char* name;
        const char* caption;
        const char* hint;
        void (SettingsPanel::*slot)();
        int top;
    };
    const Button buttons[3] = {{"sys1", QT_TRANSLATE_NOOP("SettingsPanel", "预设"), QT_TRANSLATE_NOOP("SettingsPanel", "还原系统设置..."), &SettingsPanel::fillDefaults, 160},
                               {"sys2", QT_TRANSLATE_NOOP("SettingsPanel", "确定"), QT_TRANSLATE_NOOP("SettingsPanel", "保存设置，返回主界面..."), &SettingsPanel::confirm, 210},
                               {"sys3", QT_TRANSLATE_NOOP("SettingsPanel", "取消"), QT_TRANSLATE_NOOP("SettingsPanel", "取消设置，返回主界面..."), &SettingsPanel::cancel, 260}};
    for (const Button& b : buttons) {
        auto* p = new QPushButton(icons::forControl(QString::fromLatin1(b.name), appDir_),
                                  tr(b.caption), this);
        p->setObjectName(QString::fromLatin1(b.name));
        p->setFont(fonts::song(13));
        p->setGeometry(430, b.top, 90, 40);
        p->setCursor(Qt::PointingHandCursor);
        connect(p, &QPushButton::clicked, this, b.slot);
        form_.registerHint(p, tr(b.hint));
    }
    // Escape leaves the panel as 取消 does, from any of its controls.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &SettingsPanel::cancel);
}

void SettingsPanel::open() {
    form_.setToolBarEnabled(false);
    show();
    raise();
    showValues(inEffect_.value());
    language_->showChoice(language::savedChoice());
    schemePage_->show(scheme::readChoice());
    // The keyboard starts on the panel, on its first control of the page shown.
    if (pages_->currentIndex() == 0)
        controls_.front().edit->setFocus(Qt::OtherFocusReason);
    else
        pages_->tabBar()->setFocus(Qt::OtherFocusReason);
    // The page last shown stays selected: the tab widget keeps it between openings.
}

void SettingsPanel::showValues(const Settings& value) {
    for (const Control& c : controls_) {
        if (c.edit)
            c.edit->setText(QString::number(value.*c.field->minutes));
        else
            c.box->setChecked(value.*c.field->on);
    }
}

void SettingsPanel::fillDefaults() {
    showValues(settings::defaults());
    language_->showChoice(QString());
    schemePage_->show(scheme::wubi());
}

void SettingsPanel::cancel() {
    form_.setToolBarEnabled(true);
    hide();
}

void SettingsPanel::refuse(const Control& c) {
    pages_->setCurrentWidget(c.edit->parentWidget());
    c.edit->setFocus();
    c.edit->selectAll();
    // The text ends in a Chinese full stop; it is shown as it stands.
    form_.messages().showError(tr("请在“%1”中填写 %2～%3 之间的分钟数，设置未保存。")
                                   .arg(QCoreApplication::translate("Settings", c.field->caption))
                                   .arg(settings::kMinMinutes)
                                   .arg(settings::kMaxMinutes));
}

void SettingsPanel::confirm() {
    // A limit that the next start-up could not read or use must never reach the file.
    Settings chosen;
    for (const Control& c : controls_) {
        if (c.box) {
            chosen.*c.field->on = c.box->isChecked();
            continue;
        }
        int value = 0;
        if (!settings::toInt(bytes::fromUnicode(c.edit->text()), value) || !settings::limitInRange(value)) {
            refuse(c);
            return;
        }
        chosen.*c.field->minutes = value;
    }

    form_.setToolBarEnabled(true);
    hide();
    // The scheme has a file of its own: the settings file keeps its lines.
    const scheme::Scheme& s = schemePage_->chosen();
    if (&s != &scheme::readChoice()) {
        QString error;
        if (scheme::writeChoice(s, &error))
            emit schemeChosen(QString::fromLatin1(s.id.data(), static_cast<qsizetype>(s.id.size())));
        else
            form_.messages().showError(tr("输入方案未能保存：%1").arg(error));
    }
    try {
        settings::writeSettings(chosen, settingsLines_);
        // Read back: the settings in effect are what the next start-up will read.
        settings::readSettings(inEffect_.edit(), settingsLines_, appDir_);
    } catch (const JaxoError& e) {
        form_.showError(e);
        return;
    }
    QString notSaved;
    if (language_->choice() != language::savedChoice() && !language::saveChoice(language_->choice(), &notSaved))
        form_.messages().showError(tr("界面语言没有保存：%1").arg(notSaved));
    inEffect_.confirm();
}

bool SettingsPanel::acceptsDigit(QKeyEvent* e, int ch) {
    // Editing keys (Backspace, Delete, Ctrl+A, Ctrl+Z, ...) type no character: they
    // edit as usual.
    if (e && (e->key() == Qt::Key_Delete || (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))) return true;
    if (ch == 27) {
        cancel();
        return false;
    }
    if (ch >= 0 && ch < 0x20) return true;
    if (ch >= '0' && ch <= '9') return true;
    form_.messages().beep();
    return false;
}
