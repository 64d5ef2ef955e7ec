#include "chinese/schemebooks.h"

#include "common/errors.h"

#include <optional>

namespace chinese {

void SchemeBooks::choose(const scheme::Scheme& s, const std::string& appDir) {
    static constexpr std::array<std::string_view, 4> kNames = {"/jaxo.sy1", "/jaxo2.sy2", "/jaxo3.sy3", "/jaxo4.sy4"};
    std::optional<JaxoError> failed;
    for (size_t i = 0; i < books_.size(); ++i) {
        books_[i].clear();
        if (s.style == scheme::CodeStyle::Wubi) continue;
        try {
            books_[i].loadFile(scheme::dataFile(s, appDir, kNames[i]));
        } catch (const JaxoError& e) {
            if (!failed) failed = e;
        }
    }
    if (failed) throw *failed;
}

}  // namespace chinese
