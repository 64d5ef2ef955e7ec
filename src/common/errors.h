#pragma once
// The error family of the program: an operation that fails throws JaxoError, the
// handler that ran it ends, and the error display shows its text.
#include <QString>
#include <stdexcept>

class JaxoError : public std::runtime_error {
public:
    explicit JaxoError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

namespace errors {
QString cannotOpen(const std::string& path);
QString cannotCreate(const std::string& path);
// A text file that is not valid GB18030; offset counts bytes from 0.
QString damaged(const std::string& path, long long offset);
// A text file that is valid but unfit for its use, with why.
QString damagedText(const std::string& path, const QString& why);
QString notAnInteger(const QString& text);
// The error display's text: a full stop is appended when the text is not empty and
// its last character sorts above the full stop.
QString displayText(const QString& text);
}  // namespace errors
