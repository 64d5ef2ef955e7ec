#include "app/services.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTextLayout>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The text of an error box, laid out at word boundaries (a path also after each "/") and
// broken inside a run only where the run is wider than the box: a garbled settings
// line would otherwise make the box wider than the screen. The text itself stays as
// given, so what is copied or read aloud is exactly the message.
class WrappingLabel : public QLabel {
public:
    static constexpr int kMaxWidth = 480;

    WrappingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        const QMargins m = contentsMargins();
        return layoutLines(width - m.left() - m.right()).height + m.top() + m.bottom();
    }
    QSize sizeHint() const override {
        const QMargins m = contentsMargins();
        const int natural = QFontMetrics(font()).horizontalAdvance(shownText()) + 1;
        const int width = std::min(natural, kMaxWidth) + m.left() + m.right();
        return {width, heightForWidth(width)};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The lines as they are drawn at the label's width.
    QStringList shownLines() const {
        QStringList lines;
        for (const auto& [start, length] : layoutLines(contentsRect().width()).lines)
            lines << text().mid(start, length);
        return lines;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        const QRect r = contentsRect();
        QTextLayout layout(shownText(), font());
        layOut(layout, r.width());
        layout.draw(&painter, r.topLeft());
    }

private:
    struct Lines {
        int height = 0;
        std::vector<std::pair<int, int>> lines;  // start and length in the text
    };

    // Line breaks of the text stand as line separators: same length, same positions.
    QString shownText() const {
        QString t = text();
        t.replace(QLatin1Char('\n'), QChar::LineSeparator);
        return t;
    }
    // The one line breaking that painting, sizing and shownLines() all share; the height.
    static qreal layOut(QTextLayout& layout, int width) {
        QTextOption o;
        o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(o);
        layout.beginLayout();
        qreal y = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(width, 1));
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout.endLayout();
        return y;
    }
    Lines layoutLines(int width) const {
        Lines out;
        QTextLayout layout(shownText(), font());
        out.height = static_cast<int>(std::ceil(layOut(layout, width)));
        for (int i = 0; i < layout.lineCount(); ++i)
            out.lines.emplace_back(layout.lineAt(i).textStart(), layout.lineAt(i).textLength());
        return out;
    }
};

}  // namespace

std::unique_ptr<QMessageBox> errorBox(const QString& text, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Jaxo4.00"), text, QMessageBox::Ok,
                                             parent);
    box->button(QMessageBox::Ok)->setText(QCoreApplication::translate("Messages", "确定"));
    // The box's own label wraps only at word boundaries: it takes the text's place in
    // the layout, and keeps the text for copying with Ctrl+C.
    auto* own = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    const int index = own && grid ? grid->indexOf(own) : -1;
    if (index >= 0) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        auto* label = new WrappingLabel(text, box.get());
        label->setObjectName(QStringLiteral("errorText"));
        label->setTextInteractionFlags(own->textInteractionFlags());
        label->setContentsMargins(own->contentsMargins());
        grid->addWidget(label, row, column, rows, columns);
        own->hide();
    }
    return box;
}

QStringList errorBoxLines(const QMessageBox& box) {
    const auto* label = static_cast<const WrappingLabel*>(box.findChild<QLabel*>(QStringLiteral("errorText")));
    return label ? label->shownLines() : QStringList();
}

void BoxMessages::showError(const QString& text) {
    errorBox(text, QApplication::activeWindow())->exec();
}

bool BoxMessages::askYesNo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No);
    // The buttons as a Chinese desktop names them.
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("Messages", "是(&Y)"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("Messages", "否(&N)"));
    // Enter pressed by habit keeps what is going on.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void BoxMessages::beep() { QApplication::beep(); }

bool DesktopShell::openDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
