#pragma once
// The 自定义练习 window: the learner's own lessons, listed to start, rename, delete and
// export; new ones from a file (its encoding found, shown and changeable) or pasted
// text, and lesson files from elsewhere.
#include "owntexts/library.h"

#include <QDialog>

#include <functional>
#include <optional>

class Messages;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace owntexts {

// A new lesson from a file's bytes or from pasted text: its name, its kind and, for a
// file, its encoding; the text shown as it will be read, and what the page cannot take.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // From a file: data decodes in `encoding`. Pasted: data empty, the text box editable.
    ImportDialog(const QByteArray& bytes, std::optional<Encoding> encoding, const QString& name,
                 const chinese::CodeBooks& books, QWidget* parent);
    // The lesson as it will be saved: the prepared text.
    Lesson lesson() const;
    void accept() override;

private:
    void decodeText();
    void prepareAgain();
    void followPaste();
    QString currentText() const;

    QByteArray data_;
    chinese::CodeBooks books_;
    QString decoded_;  // the file's text in the chosen encoding
    bool decodedOk_ = false;
    Prepared prepared_;
    QLineEdit* name_ = nullptr;
    QComboBox* encoding_ = nullptr;
    QComboBox* kind_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLabel* notes_ = nullptr;
    QPushButton* save_ = nullptr;
    QTimer* pasteTimer_ = nullptr;
};

class OwnTextsDialog : public QDialog {
    Q_OBJECT
public:
    OwnTextsDialog(Library& library, const chinese::CodeBooks& books, Messages& messages,
                   std::function<void(QDialog&)> runModal, QWidget* parent);

    // The lesson to start once the window has closed.
    const std::optional<Lesson>& chosen() const { return chosen_; }

    // Asks for a file to open or to save (a file dialog); tests answer it themselves.
    std::function<QString(const QString& caption, const QString& filter, bool save, const QString& suggested)> choosePath;
    // Asks for a new name; empty when cancelled.
    std::function<QString(const QString& label, const QString& current)> askName;

private:
    void refresh(const QString& select = {});
    const LessonInfo* current() const;
    void updateButtons();
    void start();
    void importFile();
    void paste();
    void runImport(ImportDialog& dialog);
    void renameLesson();
    void deleteLesson();
    void exportLesson();
    void importLesson();

    Library& library_;
    chinese::CodeBooks books_;
    Messages& messages_;
    std::function<void(QDialog&)> runModal_;
    QList<LessonInfo> lessons_;
    std::optional<Lesson> chosen_;
    QListWidget* list_ = nullptr;
    QLabel* empty_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* export_ = nullptr;
};

}  // namespace owntexts
