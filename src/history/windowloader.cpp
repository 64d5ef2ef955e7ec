#include "history/windowloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>

#include <cstring>
#include <elf.h>

namespace history {
namespace {

#if defined(__LP64__)
using Ehdr = Elf64_Ehdr;
using Phdr = Elf64_Phdr;
constexpr unsigned char kClass = ELFCLASS64;
#else
using Ehdr = Elf32_Ehdr;
using Phdr = Elf32_Phdr;
constexpr unsigned char kClass = ELFCLASS32;
#endif

// The loader maps the module's segments straight from the file: a segment that ends
// past the end of a cut-short file faults (SIGBUS) at its first use. So every part the
// headers name must lie within the file before it is loaded. Empty when all do.
QString elfProblem(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return f.errorString();
    const quint64 size = static_cast<quint64>(f.size());
    Ehdr e{};
    if (f.read(reinterpret_cast<char*>(&e), sizeof e) != sizeof e || memcmp(e.e_ident, ELFMAG, SELFMAG) != 0)
        return QCoreApplication::translate("history", "不是程序库文件");
    if (e.e_ident[EI_CLASS] != kClass || e.e_phentsize != sizeof(Phdr)) return QCoreApplication::translate("history", "不是这台电脑的程序库");
    const auto within = [size](quint64 offset, quint64 length) { return offset <= size && length <= size - offset; };
    if (!within(e.e_phoff, quint64(e.e_phnum) * e.e_phentsize) ||
        (e.e_shnum > 0 && !within(e.e_shoff, quint64(e.e_shnum) * e.e_shentsize)))
        return QCoreApplication::translate("history", "文件不完整（只有%1字节）").arg(size);
    if (!f.seek(static_cast<qint64>(e.e_phoff))) return f.errorString();
    for (int i = 0; i < e.e_phnum; ++i) {
        Phdr p{};
        if (f.read(reinterpret_cast<char*>(&p), sizeof p) != sizeof p) return QCoreApplication::translate("history", "文件读不全");
        if (p.p_filesz > 0 && !within(p.p_offset, p.p_filesz)) return QCoreApplication::translate("history", "文件不完整（只有%1字节）").arg(size);
    }
    return {};
}

MakeWindow entryPoint(const QString& file, QString* problem) {
    // Never unloaded: its classes may still be registered with the toolkit.
    static QHash<QString, MakeWindow> loaded;
    if (const auto it = loaded.constFind(file); it != loaded.constEnd()) return *it;
    const QString shown = QDir::toNativeSeparators(file);
    if (!QFileInfo(file).isFile()) {
        *problem = QCoreApplication::translate("history", "成绩记录窗口打不开：找不到它的模块文件%1，请重新安装本程序").arg(shown);
        return nullptr;
    }
    if (const QString damage = elfProblem(file); !damage.isEmpty()) {
        *problem = QCoreApplication::translate("history", "成绩记录窗口打不开：模块文件%1已损坏（%2），请重新安装本程序").arg(shown, damage);
        return nullptr;
    }
    QLibrary library(file);
    if (!library.load()) {
        *problem = QCoreApplication::translate("history", "成绩记录窗口打不开：模块文件%1无法载入（%2），请重新安装本程序")
                       .arg(shown, library.errorString());
        return nullptr;
    }
    const auto make = reinterpret_cast<MakeWindow>(library.resolve(kMakeWindow));
    if (!make) {
        library.unload();
        *problem = QCoreApplication::translate("history", "成绩记录窗口打不开：模块文件%1不是本程序这一版的模块，请重新安装本程序").arg(shown);
        return nullptr;
    }
    loaded.insert(file, make);
    return make;
}

}  // namespace

std::unique_ptr<Window> openWindow(const QString& moduleFile, Store* store, const CodeBook& book1, const QString& scheme,
                                   const radicals::Table& table, Messages& messages, QWidget* parent,
                                   QString* problem) {
    const MakeWindow make = entryPoint(moduleFile, problem);
    if (!make) return nullptr;
    return std::unique_ptr<Window>(make(store, book1, scheme, table, messages, parent));
}

}  // namespace history
