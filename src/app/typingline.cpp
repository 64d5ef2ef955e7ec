#include "app/typingline.h"

#include "app/fonts.h"

namespace {
// 66 bytes, the caret and a byte typed past the end: the line never scrolls off the grid.
constexpr int kLineWidth = 548;
constexpr int kInputHeight = 22;
// A frameless line edit starts its text this far in from its left edge.
constexpr qreal kTextInset = 2;
}  // namespace

TypingLine makeTypingLine(QWidget* parent, const QString& textName, const QString& marksName, const QString& putName,
                          int left, int referenceTop, int inputTop) {
    const QFont font = fonts::grid(12);
    TypingLine line;
    line.text = new ByteGridLabel(parent);
    line.text->setObjectName(textName);
    line.text->setFont(font);
    line.text->setInset(kTextInset);
    line.text->setGeometry(left, referenceTop, kLineWidth, inputTop - referenceTop);

    // Red, exactly over the reference line: a wrong character turns red.
    line.marks = new ByteGridLabel(parent);
    line.marks->setObjectName(marksName);
    line.marks->setFont(font);
    line.marks->setInset(kTextInset);
    line.marks->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette red = line.marks->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    line.marks->setPalette(red);
    line.marks->setGeometry(line.text->geometry());

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
    return line;
}
