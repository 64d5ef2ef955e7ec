#include "owntexts/owntextsdialog.h"

#include "common/platform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace owntexts {

namespace {
// The preview shows the start of a long text: a novel would slow every change of encoding.
constexpr qsizetype kPreviewChars = 20000;
// Of a long list of characters, the notes name the first ones.
constexpr qsizetype kListedChars = 120;

// withCodes: each with its code point, for characters no font may draw.
QString listed(const QStringList& chars, bool withCodes = false) {
    QStringList shown = chars.mid(0, kListedChars);
    if (withCodes)
        for (QString& c : shown) c += QStringLiteral("(U+%1) ").arg(c.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
    QString out = shown.join(QString()).trimmed();
    if (chars.size() > kListedChars) out += QCoreApplication::translate("OwnTexts", "……等 %1 个").arg(chars.size());
    return out;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    // The name a screen reader says: the caption without its key and dots.
    b->setAccessibleName(QString(caption).remove(QRegularExpression(QStringLiteral("\\(&.\\)|&|\\.\\.\\."))));
    return b;
}
}  // namespace

ImportDialog::ImportDialog(const QByteArray& bytes, std::optional<Encoding> encoding, const QString& name,
                           const chinese::CodeBooks& books, QWidget* parent)
    : QDialog(parent), data_(bytes), books_(books) {
    setObjectName(QStringLiteral("ownImportDialog"));
    setWindowTitle(tr("新建自定义课文"));
    const bool pasted = !encoding;
    auto* form = new QFormLayout;
    name_ = new QLineEdit(name, this);
    name_->setObjectName(QStringLiteral("ownName"));
    name_->setAccessibleName(tr("课文名称"));
    form->addRow(tr("名称(&N):"), name_);
    if (!pasted) {
        encoding_ = new QComboBox(this);
        encoding_->setObjectName(QStringLiteral("ownEncoding"));
        encoding_->setAccessibleName(tr("文件编码"));
        for (Encoding e : kEncodings) encoding_->addItem(encodingName(e), int(e));
        encoding_->setCurrentIndex(encoding_->findData(int(*encoding)));
        form->addRow(tr("编码(&E):"), encoding_);
        auto* found = new QLabel(tr("检测到的编码：%1").arg(encodingName(*encoding)), this);
        found->setObjectName(QStringLiteral("ownDetected"));
        form->addRow(QString(), found);
    }
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("ownKind"));
    kind_->setAccessibleName(tr("课文类型"));
    for (Kind k : kKinds) kind_->addItem(kindName(k), int(k));
    form->addRow(tr("类型(&K):"), kind_);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("ownText"));
    text_->setAccessibleName(pasted ? tr("要导入的文本") : tr("文件内容预览"));
    text_->setReadOnly(!pasted);
    text_->setTabChangesFocus(!pasted);
    text_->setMinimumSize(520, 260);
    if (pasted) text_->setPlaceholderText(tr("把课文或单词表粘贴到这里（单词表每行一个单词和它的释义，用 Tab 或空格隔开）"));
    auto* textLabel = new QLabel(pasted ? tr("文本(&T):") : tr("预览(&P):"), this);
    textLabel->setBuddy(text_);

    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("ownNotes"));
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notes_->setFocusPolicy(Qt::TabFocus);  // a screen reader reaches it by Tab
    notes_->setAccessibleName(tr("导入说明"));

    auto* buttons = new QDialogButtonBox(this);
    save_ = button(QStringLiteral("ownSave"), tr("保存(&S)"), this);
    save_->setDefault(true);
    buttons->addButton(save_, QDialogButtonBox::AcceptRole);
    QPushButton* cancel = button(QStringLiteral("ownCancel"), tr("取消"), this);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(textLabel);
    layout->addWidget(text_, 1);
    layout->addWidget(notes_);
    layout->addWidget(buttons);

    // The name only decides whether the text may be saved.
    connect(name_, &QLineEdit::textChanged, this,
            [this] { save_->setEnabled(prepared_.units > 0 && !name_->text().trimmed().isEmpty()); });
    if (pasted) {
        // Pasting a novel is followed once the typing stops, not at every key.
        pasteTimer_ = new QTimer(this);
        pasteTimer_->setSingleShot(true);
        pasteTimer_->setInterval(250);
        connect(text_, &QPlainTextEdit::textChanged, this, [this] {
            pasteTimer_->start();
            // Saving right after a paste prepares the text first (accept).
            save_->setEnabled(!text_->document()->isEmpty() && !name_->text().trimmed().isEmpty());
        });
        connect(pasteTimer_, &QTimer::timeout, this, &ImportDialog::followPaste);
        decodedOk_ = true;
        text_->setFocus();
    } else {
        // The kind is guessed before anything is prepared, so the text is prepared once.
        decodeText();
        kind_->setCurrentIndex(kind_->findData(int(guessKind(decoded_))));
        connect(encoding_, &QComboBox::currentIndexChanged, this, [this] {
            decodeText();
            prepareAgain();
        });
        name_->setFocus();
    }
    connect(kind_, &QComboBox::currentIndexChanged, this, &ImportDialog::prepareAgain);
    prepareAgain();
}

void ImportDialog::accept() {
    if (pasteTimer_ && pasteTimer_->isActive()) {
        pasteTimer_->stop();
        followPaste();
        if (prepared_.units == 0) return;  // the notes say why
    }
    QDialog::accept();
}

void ImportDialog::followPaste() {
    // The kind is guessed from the first text that holds anything; later the learner's choice stands.
    if (prepared_.units == 0) kind_->setCurrentIndex(kind_->findData(int(guessKind(currentText()))));
    prepareAgain();
}

QString ImportDialog::currentText() const { return encoding_ ? decoded_ : text_->toPlainText(); }

void ImportDialog::decodeText() {
    const auto e = static_cast<Encoding>(encoding_->currentData().toInt());
    long long bad = -1;
    const auto text = decode(data_, e, &bad);
    decodedOk_ = text.has_value();
    decoded_ = text.value_or(QString());
    if (!decodedOk_) {
        text_->setPlainText(QString());
    } else if (decoded_.size() > kPreviewChars) {
        text_->setPlainText(decoded_.left(kPreviewChars) + tr("\n……（预览到此为止，全文共 %1 个字符）").arg(decoded_.size()));
    } else {
        text_->setPlainText(decoded_);
    }
    if (!decodedOk_) {
        prepared_ = {};
        notes_->setText(tr("这个文件不是 %1 文本：第 %2 字节起无法按这种编码读出。请选择别的编码；不会保存任何内容。")
                            .arg(encodingName(e))
                            .arg(bad + 1));
        save_->setEnabled(false);
    }
}

void ImportDialog::prepareAgain() {
    if (!decodedOk_) return;
    if (currentText().isEmpty()) {
        // Nothing pasted yet.
        notes_->setText(tr("没有可以练习的内容。"));
        save_->setEnabled(false);
        return;
    }
    const auto kind = static_cast<Kind>(kind_->currentData().toInt());
    prepared_ = prepare(currentText(), kind, &books_);
    QStringList notes;
    if (kind == Kind::Words)
        notes << tr("将保存 %1 个词条。").arg(prepared_.units);
    else
        notes << tr("将保存 %1 个字符。").arg(prepared_.units);
    if (prepared_.skippedLines > 0)
        notes << tr("%1 行没有“单词 + 释义”，不会保存（单词只能是英文字母和符号，与释义之间用 Tab 或空格隔开）。")
                     .arg(prepared_.skippedLines);
    if (!prepared_.uncodable.isEmpty())
        notes << tr("以下汉字在编码表中查不到编码，练习时提示栏不显示它们的编码：%1").arg(listed(prepared_.uncodable));
    if (!prepared_.dropped.isEmpty())
        notes << tr("以下字符在这种练习中无法输入，将被删去：%1").arg(listed(prepared_.dropped, true));
    if (prepared_.units == 0) notes << tr("没有可以练习的内容。");
    notes_->setText(notes.join(QLatin1Char('\n')));
    save_->setEnabled(prepared_.units > 0 && !name_->text().trimmed().isEmpty());
}

Lesson ImportDialog::lesson() const {
    return {name_->text().trimmed(), static_cast<Kind>(kind_->currentData().toInt()), prepared_.body};
}

OwnTextsDialog::OwnTextsDialog(Library& library, const chinese::CodeBooks& books, Messages& messages,
                               std::function<void(QDialog&)> runModal, QWidget* parent)
    : QDialog(parent), library_(library), books_(books), messages_(messages), runModal_(std::move(runModal)) {
    setObjectName(QStringLiteral("ownTextsDialog"));
    setWindowTitle(tr("自定义练习"));
    choosePath = [this](const QString& caption, const QString& filter, bool save, const QString& suggested) {
        return save ? QFileDialog::getSaveFileName(this, caption, suggested, filter)
                    : QFileDialog::getOpenFileName(this, caption, suggested, filter);
    };
    askName = [this](const QString& label, const QString& current) {
        bool ok = false;
        const QString t = QInputDialog::getText(this, tr("重命名"), label, QLineEdit::Normal, current, &ok);
        return ok ? t : QString();
    };

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ownLessonList"));
    list_->setAccessibleName(tr("我的课文"));
    list_->setMinimumSize(360, 240);
    auto* listLabel = new QLabel(tr("我的课文(&L):"), this);
    listLabel->setBuddy(list_);
    empty_ = new QLabel(tr("还没有自定义课文。用“从文件导入”或“粘贴文本”新建一篇：中文课文、英文课文或单词表。"), this);
    empty_->setObjectName(QStringLiteral("ownEmpty"));
    empty_->setWordWrap(true);

    start_ = button(QStringLiteral("ownStart"), tr("开始练习(&S)"), this);
    start_->setDefault(true);
    QPushButton* fromFile = button(QStringLiteral("ownImportFile"), tr("从文件导入(&F)..."), this);
    QPushButton* pasted = button(QStringLiteral("ownPaste"), tr("粘贴文本(&P)..."), this);
    rename_ = button(QStringLiteral("ownRename"), tr("重命名(&R)..."), this);
    delete_ = button(QStringLiteral("ownDelete"), tr("删除(&D)"), this);
    export_ = button(QStringLiteral("ownExport"), tr("导出(&E)..."), this);
    QPushButton* importLesson = button(QStringLiteral("ownImportLesson"), tr("导入课文文件(&I)..."), this);
    QPushButton* close = button(QStringLiteral("ownClose"), tr("关闭"), this);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {start_, fromFile, pasted, rename_, delete_, export_, importLesson}) side->addWidget(b);
    side->addStretch(1);
    side->addWidget(close);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(list_, 1);
    left->addWidget(empty_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);

    connect(start_, &QPushButton::clicked, this, &OwnTextsDialog::start);
    connect(list_, &QListWidget::itemActivated, this, &OwnTextsDialog::start);
    connect(list_, &QListWidget::currentRowChanged, this, &OwnTextsDialog::updateButtons);
    connect(fromFile, &QPushButton::clicked, this, &OwnTextsDialog::importFile);
    connect(pasted, &QPushButton::clicked, this, &OwnTextsDialog::paste);
    connect(rename_, &QPushButton::clicked, this, &OwnTextsDialog::renameLesson);
    connect(delete_, &QPushButton::clicked, this, &OwnTextsDialog::deleteLesson);
    connect(export_, &QPushButton::clicked, this, &OwnTextsDialog::exportLesson);
    connect(importLesson, &QPushButton::clicked, this, &OwnTextsDialog::importLesson);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    list_->setFocus();
}

void OwnTextsDialog::refresh(const QString& select) {
    lessons_ = library_.list();
    list_->clear();
    int row = lessons_.isEmpty() ? -1 : 0;
    for (int i = 0; i < lessons_.size(); ++i) {
        const LessonInfo& l = lessons_[i];
        const QString size = l.bytes >= 1024 * 1024 ? QStringLiteral("%1 MB").arg(double(l.bytes) / (1024 * 1024), 0, 'f', 1)
                                                    : QStringLiteral("%1 KB").arg((l.bytes + 1023) / 1024);
        list_->addItem(tr("%1（%2，%3）").arg(l.title, kindName(l.kind), size));
        if (l.file == select) row = i;
    }
    list_->setCurrentRow(row);
    empty_->setVisible(lessons_.isEmpty());
    updateButtons();
}

const LessonInfo* OwnTextsDialog::current() const {
    const int row = list_->currentRow();
    return row >= 0 && row < lessons_.size() ? &lessons_[row] : nullptr;
}

void OwnTextsDialog::updateButtons() {
    const bool any = current() != nullptr;
    for (QPushButton* b : {start_, rename_, delete_, export_}) b->setEnabled(any);
}

void OwnTextsDialog::start() {
    const LessonInfo* l = current();
    if (!l) return;
    QString error;
    chosen_ = library_.load(l->file, &error);
    if (!chosen_) {
        messages_.showError(error);
        return;
    }
    accept();
}

void OwnTextsDialog::importFile() {
    const QString path = choosePath(tr("从文件导入课文或单词表"), tr("文本文件 (*.txt);;所有文件 (*)"), false, {});
    if (path.isEmpty()) return;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        messages_.showError(tr("无法打开文件 %1：%2").arg(QDir::toNativeSeparators(path), f.errorString()));
        return;
    }
    if (f.size() > Library::kMaxBytes) {
        messages_.showError(tr("文件 %1 太大（超过 16 MB），没有导入。").arg(QDir::toNativeSeparators(path)));
        return;
    }
    const QByteArray content = f.readAll();
    const auto encoding = detect(content);
    if (!encoding) {
        messages_.showError(tr("无法识别文件 %1 的编码：它不是完整的 UTF-8、UTF-16 或 GB18030 文本（可能已损坏，或是别的编码）。"
                               "没有保存任何内容。")
                                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    ImportDialog dialog(content, encoding, QFileInfo(path).completeBaseName(), books_, this);
    runImport(dialog);
}

void OwnTextsDialog::paste() {
    ImportDialog dialog({}, std::nullopt, tr("我的课文"), books_, this);
    runImport(dialog);
}

void OwnTextsDialog::runImport(ImportDialog& dialog) {
    runModal_(dialog);
    if (dialog.result() != QDialog::Accepted) return;
    QString error, file;
    if (!library_.add(dialog.lesson(), &error, &file)) {
        messages_.showError(error);
        return;
    }
    refresh(file);
    // On the new lesson, so Enter starts it.
    list_->setFocus();
}

void OwnTextsDialog::renameLesson() {
    const LessonInfo* l = current();
    if (!l) return;
    const QString file = l->file;
    const QString title = askName(tr("新名称："), l->title);
    if (title.trimmed().isEmpty()) return;
    QString error;
    if (!library_.rename(file, title, &error)) messages_.showError(error);
    refresh(file);
}

void OwnTextsDialog::deleteLesson() {
    const LessonInfo* l = current();
    if (!l) return;
    if (!messages_.askYesNo(tr("删除"), tr("删除课文“%1”吗？删除后无法恢复。").arg(l->title))) return;
    QString error;
    if (!library_.remove(l->file, &error)) messages_.showError(error);
    refresh();
}

void OwnTextsDialog::exportLesson() {
    const LessonInfo* l = current();
    if (!l) return;
    const QString target = choosePath(tr("导出课文"), tr("Jaxo 课文 (*.lesson)"), true,
                                      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                          QLatin1Char('/') + l->title + QStringLiteral(".lesson"));
    if (target.isEmpty()) return;
    QString error;
    if (!library_.exportTo(l->file, target, &error)) messages_.showError(error);
}

void OwnTextsDialog::importLesson() {
    const QString path = choosePath(tr("导入课文文件"), tr("Jaxo 课文 (*.lesson);;所有文件 (*)"), false, {});
    if (path.isEmpty()) return;
    QString error, file;
    if (!library_.importFrom(path, &error, &file)) {
        messages_.showError(error);
        return;
    }
    refresh(file);
}

}  // namespace owntexts
