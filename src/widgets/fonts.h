#pragma once
#include <QFont>

class QString;

namespace fonts {
// The Song face cut down to the program's own captions (built into the data folder):
// the main screen then maps a small file instead of a large collection's tables.
inline constexpr char kCaptionFamily[] = "Jaxo Captions";
// Makes the cut face known; without it the full face draws everything.
void addCaptionFace(const QString& dataDir);
// "宋体": a Song/Ming face.
QFont song(int pointSize);
// "楷体_GB2312": a Kai face.
QFont kai(int pointSize);
// Every byte the same width: a half-width glyph exactly half a full-width one. For
// reference, mark and edit lines, so that a mark covers its character exactly.
QFont grid(int pointSize);
}  // namespace fonts
