#pragma once
// The learner's choice of scheme: one line, the scheme's id, in
// $XDG_CONFIG_HOME/jaxo/scheme. A missing or unreadable file, or one that names no
// scheme, means Wubi 86.
#include "scheme/scheme.h"

#include <QString>

namespace scheme {

QString choiceFilePath();
const Scheme& readChoice(const QString& path = choiceFilePath());
// Whole or not at all; false with a message naming the file when it cannot be written.
bool writeChoice(const Scheme& s, QString* error = nullptr, const QString& path = choiceFilePath());

}  // namespace scheme
