#pragma once
// Narrow interfaces over the platform services, each with a real implementation in
// the program and a fake in the tests.
#include <QString>
#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds from a fixed origin on a clock that never goes back: setting the
    // time of day or a daylight-saving change leaves it alone.
    virtual std::int64_t msecs() = 0;
};

class Messages {
public:
    virtual ~Messages() = default;
    // The error display: caption "Jaxo4.00", error icon, OK. The text is shown as given;
    // callers pass it through errors::displayText.
    virtual void showError(const QString& text) = 0;
    // A Yes/No question without owner window and icon, No by default; true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    virtual void beep() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document in the desktop's default viewer; the result is only informative.
    virtual bool openDocument(const QString& path) = 0;
};
