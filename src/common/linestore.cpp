#include "common/linestore.h"

#include "common/atomicwrite.h"
#include "common/errors.h"

#include <QFile>

void LineStore::clear() {
    text_.clear();
    lines_.clear();
}

namespace {
JaxoError tooLarge(const std::string& path) {
    return JaxoError(QStringLiteral("File %1 is too large").arg(QString::fromStdString(path)));
}

void open(QFile& f, const std::string& path) {
    if (!f.open(QIODevice::ReadOnly)) throw JaxoError(errors::cannotOpen(path));
    if (f.size() > LineStore::kMaxFileBytes) throw tooLarge(path);
}
}  // namespace

void LineStore::checkReadable(const std::string& path) {
    QFile f(QString::fromStdString(path));
    open(f, path);
}

ByteText LineStore::readFile(const std::string& path) {
    QFile f(QString::fromStdString(path));
    open(f, path);
    ByteText data;
    if (!f.isSequential()) data.resize(static_cast<size_t>(f.size()));
    qint64 got = 0;
    while (got < static_cast<qint64>(data.size())) {
        const qint64 n = f.read(data.data() + got, static_cast<qint64>(data.size()) - got);
        if (n <= 0) break;
        got += n;
    }
    data.resize(static_cast<size_t>(got));
    // A file that grew since its size was taken (or a pipe) is read to its end.
    char chunk[65536];
    for (qint64 n; (n = f.read(chunk, sizeof chunk)) > 0;) {
        if (static_cast<long long>(data.size()) + n > kMaxFileBytes) throw tooLarge(path);
        data.append(chunk, static_cast<size_t>(n));
    }
    if (f.error() != QFileDevice::NoError) throw JaxoError(errors::cannotOpen(path));
    return data;
}

void LineStore::loadFile(const std::string& path, Check check) {
    const ByteText data = readFile(path);
    if (check == Check::Gb18030) {
        const long long bad = bytes::firstInvalidGb18030(data);
        if (bad >= 0) throw JaxoError(errors::damaged(path, bad));
    }
    loadText(data);
}

QString LineStore::practiceProblem(const std::string& path, long long maxLineBytes) const {
    bool anything = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const ByteText& l = lines_[i];
        if (static_cast<long long>(l.size()) > maxLineBytes)
            return errors::damagedText(path, QStringLiteral("line %1 is %2 bytes long, more than a screen can show")
                                                 .arg(i + 1)
                                                 .arg(l.size()));
        anything = anything || l.find_first_not_of(" \t\f\v") != ByteText::npos;
    }
    return anything ? QString() : errors::damagedText(path, QStringLiteral("it holds no text to practise"));
}

ByteText LineStore::joinedText(ByteText in) {
    size_t lone = 0;  // breaks that are not CR LF: each grows by one byte
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n')
            ++i;
        else if (in[i] == '\r' || in[i] == '\n')
            ++lone;
    }
    if (lone == 0) return in;
    ByteText out;
    out.reserve(in.size() + lone);
    for (size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < in.size() && in[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

void LineStore::loadText(std::string_view in) {
    lines_.clear();
    ByteText current;
    bool pending = false;  // a line has begun that no break has ended yet
    for (size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < in.size() && in[i + 1] == '\n') ++i;
            lines_.push_back(std::move(current));
            current.clear();
            pending = false;
        } else {
            current.push_back(c);
            pending = true;
        }
    }
    if (pending) lines_.push_back(std::move(current));
    text_ = joinedText(ByteText(in));
}

void LineStore::appendLine(std::string_view line) {
    lines_.emplace_back(line);
    // After appending, the text always ends with a line break.
    if (!text_.empty() && !(text_.size() >= 2 && text_.compare(text_.size() - 2, 2, "\r\n") == 0)) text_ += "\r\n";
    text_ += line;
    text_ += "\r\n";
}

void LineStore::saveToFile(const std::string& path) const {
    QByteArray data;
    for (const auto& l : lines_) {
        data.append(l.data(), static_cast<qsizetype>(l.size()));
        data.append("\r\n", 2);
    }
    QString error;
    // A writable file in a folder that is not: written in place rather than refused.
    atomicwrite::Options options;
    options.directWriteFallback = true;
    if (!atomicwrite::write(QString::fromStdString(path), data, &error, options)) throw JaxoError(error);
}

ByteText LineStore::line(long long n) const {
    if (n < 0 || n >= static_cast<long long>(lines_.size())) return {};
    return lines_[static_cast<size_t>(n)];
}

int LineStore::find(std::string_view needle) const {
    const auto p = text_.find(needle);
    return p == ByteText::npos ? -1 : static_cast<int>(p);
}
