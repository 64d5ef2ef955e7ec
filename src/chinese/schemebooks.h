#pragma once
// The four code books of the chosen scheme other than Wubi. Choosing names the files;
// a book is read at its first search, so a scheme never used costs nothing.
#include "chinese/codebook.h"
#include "scheme/scheme.h"

#include <algorithm>
#include <array>
#include <string>

namespace chinese {

class SchemeBooks {
public:
    // Throws JaxoError naming the first book that cannot be opened; the others are
    // still chosen.
    void choose(const scheme::Scheme& s, const std::string& appDir);
    const CodeBook& book(int n) const { return books_[static_cast<size_t>(std::clamp(n, 1, 4) - 1)]; }

private:
    std::array<CodeBook, 4> books_;
};

}  // namespace chinese
