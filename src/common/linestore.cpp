#include "common/linestore.h"

#include "common/atomicwrite.h"
#include "common/errors.h"

#include <QFile>

void LineStore::clear() {
    text_.clear();
    lines_.clear();
}

void LineStore::loadFile(const std::string& path, Check check) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) throw JaxoError(errors::cannotOpen(path));
    if (f.size() > kMaxFileBytes)
        throw JaxoError(QStringLiteral("File %1 is too large").arg(QString::fromStdString(path)));
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) throw JaxoError(errors::cannotOpen(path));
    if (check == Check::Gb18030) {
        const long long bad = bytes::firstInvalidGb18030(std::string_view(data.constData(), static_cast<size_t>(data.size())));
        if (bad >= 0) throw JaxoError(errors::damaged(path, bad));
    }
    loadText(std::string_view(data.constData(), static_cast<size_t>(data.size())));
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
    const bool finalBreak = !in.empty() && (in.back() == '\n' || in.back() == '\r');
    text_.clear();
    text_.reserve(in.size() + lines_.size());
    for (size_t i = 0; i < lines_.size(); ++i) {
        text_ += lines_[i];
        if (i + 1 < lines_.size() || finalBreak) text_ += "\r\n";
    }
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
