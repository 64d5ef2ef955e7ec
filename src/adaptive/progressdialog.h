#pragma once
// How far the learner is in each adaptive drill: every item in play with its speed,
// accuracy and progress to the targets, the one in focus and the ones reached marked
// in words, and how many items wait. A table, so a screen reader reads it cell by cell.
#include "adaptive/keymodel.h"

#include <QDialog>
#include <QString>

#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace adaptive {

struct ProgressSource {
    QString name;  // the drill, as the learner knows it
    QString unit;  // what its speed counts a minute: "字/分"
    Model model;
    Targets targets;
    bool utf8Items = false;  // the items are UTF-8 (key drills), not the program's byte encoding
};

}  // namespace adaptive

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    ProgressDialog(std::vector<adaptive::ProgressSource> sources, QWidget* parent);

private:
    void showSource(int source);

    std::vector<adaptive::ProgressSource> sources_;
    QComboBox* choice_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
};
