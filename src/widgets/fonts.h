#pragma once
#include <QFont>

namespace fonts {
// "宋体": a Song/Ming face.
QFont song(int pointSize);
// "楷体_GB2312": a Kai face.
QFont kai(int pointSize);
// Every byte the same width: a half-width glyph exactly half a full-width one. For
// reference, mark and edit lines, so that a mark covers its character exactly.
QFont grid(int pointSize);
}  // namespace fonts
