#include "schemedrill/adaptivekeys.h"

#include "adaptive/chinesedrill.h"
#include "chinese/codebook.h"
#include "common/errors.h"
#include "common/randomsource.h"
#include "radicals/radicaltable.h"

#include <QCoreApplication>
#include <map>
#include <set>

namespace schemedrill {

namespace {
QString tr(const char* text) { return QCoreApplication::translate("schemedrill", text); }

const char* const kLetterRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
// Wubi's five zones, each from its first key outwards.
const char kZoneOrder[] = "gfdsahjklmtrewqyuiopnbvcx";

// Each key's radicals, table order, every one once and only whole characters.
std::map<char, std::vector<std::pair<QString, QString>>> radicalsByKey() {
    std::map<char, std::vector<std::pair<QString, QString>>> byKey;
    std::set<QString> seen;
    for (int i = 0; i < radicals::kEntries; ++i) {
        const ByteText& entry = radicals::table()[static_cast<size_t>(i)];
        const QString radical = bytes::toUnicode(radicals::radicalOf(entry));
        // A radical outside the two-byte range is cut in half by the table: left out.
        const bool whole = radical.size() == 1 && radical[0].isPrint() && radical[0] != QChar::ReplacementCharacter &&
                           radical[0].unicode() >= 0x2E80;
        if (!whole || !seen.insert(radical).second) continue;
        // The hint starts with the key and a blank: the verse follows.
        byKey[radicals::keyOf(entry)].emplace_back(radical, bytes::toUnicode(radicals::hintOf(entry)).mid(2).trimmed());
    }
    return byKey;
}

QString trimmed(std::string_view field) {
    QString s = QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size())).trimmed();
    for (const QChar c : s)
        if (c < u'a' || c > u'z') return {};
    return s;
}
}  // namespace

SchemeKeys wubiRadicals() {
    SchemeKeys s{QStringLiteral("wubi-radicals"), tr("五笔字根"), tr("五笔字根键位图：每个键上的字根"), {}, {}};
    const auto byKey = radicalsByKey();
    for (const char* k = kZoneOrder; *k; ++k) {
        const auto found = byKey.find(*k);
        if (found == byKey.end()) continue;
        for (const auto& [radical, verse] : found->second) s.items.push_back({radical, QString(QLatin1Char(*k)), verse});
    }
    for (const char* row : kLetterRows) {
        auto& keys = s.chart.emplace_back();
        for (const char* k = row; *k; ++k) {
            ChartKey key{*k, {}, {}};
            const auto found = byKey.find(*k);
            if (found != byKey.end()) {
                // The key's own radical large; the others in groups of five, which a key
                // holds on two lines at a readable size.
                for (const auto& [radical, verse] : found->second) {
                    if (key.main.isEmpty()) key.main << radical;
                    else if (key.extra.isEmpty() || key.extra.last().size() >= 5) key.extra << radical;
                    else key.extra.last() += radical;
                }
            }
            keys.push_back(key);
        }
    }
    return s;
}

SchemeKeys wubiCodes(const std::string& appDir, const CodeBook& book) {
    SchemeKeys s{QStringLiteral("wubi-codes"), tr("五笔编码"), tr("五笔字根键位图：每个键上的字根"), {}, {}};
    s.chart = wubiRadicals().chart;
    const adaptive::ItemSource source = adaptive::wubiSource(appDir);
    std::map<ByteText, size_t> wanted;
    for (const ByteText& c : source.order) wanted.emplace(c, wanted.size());
    // Book 1's lines, commonest first: a character, its shortest code and its full code,
    // five bytes each. A short code is the character's own if no line before had it.
    struct Codes {
        QString full, shortCode;
    };
    std::vector<Codes> codes(source.order.size());
    std::set<QString> taken;
    size_t left = wanted.size();
    const std::string_view t = book.text();
    for (size_t at = 0; at < t.size() && left > 0;) {
        size_t end = t.find('\n', at);
        if (end == std::string_view::npos) end = t.size();
        const std::string_view line = t.substr(at, end - at);
        at = end + 1;
        if (line.empty()) continue;
        const auto n = static_cast<size_t>(bytes::charLength(line, 0));
        if (line.size() < n + 10) continue;
        const QString shortCode = trimmed(line.substr(n, 5)), full = trimmed(line.substr(n + 5, 5));
        if (full.isEmpty()) continue;
        const auto w = wanted.find(ByteText(line.substr(0, n)));
        if (w != wanted.end() && codes[w->second].full.isEmpty()) {
            codes[w->second] = {full, shortCode.size() < full.size() && !taken.count(shortCode) ? shortCode : QString()};
            --left;
        }
        taken.insert(shortCode);
        taken.insert(full);
    }
    for (size_t i = 0; i < source.order.size(); ++i) {
        const Codes& c = codes[i];
        if (c.full.isEmpty()) continue;  // no code in the book: not asked
        const QString note = c.shortCode.isEmpty() ? QString()
                                                   : tr("简码 %1 加空格也对").arg(c.shortCode.toUpper());
        s.items.push_back({bytes::toUnicode(source.order[i]), c.full, note, c.shortCode});
    }
    return s;
}

namespace {
std::vector<std::string> order(const std::vector<KeyItem>& items) {
    std::vector<std::string> v;
    for (const KeyItem& item : items) v.push_back(item.symbol.toStdString());
    return v;
}
}  // namespace

AdaptiveKeys::AdaptiveKeys(const std::vector<KeyItem>& items, int starting) : model_(order(items), starting) {}


const CodeBook& wubiBook(bool schemeIsWubi, const CodeBook& schemeBook, const std::string& appDir, CodeBook& own) {
    if (schemeIsWubi) return schemeBook;
    if (own.text().empty()) {
        try {
            own.loadFile(appDir + "/jaxo.sy1");
        } catch (const JaxoError&) {
            own.clear();  // no codes: the drill says so
        }
    }
    return own;
}

std::vector<int> AdaptiveKeys::row(int count, RandomSource& random) {
    std::vector<int> out;
    lastAnswer_ = -1;
    if (model_.size() == 0) return out;
    if (model_.unlockIfReady(targets_)) unlocked_ = true;
    const adaptive::Model::Draw draw(model_, targets_);
    out.push_back(model_.indexOf(focus()));
    while (static_cast<int>(out.size()) < count) {
        int pick = draw.next(random);
        // The same twice running: the learner would not see that the arrow moved.
        if (pick == out.back()) pick = (pick + 1) % model_.inPlay();
        out.push_back(pick);
    }
    return out;
}

void AdaptiveKeys::answered(int item, bool right, std::int64_t nowMs) {
    if (item < 0 || item >= model_.size()) return;
    const std::int64_t interval = lastAnswer_ < 0 || nowMs < lastAnswer_ ? -1 : nowMs - lastAnswer_;
    lastAnswer_ = nowMs;
    model_.record(model_.item(item), right, interval > adaptive::kLongestInterval ? -1 : static_cast<int>(interval));
}

}  // namespace schemedrill
