#include "widgets/releasesettler.h"

#include <QKeyEvent>

namespace {
// How long a release waits for the press that would make it a repeat.
constexpr int kWaitMs = 30;
}  // namespace

ReleaseSettler::ReleaseSettler(QObject* parent, std::function<void(long long id)> settle)
    : QObject(parent), settle_(std::move(settle)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kWaitMs);
    connect(&timer_, &QTimer::timeout, this, &ReleaseSettler::settleNow);
}

bool ReleaseSettler::continuesHeldKey(long long id, const QKeyEvent* press) {
    if (!pending_) return false;
    if (pending_->id == id && pending_->time == press->timestamp()) {
        pending_.reset();
        timer_.stop();
        return true;
    }
    settleNow();
    return false;
}

void ReleaseSettler::released(long long id, const QKeyEvent* release) {
    settleNow();
    if (release->nativeScanCode() != 0 && release->timestamp() != 0) {
        pending_ = Pending{id, release->timestamp()};
        timer_.start();
        return;
    }
    settle_(id);
}

void ReleaseSettler::settleNow() {
    if (!pending_) return;
    const long long id = pending_->id;
    pending_.reset();
    timer_.stop();
    settle_(id);
}
