#include "widgets/icons.h"

#include "common/install.h"
#include "widgets/pictures.h"

namespace icons {
namespace {

// Every icon of the program, listed once: control, our file (assets/icons), theme name.
struct Entry {
    const char* control;
    const char* file;
    const char* theme;  // freedesktop name, or nullptr where no standard icon says the same
};

constexpr Entry kIcons[] = {
    // Chinese practice
    {"m1a", "radical-drill", nullptr},
    {"m1b", "frequent-characters", nullptr},
    {"m1c", "short-codes-two", nullptr},
    {"m1d", "short-codes-three", nullptr},
    {"m1e", "words", nullptr},
    {"N7", "words-two", nullptr},
    {"N9", "words-three", nullptr},
    {"N11", "words-four", nullptr},
    {"m1g", "scheme-keys", nullptr},
    {"jw7", "keys-wubi-radicals", nullptr},
    {"jw8", "keys-wubi-codes", nullptr},
    {"jw1", "keys-pinyin", nullptr},
    {"jw2", "keys-xiaohe", nullptr},
    {"jw3", "keys-ziranma", nullptr},
    {"jw4", "keys-cangjie", nullptr},
    {"jw5", "keys-quick", nullptr},
    {"jw6", "keys-zhuyin", nullptr},
    {"m1f", "chinese-article", nullptr},
    {"m1h", "chinese-adaptive", nullptr},
    // English practice
    {"m2a", "english-beginner", nullptr},
    {"m2b", "english-intermediate", nullptr},
    {"m2c", "english-advanced", nullptr},
    {"m2d", "english-article", nullptr},
    {"m2e", "english-adaptive", nullptr},
    // Tests
    {"m3a", "chinese-test", nullptr},
    {"MenuItem4", "chinese-test-in-order", nullptr},
    {"MenuItem6", "chinese-test-random", nullptr},
    {"m3b", "english-test", nullptr},
    {"MenuItem1", "english-test-in-order", nullptr},
    {"MenuItem3", "english-test-random", nullptr},
    // Vocabulary
    {"m4a", "words-primary", nullptr},
    {"m4b", "words-junior", nullptr},
    {"m4e", "words-senior", nullptr},
    {"m4c", "words-college", nullptr},
    {"N5", "words-cet4", nullptr},
    {"N6", "words-cet6", nullptr},
    {"m4d", "words-gmat", nullptr},
    {"m4f", "words-gre", nullptr},
    {"m4g", "words-toefl", nullptr},
    {"m4h", "sentences", nullptr},
    // System
    {"m5a", "help", "help-contents"},
    {"m5b", "about", "help-about"},
    {"m5c", "minimize", "window-minimize"},
    {"m5d", "settings", "preferences-system"},
    {"m5e", "quit", "application-exit"},
    {"historyButton", "history", nullptr},
    {"reviewButton", "review", nullptr},
    // 今日复习's items: the exercise each review runs like.
    {"review-char", "frequent-characters", nullptr},
    {"review-key", "english-beginner", nullptr},
    {"review-word", "words", nullptr},
    {"welcomeButton", "welcome", nullptr},
    {"ownTextsButton", "own-texts", nullptr},
    {"targetsButton", "targets", nullptr},
    // Panels, the report, the About box and the settings panel
    {"chinaexit", "exercise-exit", nullptr},
    {"englishexit", "exercise-exit", nullptr},
    {"zgexit", "exercise-exit", nullptr},
    {"jwexit", "exercise-exit", nullptr},
    {"bdcexit", "exercise-exit", nullptr},
    {"exitexit", "test-exit", nullptr},
    {"chinanextpage", "next-page", "go-next"},
    {"englishnext", "next-page", "go-next"},
    {"exit", "report-close", nullptr},
    {"OKButton", "ok", "dialog-ok"},
    {"sys1", "restore-defaults", "document-revert"},
    {"sys2", "save", "document-save"},
    {"sys3", "cancel", "dialog-cancel"},
};

const Entry* find(const QString& objectName) {
    for (const Entry& e : kIcons)
        if (objectName == QLatin1String(e.control)) return &e;
    return nullptr;
}

QList<int> sizes() { return {std::begin(install::kIconSizes), std::end(install::kIconSizes)}; }

}  // namespace

QStringList filesFor(const QString& objectName, const std::string& appDir) {
    const Entry* e = find(objectName);
    if (!e) return {};
    const QString stem = QString::fromStdString(appDir) + QStringLiteral("/icons/") + QLatin1String(e->file);
    QStringList files;
    for (int size : install::kIconSizes) files << QStringLiteral("%1-%2.png").arg(stem).arg(size);
    return files;
}

QIcon forControl(const QString& objectName, const std::string& appDir) {
    const Entry* e = find(objectName);
    if (!e) return {};
    // The theme is looked up when the icon is first drawn: most icons sit in menus and
    // panels not shown at start, and a theme whose icons are SVG files has Qt load its
    // SVG renderer for the first one drawn.
    return pictures::sizedIcon(filesFor(objectName, appDir), sizes(),
                               e->theme ? QString::fromLatin1(e->theme) : QString());
}

}  // namespace icons
