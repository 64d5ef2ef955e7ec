#pragma once
// X repeats a held key as a release and a press with one timestamp, and the toolkit flags
// only some of these pairs as repeats. A release from the keyboard is therefore settled
// a moment later, unless the press that continues it arrives first; a synthesised
// release (no scan code or timestamp) is settled at once.
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QKeyEvent;

class ReleaseSettler : public QObject {
public:
    // settle(id) runs for each release that ended a key stroke.
    ReleaseSettler(QObject* parent, std::function<void(long long id)> settle);

    // A key went down: true when it continues a pending release of the same key (the key
    // is still held); otherwise a pending release is settled first and false returned.
    bool continuesHeldKey(long long id, const QKeyEvent* press);
    // A key was released.
    void released(long long id, const QKeyEvent* release);
    // Settles a pending release at once (the exercise ends).
    void settleNow();

private:
    struct Pending {
        long long id;
        unsigned long time;
    };
    std::function<void(long long)> settle_;
    std::optional<Pending> pending_;
    QTimer timer_;
};
