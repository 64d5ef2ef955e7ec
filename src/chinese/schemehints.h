#pragma once
// The hint bar of a scheme other than Wubi: the scheme's books hold each item directly
// followed by its code up to the line break (see tools/schemegen.cpp); the caption
// shows the code as the scheme's learners read it, and the candidate place when the
// input method would list the item after others with the same keys.
#include "chinese/codehints.h"
#include "scheme/scheme.h"

namespace chinese {

void showSchemeHints(const scheme::Scheme& s, const CodeBooks& books, std::string_view line, int column, HintBar& bar);

// The code field of a book entry (GB18030) as the hint shows it (GB18030).
ByteText schemeCaption(const scheme::Scheme& s, std::string_view field);

// The hints of the scheme: Wubi's own bar, or the scheme's.
void showHintsFor(const scheme::Scheme* s, const CodeBooks& books, std::string_view line, int column, HintBar& bar);

}  // namespace chinese
