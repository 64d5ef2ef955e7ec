#pragma once
// One typing line of an exercise page: the reference line, its red marks line lying
// exactly on it, and the edit line below it, all on one byte grid.
#include "app/bytegridlabel.h"
#include "app/keylineedit.h"

struct TypingLine {
    ByteGridLabel* text = nullptr;
    ByteGridLabel* marks = nullptr;
    KeyLineEdit* put = nullptr;
};

// Builds the three widgets under their names ("chinatext1", "chinapd1", "chinaput1"):
// the reference line at (left, referenceTop), the edit line at (left, inputTop), in the
// grid font, the edit line borderless, white on teal.
TypingLine makeTypingLine(QWidget* parent, const QString& textName, const QString& marksName, const QString& putName,
                          int left, int referenceTop, int inputTop);
