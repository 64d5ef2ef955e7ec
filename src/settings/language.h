#pragma once
// The interface language: the desktop's (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) unless
// the learner chose one in the settings panel, kept in $XDG_CONFIG_HOME/jaxo/language.
// Chosen once at the start: the translations are loaded before the first window.
#include <QString>

namespace language {

// The interface languages: the source texts (Simplified Chinese), Traditional Chinese
// and English, by their file suffix. Empty: follow the desktop.
inline constexpr const char* kSimplified = "zh_CN";
inline constexpr const char* kTraditional = "zh_TW";
inline constexpr const char* kEnglish = "en";

// The language a locale name asks for ("zh_HK.UTF-8", "en_US", "zh"): one of the three.
QString fromLocale(const QString& locale);
// The desktop's language, from the environment.
QString desktop();

// The user's file and the choice kept in it: empty when there is none, or it holds
// anything but one of the three.
QString choiceFilePath();
QString savedChoice();
// Keeps the choice (empty: follow the desktop), atomically. False, with the reason in
// error, when the file cannot be written; the old choice is kept then.
bool saveChoice(const QString& choice, QString* error);

// The language in effect: the saved choice, else the desktop's.
QString chosen();

// Loads the program's and the toolkit's translations for the language in effect from
// appDir/translations and the toolkit's folder, and remembers it for current().
void install(const QString& appDir);
// The language installed at the start (the source language before install()).
QString current();
// A help page in that language: appDir/help/<language>/page where there is one, else
// the source language's appDir/help/page.
QString helpPage(const QString& appDir, const QString& page);

}  // namespace language
