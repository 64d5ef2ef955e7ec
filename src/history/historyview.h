#pragma once
// The 成绩记录 window: the sessions newest first, charts of speed and accuracy over
// time for the chosen kind, the weak spots with the two practices built from them,
// and the export of sessions and misses as CSV.
#include "chinese/codebook.h"
#include "history/historystore.h"
#include "history/historywindow.h"
#include "radicals/radicaltable.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

class Messages;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QTableWidget;
class HistorySessions;
class QChartView;
namespace history {
class PracticeTabs;
}

class HistoryView : public QDialog, public history::Window {
    Q_OBJECT
public:
    using Practice = history::Practice;

    // store may be null (no history could be opened): the window says so.
    // scheme: the input scheme the weak characters are counted in (empty: every scheme);
    // book1 is its first code book.
    HistoryView(history::Store* store, const CodeBook& book1, const radicals::Table& table, Messages& messages,
                QWidget* parent = nullptr, const QString& scheme = QString());
    ~HistoryView() override;

    // Asks for the file to write; the default is the file dialog. An empty answer cancels.
    std::function<QString(const QString& caption, const QString& suggested)> chooseFile;

    QDialog& dialog() override { return *this; }
    Practice practice() const override { return practice_; }
    const ByteText& weakLesson() const override { return weakLesson_; }
    const std::vector<int>& weakRadicals() const override { return weakRadicals_; }
    const std::vector<ByteText>& weakWords() const override { return weakWords_; }

    // The sentence shown instead of an empty table and empty axes.
    static QString emptySentence();

private:
    void reload();
    void fillTable();
    void fillCharts();
    void fillWeakSpots();
    void showTrouble();
    void exportSessions();
    void exportMisses();
    void writeCsv(const QString& caption, const QString& suggested, const QByteArray& bytes, int rows);
    QString chosenKind() const;
    bool wholeClass() const;
    // Every session of the chosen kind, as the table shows them: newest first.
    QList<history::Session> allSessions() const;

    history::Store* store_;
    const CodeBook& book1_;
    const QString scheme_;
    const radicals::Table& table_;
    Messages& messages_;
    HistorySessions* sessions_ = nullptr;  // the table's rows, read from the store a page at a time
    Practice practice_ = Practice::None;
    ByteText weakLesson_;
    std::vector<int> weakRadicals_;
    std::vector<ByteText> weakWords_;

    QComboBox* kind_ = nullptr;
    QCheckBox* wholeClass_ = nullptr;
    QPushButton* exportSessions_ = nullptr;
    QPushButton* exportMisses_ = nullptr;
    QStackedWidget* body_ = nullptr;
    QLabel* empty_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* sessionsTable_ = nullptr;
    QStackedWidget* chartStack_ = nullptr;
    QLabel* chartEmpty_ = nullptr;
    QChartView* speed_ = nullptr;
    QChartView* accuracy_ = nullptr;
    QTableWidget* weakChars_ = nullptr;
    QLabel* weakKeys_ = nullptr;
    QLabel* weakRadicalsLabel_ = nullptr;
    QLabel* weakWordsLabel_ = nullptr;
    QPushButton* weakCharsButton_ = nullptr;
    QPushButton* weakRadicalsButton_ = nullptr;
    QPushButton* weakWordsButton_ = nullptr;
    std::unique_ptr<history::PracticeTabs> practiceTabs_;  // the calendar and the confusions
    QLabel* status_ = nullptr;
    QPushButton* close_ = nullptr;
};
