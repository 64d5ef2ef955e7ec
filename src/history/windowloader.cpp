#include "history/windowloader.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>

namespace history {
namespace {

MakeWindow entryPoint(const QString& file, QString* problem) {
    // Never unloaded: its classes may still be registered with the toolkit.
    static QHash<QString, MakeWindow> loaded;
    if (const auto it = loaded.constFind(file); it != loaded.constEnd()) return *it;
    const QString shown = QDir::toNativeSeparators(file);
    if (!QFileInfo(file).isFile()) {
        *problem = QStringLiteral("成绩记录窗口打不开：找不到它的模块文件%1，请重新安装本程序").arg(shown);
        return nullptr;
    }
    QLibrary library(file);
    if (!library.load()) {
        *problem = QStringLiteral("成绩记录窗口打不开：模块文件%1无法载入（%2），请重新安装本程序")
                       .arg(shown, library.errorString());
        return nullptr;
    }
    const auto make = reinterpret_cast<MakeWindow>(library.resolve(kMakeWindow));
    if (!make) {
        library.unload();
        *problem = QStringLiteral("成绩记录窗口打不开：模块文件%1不是本程序这一版的模块，请重新安装本程序").arg(shown);
        return nullptr;
    }
    loaded.insert(file, make);
    return make;
}

}  // namespace

std::unique_ptr<Window> openWindow(const QString& moduleFile, Store* store, const CodeBook& book1,
                                   const radicals::Table& table, Messages& messages, QWidget* parent,
                                   QString* problem) {
    const MakeWindow make = entryPoint(moduleFile, problem);
    if (!make) return nullptr;
    return std::unique_ptr<Window>(make(store, book1, table, messages, parent));
}

}  // namespace history
