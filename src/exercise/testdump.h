#pragma once
// For the end-to-end tests only: with JAXO_TEST_STATE naming a file, a page writes its
// state there after every change, so a test driving real keys can read it. The file
// is written on a thread of its own, never on the key path.
#include "exercise/exercisescore.h"

#include <QString>

namespace testdump {
bool enabled();
// The counts, the writable line and whether the page is shown, then the page's own
// lines ("text1=..."), written whole.
void write(const ExerciseScore& s, int writableLine, bool visible, const QString& lines);
}  // namespace testdump
