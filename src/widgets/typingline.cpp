#include "widgets/typingline.h"

#include "widgets/access.h"
#include "widgets/fonts.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <QTimer>
#include <functional>

namespace {
// 66 bytes, the caret and a byte typed past the end: the line never scrolls off the grid.
constexpr int kLineWidth = 548;
constexpr int kInputHeight = 22;
// A frameless line edit starts its text this far in from its left edge.
constexpr qreal kTextInset = 2;

// How a character is read out: blanks and half characters by name.
QString spoken(const ByteText& bytesOfChar) {
    if (bytesOfChar.empty()) return {};
    const auto lead = static_cast<unsigned char>(bytesOfChar[0]);
    if (lead == ' ' || bytesOfChar[0] == bytes::kMissedBlank) return QCoreApplication::translate("TypingLine", "空格");
    if (lead >= 0x80 && (bytesOfChar.size() == 1 || static_cast<unsigned char>(bytesOfChar[1]) < 0x40))
        return QCoreApplication::translate("TypingLine", "半个字");
    return bytes::toUnicode(bytesOfChar);
}

// Says what changes on a line while it is being written. Changes of the three widgets
// come in bursts (a new page sets all of them), so they are judged once the burst is over.
class Announcer : public QObject {
public:
    explicit Announcer(const TypingLine& line) : QObject(line.put), line_(line) {
        const auto later = [this] {
            if (pending_) return;
            pending_ = true;
            QTimer::singleShot(0, this, [this] { update(); });
        };
        connect(line.text, &ByteGridLabel::bytesChanged, this, later);
        connect(line.marks, &ByteGridLabel::bytesChanged, this, later);
        connect(line.put, &QLineEdit::textChanged, this, later);
        line.put->installEventFilter(this);
        later_ = later;
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        // A line handed over (writable now) says what comes first; one hidden with its
        // panel is left.
        if (e->type() == QEvent::ReadOnlyChange || e->type() == QEvent::Hide || e->type() == QEvent::Show) later_();
        return false;
    }

private:
    void update() {
        pending_ = false;
        const ByteText reference = line_.text->bytes();
        const ByteText typed = bytes::fromUnicode(line_.put->text());
        const ByteText marks = line_.marks->bytes();
        const bool writable = !line_.put->isReadOnly() && line_.put->isVisible();
        QString said;
        if (writable) {
            // A key judged when it comes up: its marks are not there yet while it is down.
            if (marks.size() < std::min(typed.size(), reference.size())) return;
            said = typingline::announcement(reference, typed, lastMarks_, marks);
        } else if (writing_) {
            // Just left: its last mistakes, and why it was left. The line that takes
            // over says what comes next in the same breath.
            const bool pageTurned = reference != lastReference_;
            said = typingline::mistakes(lastReference_, pageTurned ? lastTyped_ : typed, lastMarks_,
                                        pageTurned ? lastMarks_ : marks);
            if (pageTurned || typed.size() >= reference.size()) {
                if (!said.isEmpty()) said += QChar(0x3002);
                said += pageTurned ? QCoreApplication::translate("TypingLine", "本页完") : QCoreApplication::translate("TypingLine", "本行完");
            }
        }
        if (!said.isEmpty() && said != lastSaid_) a11y::announce(line_.put, said);
        lastSaid_ = writable ? said : QString();
        writing_ = writable;
        lastReference_ = reference;
        lastTyped_ = typed;
        lastMarks_ = writable ? marks : ByteText();
    }

    TypingLine line_;
    ByteText lastReference_;
    ByteText lastTyped_;
    ByteText lastMarks_;
    QString lastSaid_;
    bool writing_ = false;
    bool pending_ = false;
    std::function<void()> later_;
};
}  // namespace

namespace typingline {
QString mistakes(const ByteText& reference, const ByteText& typed, const ByteText& previousMarks,
                 const ByteText& marks) {
    QStringList wrong;
    for (size_t i = 0; i < marks.size();) {
        const auto n = static_cast<size_t>(std::max(1, bytes::charLength(marks, i)));
        const ByteText ch = marks.substr(i, n);
        // Marks longer than before (a line grown past its reference) are new, not compared.
        const bool isNew = previousMarks.size() < i + n || previousMarks.compare(i, n, ch) != 0;
        const bool marked = ch[0] == bytes::kMissedBlank || static_cast<unsigned char>(ch[0]) > 0x20;
        if (marked && isNew) {
            const QString expected = spoken(i < reference.size() ? reference.substr(i, n) : ch);
            const QString got = spoken(i < typed.size() ? typed.substr(i, n) : ByteText());
            wrong << (got.isEmpty() ? QCoreApplication::translate("TypingLine", "应为%1").arg(expected)
                                    : QCoreApplication::translate("TypingLine", "应为%1，打成%2").arg(expected, got));
        }
        i += n;
    }
    return wrong.isEmpty() ? QString() : QCoreApplication::translate("TypingLine", "错：%1").arg(wrong.join(QChar(0xFF1B)));
}

QString announcement(const ByteText& reference, const ByteText& typed, const ByteText& previousMarks,
                     const ByteText& marks) {
    QString out = mistakes(reference, typed, previousMarks, marks);
    if (!out.isEmpty()) out += QChar(0x3002);
    size_t at = 0;
    while (at < reference.size() && at < typed.size())
        at += static_cast<size_t>(std::max(1, bytes::charLength(reference, at)));
    if (at < reference.size()) {
        const auto n = static_cast<size_t>(std::max(1, bytes::charLength(reference, at)));
        out += QCoreApplication::translate("TypingLine", "下一个：%1").arg(spoken(reference.substr(at, n)));
    } else if (!reference.empty()) {
        out += QCoreApplication::translate("TypingLine", "本行完");
    }
    return out;
}
}  // namespace typingline

TypingLine makeTypingLine(QWidget* parent, const QString& textName, const QString& marksName, const QString& putName,
                          int left, int referenceTop, int inputTop, int number) {
    const QFont font = fonts::grid(12);
    TypingLine line;
    line.text = new ByteGridLabel(parent);
    line.text->setObjectName(textName);
    line.text->setFont(font);
    line.text->setInset(kTextInset);
    line.text->setGeometry(left, referenceTop, kLineWidth, inputTop - referenceTop);

    // Exactly over the reference line: a wrong character turns dark red and underlined.
    // Read out through the edit line instead.
    line.marks = new ByteGridLabel(parent);
    line.marks->setObjectName(marksName);
    line.marks->setFont(font);
    line.marks->setInset(kTextInset);
    line.marks->setAttribute(Qt::WA_TransparentForMouseEvents);
    line.marks->setMarking(true);
    line.marks->setGeometry(line.text->geometry());
    a11y::hideDecoration(line.marks);

    line.put = new KeyLineEdit(parent);
    line.put->setObjectName(putName);
    line.put->setFont(font);
    line.put->setFrame(false);
    line.put->setTextMargins(0, 0, 0, 0);
    QPalette pal = line.put->palette();
    pal.setColor(QPalette::Base, QColor(0, 128, 128));
    pal.setColor(QPalette::Text, Qt::white);
    line.put->setPalette(pal);
    line.put->setGeometry(left, inputTop, kLineWidth, kInputHeight);
    line.put->setAccessibleName(QCoreApplication::translate("TypingLine", "第%1行输入").arg(number));
    new Announcer(line);
    return line;
}
