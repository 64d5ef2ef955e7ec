#include "scheme/scheme.h"

#include <QCoreApplication>

#include <array>

namespace scheme {
namespace {
using C = CodeStyle;

constexpr std::array kSchemes = {
    Scheme{"wubi86", QT_TRANSLATE_NOOP("Scheme", "五笔86"), C::Wubi, false, "a-y", "wubi86 (rime-data-wubi)", "五笔字型",
           "WuBi-Jidian-86"},
    Scheme{"pinyin", QT_TRANSLATE_NOOP("Scheme", "全拼"), C::Syllables, false, "a-z",
           "pinyin_simp (rime-data-pinyin-simp)", "拼音", "智能拼音"},
    Scheme{"shuangpin-xiaohe", QT_TRANSLATE_NOOP("Scheme", "双拼（小鹤）"), C::KeyPairs, false, "a-z",
           "pinyin_simp (rime-data-pinyin-simp)", "双拼，小鹤方案", "智能拼音，双拼小鹤"},
    Scheme{"shuangpin-ziranma", QT_TRANSLATE_NOOP("Scheme", "双拼（自然码）"), C::KeyPairs, false, "a-z",
           "pinyin_simp (rime-data-pinyin-simp)", "双拼，自然码方案", "智能拼音，双拼自然码"},
    Scheme{"cangjie5", QT_TRANSLATE_NOOP("Scheme", "仓颉五代"), C::Radicals, true, "a-y",
           "cangjie5 (rime-data-cangjie5)", "倉頡五代", "Cangjie5"},
    Scheme{"quick5", QT_TRANSLATE_NOOP("Scheme", "速成"), C::Radicals, true, "a-y", "cangjie5 (rime-data-cangjie5)",
           "速成五代", "Quick5"},
    Scheme{"zhuyin", QT_TRANSLATE_NOOP("Scheme", "注音"), C::Zhuyin, true, "1-0, a-z, ; , . / -",
           "terra_pinyin (rime-data-terra-pinyin)", "新酷音，标准键盘", "Chewing，标准键盘"},
};
}  // namespace

std::span<const Scheme> schemes() { return kSchemes; }

const Scheme& wubi() { return kSchemes[0]; }

const Scheme* find(std::string_view id) {
    for (const Scheme& s : kSchemes)
        if (s.id == id) return &s;
    return nullptr;
}

QString displayName(const Scheme& s) {
    return QCoreApplication::translate("Scheme", std::string(s.name).c_str());
}

QString inputMethodAdvice(const Scheme& s) {
    return QCoreApplication::translate("Scheme", "fcitx5 用“%1”，IBus 用“%2”")
        .arg(QString::fromUtf8(s.fcitx5.data(), static_cast<qsizetype>(s.fcitx5.size())),
             QString::fromUtf8(s.ibus.data(), static_cast<qsizetype>(s.ibus.size())));
}

std::string dataFile(const Scheme& s, const std::string& appDir, std::string_view name) {
    if (s.style == C::Wubi) return appDir + std::string(name);
    return appDir + "/scheme/" + std::string(s.id) + std::string(name);
}

std::string lessonFile(const Scheme& s, const std::string& appDir, std::string_view name) {
    return hasLesson(s, name) ? dataFile(s, appDir, name) : appDir + std::string(name);
}

bool hasLesson(const Scheme& s, std::string_view file) {
    if (s.style == C::Wubi) return true;
    for (std::string_view f : {"/gpz.jxo", "/ezcz.jxo", "/shzcz.jxo", "/szcz.jxo", "/clesson.txt", "/ctest.txt"})
        if (f == file) return true;
    return false;
}

}  // namespace scheme
