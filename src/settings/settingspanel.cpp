#include "settings/settingspanel.h"

#include "exercise/exercisehost.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/keylineedit.h"
#include "common/errors.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "settings/music.h"
#include "settings/settingsfile.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

SettingsPanel::SettingsPanel(ExerciseHost& form, LineStore& settingsLines, QWidget* parent)
    : QFrame(parent), form_(form), settingsLines_(settingsLines) {
    setObjectName(QStringLiteral("system"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFont(fonts::song(11));
    setGeometry(175, 130, 530, 335);

    auto* title = new QLabel(QStringLiteral("系统设置"), this);
    title->setObjectName(QStringLiteral("options1"));
    title->setFont(fonts::song(12));
    title->adjustSize();
    title->move(200, 15);

    PageControl1_ = new QTabWidget(this);
    PageControl1_->setObjectName(QStringLiteral("PageControl1"));
    PageControl1_->setFont(fonts::song(12));
    PageControl1_->setGeometry(15, 50, 400, 260);

    auto page = [this](const char* name, const QString& caption) {
        auto* w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        PageControl1_->addTab(w, caption);
        return w;
    };
    QWidget* times = page("TabSheet1", QStringLiteral("时间设置"));
    QWidget* musics = page("TabSheet2", QStringLiteral("音乐设置"));
    QWidget* links = page("TabSheet3", QStringLiteral("快捷键设置"));
    form_.registerHint(times, QStringLiteral("设置练习时间..."));
    form_.registerHint(musics, QStringLiteral("设置音乐..."));

    const QString labels[3] = {QStringLiteral("练习时间："), QStringLiteral("测试时间："), QStringLiteral("背单词时间：")};
    const QPoint editAt[3] = {{120, 50}, {120, 90}, {135, 130}};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(labels[i], times);
        l->setObjectName(QStringLiteral("lll%1").arg(i + 1));
        l->setFont(fonts::song(12));
        l->adjustSize();
        l->move(40, 50 + 40 * i + 3);
        auto* e = new KeyLineEdit(times);
        e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        e->setFont(fonts::song(12));
        e->setGeometry(QRect(editAt[i], QSize(120, 24)));
        e->setLatinOnly(true);
        e->onKeyPress = [this](QKeyEvent* ev, int ch) { return Edit1KeyPress(ev, ch); };
        // The label names the edit for assistive technology.
        l->setBuddy(e);
        e->setAccessibleName(settings::limitName(i));
        edits_[static_cast<size_t>(i)] = e;
    }
    edits_[0]->setText(QStringLiteral("10"));
    edits_[1]->setText(QStringLiteral("5"));
    edits_[2]->setText(QStringLiteral("10"));

    struct CheckSpec {
        QWidget* page;
        const char* caption;
        QRect place;
    };
    const CheckSpec boxes[8] = {{musics, "系统主音乐", {30, 30, 130, 17}},
                          {musics, "中文练习/测试时音乐", {30, 60, 200, 17}},
                          {musics, "英文练习时音乐", {30, 90, 130, 17}},
                          {musics, "测试时音乐", {30, 120, 130, 17}},
                          {musics, "背单词时音乐", {30, 150, 130, 17}},
                          {musics, "键盘音效", {120, 180, 130, 17}},
                          {links, "在桌面创建快捷键", {30, 40, 130, 17}},
                          {links, "在开始菜单处创建快捷键", {30, 80, 200, 17}}};
    for (size_t i = 0; i < 8; ++i) {
        auto* c = new QCheckBox(QString::fromUtf8(boxes[i].caption), boxes[i].page);
        c->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        c->setFont(fonts::song(12));
        // The given sizes are a guide; a caption is never cut.
        const QSize hint = c->sizeHint();
        c->setGeometry(QRect(boxes[i].place.topLeft(),
                             QSize(std::max(boxes[i].place.width(), hint.width()),
                                   std::max(boxes[i].place.height(), hint.height()))));
        boxes_[i] = c;
    }

    auto* note = new QPlainTextEdit(links);
    note->setObjectName(QStringLiteral("Memo2"));
    note->setFont(fonts::song(11));
    note->setReadOnly(true);
    note->setFocusPolicy(Qt::NoFocus);
    note->setAccessibleName(QStringLiteral("说明"));
    note->setFrameShape(QFrame::NoFrame);
    note->viewport()->setAutoFillBackground(false);
    note->setPlainText(QStringLiteral("程序将在以上所选地方进行相应的设置。请根\n据您的需要进行选择。"));
    note->setGeometry(30, 120, 320, 75);

    struct Button {
        const char* name;
        const char* caption;
        const char* hint;
        void (SettingsPanel::*slot)();
        int top;
    };
    const Button buttons[3] = {{"sys1", "预设", "还原系统设置...", &SettingsPanel::sys1Click, 160},
                               {"sys2", "确定", "保存设置，返回主界面...", &SettingsPanel::sys2Click, 210},
                               {"sys3", "取消", "取消设置，返回主界面...", &SettingsPanel::sys3Click, 260}};
    for (const Button& b : buttons) {
        auto* p = new QPushButton(icons::forControl(QString::fromLatin1(b.name), form_.state().appDir),
                                  QString::fromUtf8(b.caption), this);
        p->setObjectName(QString::fromLatin1(b.name));
        p->setFont(fonts::song(13));
        p->setGeometry(430, b.top, 90, 40);
        p->setCursor(Qt::PointingHandCursor);
        connect(p, &QPushButton::clicked, this, b.slot);
        form_.registerHint(p, QString::fromUtf8(b.hint));
    }
}

void SettingsPanel::openSettings() {
    form_.setToolBarEnabled(false);
    show();
    raise();
    const MainWindowState& s = form_.state();
    edits_[0]->setText(QString::number(s.practiceMinutes));
    edits_[1]->setText(QString::number(s.testMinutes));
    edits_[2]->setText(QString::number(s.wordMinutes));
    const ByteText* switches[8] = {&s.mainMusic, &s.chineseMusic, &s.englishMusic,    &s.testMusic,
                                   &s.wordMusic, &s.keySound,     &s.desktopShortcut, &s.startMenuShortcut};
    for (size_t i = 0; i < 8; ++i) boxes_[i]->setChecked(isOn(*switches[i]));
    // The keyboard starts on the panel, on its first control of the page shown.
    if (PageControl1_->currentIndex() == 0)
        edits_[0]->setFocus(Qt::OtherFocusReason);
    else
        PageControl1_->tabBar()->setFocus(Qt::OtherFocusReason);
    // The page last shown stays selected: the tab widget keeps it between openings.
}

void SettingsPanel::sys1Click() {
    const auto d = settings::defaults();
    for (size_t i = 0; i < 3; ++i) edits_[i]->setText(bytes::toUnicode(d[i]));
    for (size_t i = 0; i < 8; ++i) boxes_[i]->setChecked(isOn(d[3 + i]));
}

void SettingsPanel::sys3Click() {
    form_.setToolBarEnabled(true);
    hide();
}

void SettingsPanel::refuse(int index) {
    const auto i = static_cast<size_t>(index);
    PageControl1_->setCurrentIndex(0);
    edits_[i]->setFocus();
    edits_[i]->selectAll();
    // The text ends in a Chinese full stop; it is shown as it stands.
    form_.messages().showError(QStringLiteral("请在“%1”中填写 %2～%3 之间的分钟数，设置未保存。")
                                   .arg(settings::limitName(index))
                                   .arg(settings::kMinMinutes)
                                   .arg(settings::kMaxMinutes));
}

void SettingsPanel::sys2Click() {
    // A limit that the next start-up could not read or use must never reach the file.
    std::array<ByteText, 11> lines;
    for (size_t i = 0; i < 3; ++i) {
        lines[i] = bytes::fromUnicode(edits_[i]->text());
        int value = 0;
        if (!settings::toInt(lines[i], value) || !settings::limitInRange(value)) {
            refuse(static_cast<int>(i));
            return;
        }
    }
    for (size_t i = 0; i < 8; ++i) lines[3 + i] = boxes_[i]->isChecked() ? "true" : "false";

    form_.setToolBarEnabled(true);
    hide();
    MainWindowState& s = form_.state();
    try {
        settings::writeSettings(s, settingsLines_, lines);
        // All eleven lines: reopening the panel shows the launcher boxes as saved.
        settings::readSettings(s, settingsLines_, 11);
    } catch (const JaxoError& e) {
        form_.showError(e);
        return;
    }
    if (isOn(s.mainMusic))
        form_.sound().music();
    else
        form_.sound().nomusic();
}

bool SettingsPanel::Edit1KeyPress(QKeyEvent* e, int ch) {
    // Delete is no character: it edits as usual.
    if (e && e->key() == Qt::Key_Delete) return true;
    if (ch >= '0' && ch <= '9') return true;
    form_.messages().beep();
    return false;
}
