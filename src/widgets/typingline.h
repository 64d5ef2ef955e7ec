#pragma once
// One typing line of an exercise page: the reference line, its red marks line lying
// exactly on it, and the edit line below it, all on one byte grid.
#include "widgets/bytegridlabel.h"
#include "widgets/keylineedit.h"

struct TypingLine {
    ByteGridLabel* text = nullptr;
    ByteGridLabel* marks = nullptr;
    KeyLineEdit* put = nullptr;
};

// Builds the three widgets under their names ("chinatext1", "chinapd1", "chinaput1"):
// the reference line at (left, referenceTop), the edit line at (left, inputTop), in the
// grid font, the edit line borderless, white on teal. number (1-based) names the line
// for assistive technology ("第1行输入"); while the edit line is writable, the next
// character to type and each new wrong character are announced, and when it is left
// whether the line or the page is done.
TypingLine makeTypingLine(QWidget* parent, const QString& textName, const QString& marksName, const QString& putName,
                          int left, int referenceTop, int inputTop, int number);

namespace typingline {
// The wrong characters that are new since the previous marks, each with what was
// typed instead: "错：应为a，打成q"; empty when there are none.
QString mistakes(const ByteText& reference, const ByteText& typed, const ByteText& previousMarks,
                 const ByteText& marks);
// What is announced on a writable line: the new mistakes, then the next character to
// type, or that the line is full.
QString announcement(const ByteText& reference, const ByteText& typed, const ByteText& previousMarks,
                     const ByteText& marks);
}  // namespace typingline
