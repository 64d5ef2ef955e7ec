#include "settings/language.h"

#include "common/atomicwrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include <utility>

namespace language {

namespace {
QString inEffect = QString::fromLatin1(kSimplified);
// Installed by install(); a later call replaces them (a translator removes itself when deleted).
QTranslator* toolkitTexts = nullptr;
QTranslator* ownTexts = nullptr;

bool known(const QString& l) {
    return l == QLatin1String(kSimplified) || l == QLatin1String(kTraditional) || l == QLatin1String(kEnglish);
}
}  // namespace

QString fromLocale(const QString& locale) {
    // "zh_TW.UTF-8@variant" -> "zh_TW"; "zh-Hant" is read like "zh_Hant".
    QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString lang = name.section(QLatin1Char('_'), 0, 0).toLower();
    if (lang != QLatin1String("zh")) return QString::fromLatin1(kEnglish);
    const QString rest = name.section(QLatin1Char('_'), 1).toUpper();
    for (const char* t : {"TW", "HK", "MO", "HANT"})
        if (rest == QLatin1String(t) || rest.startsWith(QLatin1String(t) + QLatin1Char('_'))) return QString::fromLatin1(kTraditional);
    return QString::fromLatin1(kSimplified);
}

QString desktop() {
    // LANGUAGE is a list of preferences; the first one decides.
    const QString list = qEnvironmentVariable("LANGUAGE").section(QLatin1Char(':'), 0, 0);
    if (!list.isEmpty()) return fromLocale(list);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return fromLocale(value);
    }
    return QString::fromLatin1(kEnglish);
}

QString choiceFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/jaxo/language");
}

QString savedChoice() {
    QFile f(choiceFilePath());
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString line = QString::fromUtf8(f.read(64)).section(QLatin1Char('\n'), 0, 0).trimmed();
    return known(line) ? line : QString();
}

bool saveChoice(const QString& choice, QString* error) {
    const QString file = choiceFilePath();
    return atomicwrite::makeFolder(QFileInfo(file).path(), error) &&
           atomicwrite::write(file, (known(choice) ? choice : QString()).toUtf8() + '\n', error);
}

QString chosen() {
    const QString saved = savedChoice();
    return saved.isEmpty() ? desktop() : saved;
}

void install(const QString& appDir) {
    inEffect = chosen();
    delete std::exchange(toolkitTexts, nullptr);
    delete std::exchange(ownTexts, nullptr);
    auto* app = QCoreApplication::instance();
    // The toolkit's own texts (context menus, message buttons) in the same language.
    toolkitTexts = new QTranslator(app);
    if (toolkitTexts->load(QStringLiteral("qtbase_") + inEffect, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkitTexts);
    // The source texts are Simplified Chinese: no file for them.
    if (inEffect == QLatin1String(kSimplified)) return;
    ownTexts = new QTranslator(app);
    if (ownTexts->load(QStringLiteral("jaxo_") + inEffect, appDir + QStringLiteral("/translations")))
        QCoreApplication::installTranslator(ownTexts);
}

QString current() { return inEffect; }

QString helpPage(const QString& appDir, const QString& page) {
    const QString translated = appDir + QStringLiteral("/help/") + inEffect + QLatin1Char('/') + page;
    if (inEffect != QLatin1String(kSimplified) && QFileInfo::exists(translated)) return translated;
    return appDir + QStringLiteral("/help/") + page;
}

}  // namespace language
