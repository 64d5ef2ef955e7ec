#include "owntexts/library.h"

#include "common/atomicwrite.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace owntexts {

namespace {
constexpr QByteArrayView kMagic = "jaxo-lesson=1\n";
constexpr int kTitleMax = 80;

QString cleanTitle(const QString& title) {
    QString t = title.simplified();
    if (t.size() > kTitleMax) t.truncate(kTitleMax);
    return t;
}

// The head of a file, enough for its header: listing never reads a whole text.
QByteArray readHead(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.read(1024);
}

std::optional<QByteArray> readAll(const QString& path, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = QCoreApplication::translate("OwnTexts", "无法打开文件 %1：%2").arg(QDir::toNativeSeparators(path), f.errorString());
        return std::nullopt;
    }
    if (f.size() > Library::kMaxBytes) {
        if (error) *error = QCoreApplication::translate("OwnTexts", "文件 %1 太大（超过 16 MB）。").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error) *error = QCoreApplication::translate("OwnTexts", "无法读取文件 %1：%2").arg(QDir::toNativeSeparators(path), f.errorString());
        return std::nullopt;
    }
    return data;
}

constexpr const char* kDamaged = QT_TRANSLATE_NOOP("OwnTexts", "课文文件 %1 已损坏：%2");

// The lesson in the file; when it is none, `what` (%1 the file, %2 the reason) in *error.
std::optional<Lesson> readLesson(const QString& path, const char* what, QString* error) {
    const auto data = readAll(path, error);
    if (!data) return std::nullopt;
    QString why;
    auto l = parse(*data, &why);
    if (!l && error) *error = QCoreApplication::translate("OwnTexts", what).arg(QDir::toNativeSeparators(path), why);
    return l;
}
}  // namespace

QByteArray serialize(const Lesson& lesson) {
    QByteArray out(kMagic.data(), kMagic.size());
    out += "kind=" + kindKey(lesson.kind).toUtf8() + '\n';
    out += "title=" + cleanTitle(lesson.title).toUtf8() + "\n\n";
    out += lesson.body.toUtf8();
    if (!lesson.body.endsWith(QLatin1Char('\n'))) out += '\n';
    return out;
}

std::optional<Lesson> parse(QByteArrayView data, QString* why) {
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return std::nullopt;
    };
    if (!data.startsWith(kMagic)) return fail(QCoreApplication::translate("OwnTexts", "它不是 Jaxo 课文文件（第一行应为 jaxo-lesson=1）。"));
    const qsizetype end = data.indexOf(QByteArrayView("\n\n"));
    const QByteArrayView head = end < 0 ? data : data.first(end);
    Lesson l;
    bool kindFound = false;
    for (const QByteArray& line : head.toByteArray().split('\n')) {
        if (line.startsWith("kind=")) {
            const auto k = kindFromKey(QString::fromUtf8(line.mid(5)));
            if (!k) return fail(QCoreApplication::translate("OwnTexts", "它的课文类型“%1”不认识。").arg(QString::fromUtf8(line.mid(5))));
            l.kind = *k;
            kindFound = true;
        } else if (line.startsWith("title=")) {
            l.title = cleanTitle(QString::fromUtf8(line.mid(6)));
        }
    }
    if (!kindFound || l.title.isEmpty()) return fail(QCoreApplication::translate("OwnTexts", "它缺少课文类型或名称。"));
    if (end >= 0) {
        const auto body = decode(data.sliced(end + 2), Encoding::Utf8);
        if (!body) return fail(QCoreApplication::translate("OwnTexts", "它的正文不是 UTF-8 文本。"));
        l.body = *body;
    }
    return l;
}

Library::Library(QString folder) : folder_(std::move(folder)) {}

QString Library::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/jaxo/lessons");
}

QList<LessonInfo> Library::list() const {
    QList<LessonInfo> out;
    const QDir dir(folder_);
    for (const QFileInfo& fi : dir.entryInfoList({QStringLiteral("*.lesson")}, QDir::Files, QDir::Name)) {
        QByteArray head = readHead(fi.filePath());
        // Cut before the text so a character split at the end of the head does not matter.
        if (const qsizetype end = head.indexOf("\n\n"); end >= 0) head.truncate(end + 2);
        const auto l = parse(head);
        if (!l) continue;
        out.append({fi.filePath(), l->title, l->kind, fi.size()});
    }
    std::sort(out.begin(), out.end(), [](const LessonInfo& a, const LessonInfo& b) {
        return QString::localeAwareCompare(a.title, b.title) < 0;
    });
    return out;
}

std::optional<Lesson> Library::load(const QString& file, QString* error) const {
    auto l = readLesson(file, kDamaged, error);
    if (!l) return std::nullopt;
    // A file edited by hand is cut to what the page takes, as an import is.
    l->body = prepare(l->body, l->kind, nullptr).body;
    if (l->body.isEmpty()) {
        if (error) *error = QCoreApplication::translate("OwnTexts", "课文“%1”里没有可以练习的内容。").arg(l->title);
        return std::nullopt;
    }
    return l;
}

QString Library::uniqueTitle(const QString& title, const QString& exceptFile) const {
    const QString base = cleanTitle(title);
    QStringList taken;
    for (const LessonInfo& l : list())
        if (l.file != exceptFile) taken << l.title;
    QString t = base;
    for (int n = 2; taken.contains(t); ++n) t = base + QStringLiteral(" (%1)").arg(n);
    return t;
}

bool Library::write(const QString& file, const Lesson& lesson, QString* error) const {
    if (!atomicwrite::makeFolder(folder_, error)) return false;
    atomicwrite::Options o;
    o.permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    return atomicwrite::write(file, serialize(lesson), error, o);
}

bool Library::add(Lesson lesson, QString* error, QString* file) {
    if (lesson.body.trimmed().isEmpty()) {
        if (error) *error = QCoreApplication::translate("OwnTexts", "没有可以练习的内容，未保存。");
        return false;
    }
    lesson.title = uniqueTitle(lesson.title.trimmed().isEmpty() ? QCoreApplication::translate("OwnTexts", "我的课文") : lesson.title);
    // Named by the time it was made, so two lessons never share a file.
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = folder_ + QLatin1Char('/') + stamp + QStringLiteral(".lesson");
    for (int n = 2; QFile::exists(path); ++n) path = folder_ + QStringLiteral("/%1-%2.lesson").arg(stamp).arg(n);
    if (!write(path, lesson, error)) return false;
    if (file) *file = path;
    return true;
}

bool Library::rename(const QString& file, const QString& title, QString* error) {
    auto l = readLesson(file, kDamaged, error);
    if (!l) return false;
    if (cleanTitle(title).isEmpty()) {
        if (error) *error = QCoreApplication::translate("OwnTexts", "名称不能为空。");
        return false;
    }
    l->title = uniqueTitle(title, file);
    return write(file, *l, error);
}

bool Library::remove(const QString& file, QString* error) {
    QFile f(file);
    if (f.remove()) return true;
    if (error) *error = QCoreApplication::translate("OwnTexts", "无法删除文件 %1：%2").arg(QDir::toNativeSeparators(file), f.errorString());
    return false;
}

bool Library::exportTo(const QString& file, const QString& target, QString* error) const {
    const auto data = readAll(file, error);
    if (!data) return false;
    return atomicwrite::write(target, *data, error);
}

bool Library::importFrom(const QString& path, QString* error, QString* file) {
    auto l = readLesson(path, QT_TRANSLATE_NOOP("OwnTexts", "无法导入 %1：%2"), error);
    if (!l) return false;
    l->body = prepare(l->body, l->kind, nullptr).body;
    return add(*l, error, file);
}

}  // namespace owntexts
