#include "radicals/radicaltable.h"

namespace radicals {

namespace {

struct KeyGroup {
    char key;
    const char* radicals;  // UTF-8, one radical per code point
    const char* verse;
};

// Keyboard order, row by row from the left; the verses exactly as taught.
constexpr KeyGroup kGroups[] = {
    {'q', "金钅儿勹乂夕", "金勺缺点无尾鱼，犬旁留叉儿一点夕，氏无七（妻）。"},
    {'w', "人亻八癶", "人和八，三四里"},
    {'e', "月乑用彡爫乃", "月彡(衫)乃用家衣底。"},
    {'r', "白手龵扌⺁斤", "白手看头三二斤。"},
    {'t', "禾竹丿攵夂彳", "禾竹一撇双人立 。"},
    {'y', "言讠文方丶亠广", "言文方广在四一，高头一捺谁人去。"},
    {'u', "立六辛冫丬丷疒门", "立辛两点六门疒。"},
    {'i', "水氺龸氵⺌小", "水旁兴头小倒立。"},
    {'o', "火灬米", "火业头，四点米。"},
    {'p', "之辶廴宀", "之字军盖建道底，摘礻(示)衤(衣)。"},
    {'a', "工匚廾艹廿龷七弋戈", "工戈草头右框七。"},
    {'s', "木丁西", "木丁西。"},
    {'d', "大犬古石三厂𠂇", "大犬三羊古石厂。"},
    {'f', "土士干二十雨寸", "土士二干十寸雨。"},
    {'g', "王龶一五戋", " 王旁青头戋（兼）五一 。"},
    {'h', "目丨卜上止", "目具上止卜虎皮"},
    {'j', "日曰早刂虫", "日早两竖与虫依。"},
    {'k', "口川", "口与川，字根稀。"},
    {'l', "田甲囗四罒皿车力", "田甲方框四车力。"},
    {'x', "纟幺弓匕", "慈母无心弓和匕，幼无力。"},
    {'c', "又マ厶巴马厶", "又巴马，丢矢矣。"},
    {'v', "女刀九巛彐臼", "女刀九臼山朝西。"},
    {'b', "子孑了巜也耳阝卩", "子耳了也框向上。"},
    {'n', "⺋凵已巳己乙尸心忄羽⺗", "已半巳满不出己，左框折尸心和羽。"},
    {'m', "山由贝冂冎几", "山由贝，下框几。"},
};

}  // namespace

void buildRadicalTable(Table& table) {
    size_t slot = 0;
    for (const auto& g : kGroups) {
        const ByteText radicals = bytes::gb(g.radicals);
        const ByteText verse = bytes::gb(g.verse);
        // Every radical is one two-byte character.
        for (size_t i = 0; i + 1 < radicals.size(); i += 2) {
            ByteText entry;
            entry += g.key;
            entry += radicals.substr(i, 2);
            entry += g.key;
            entry += ' ';
            entry += verse;
            table[slot++] = std::move(entry);
        }
    }
    for (; slot < table.size(); ++slot) table[slot].clear();
}

const Table& table() {
    static const Table built = [] {
        Table t;
        buildRadicalTable(t);
        return t;
    }();
    return built;
}

int scan(const Table& table, std::string_view radical) {
    for (int i = 0; i < kEntries; ++i) {
        if (table[static_cast<size_t>(i)].size() >= 3 && std::string_view(table[static_cast<size_t>(i)]).substr(1, 2) == radical)
            return i;
    }
    return -1;
}

}  // namespace radicals
