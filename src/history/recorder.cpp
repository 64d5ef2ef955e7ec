#include "history/recorder.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <QThread>
#include <QTimer>

namespace history {

// What the program's thread and the recorder's share: the rows not yet written, so
// that none is lost when the recorder's thread is held up at the end.
struct Recorder::Shared {
    QMutex mutex;
    QList<Session> pending;  // oldest first; the first one may be being written
    bool orphaned = false;   // the Recorder is gone: say nothing, write nothing more
    QString location;
    Recorder* owner = nullptr;
};

class Recorder::Worker : public QObject {
public:
    explicit Worker(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

    // Writes what waits, oldest first. A store that cannot take rows now keeps them
    // waiting; they go in at the next session or the next retry, whichever comes first.
    void drain() {
        QStringList messages;
        if (!store_ || !store_->keeps()) store_ = Store::open(&messages);
        int written = 0;
        while (store_ && store_->keeps()) {
            Session s;
            {
                QMutexLocker lock(&shared_->mutex);
                if (shared_->orphaned || shared_->pending.isEmpty()) break;
                s = shared_->pending.front();
            }
            QString failure;
            if (store_->record(s, &failure)) {
                QMutexLocker lock(&shared_->mutex);
                if (shared_->orphaned) return;
                shared_->pending.removeFirst();
                emit shared_->owner->recorded(s.id);
                ++written;
                continue;
            }
            messages.append(failure);
            if (store_->isClassServer()) {
                // The server went away: this session and the next ones go to the local file.
                store_ = Store::openFile(Store::localFile(), &messages);
                if (store_ && store_->keeps()) messages.append(QStringLiteral("成绩改记在本机文件 %1").arg(store_->location()));
            } else {
                store_.reset();  // opened afresh at the next try
            }
        }
        QMutexLocker lock(&shared_->mutex);
        if (shared_->orphaned) return;
        if (store_) shared_->location = store_->location();
        if (shared_->pending.isEmpty()) {
            retry_.reset();
            if (troubled_) {
                // One message when the outage ends, as there was one when it began.
                troubled_ = false;
                emit shared_->owner->message(
                    QStringLiteral("成绩记录恢复正常：暂存的%1次成绩已记入 %2").arg(written).arg(shared_->location));
            } else if (!messages.isEmpty()) {
                emit shared_->owner->message(messages.join(QLatin1Char('\n')));
            }
            return;
        }
        if (!troubled_) {
            troubled_ = true;
            messages.append(QStringLiteral("这%1次成绩先留在内存中，记录恢复后自动写入；在那之前退出本程序，它们就会丢失")
                                .arg(shared_->pending.size()));
            emit shared_->owner->message(messages.join(QLatin1Char('\n')));
        }
        if (!retry_) {
            retry_ = std::make_unique<QTimer>();
            retry_->setInterval(kRetryMs);
            QObject::connect(retry_.get(), &QTimer::timeout, this, [this] { drain(); });
            retry_->start();
        }
    }

    void close() {
        bool waiting = false;
        {
            QMutexLocker lock(&shared_->mutex);
            waiting = !shared_->pending.isEmpty() && !shared_->orphaned;
        }
        if (waiting) drain();
        retry_.reset();
        store_.reset();
    }

private:
    static constexpr int kRetryMs = 30000;

    std::shared_ptr<Shared> shared_;
    std::unique_ptr<Store> store_;
    bool troubled_ = false;  // an outage was reported and has not ended
    std::unique_ptr<QTimer> retry_;
};

Recorder::Recorder(QObject* parent)
    : QObject(parent), shared_(std::make_shared<Shared>()), thread_(new QThread), worker_(new Worker(shared_)) {
    shared_->owner = this;
    thread_->setObjectName(QStringLiteral("history"));
    worker_->moveToThread(thread_);
}

Recorder::~Recorder() {
    if (!thread_->isRunning()) {
        delete worker_;
        delete thread_;
        return;
    }
    QMetaObject::invokeMethod(worker_, [w = worker_] { w->close(); }, Qt::QueuedConnection);
    thread_->quit();
    if (thread_->wait(kCloseWaitMs)) {
        delete worker_;
        delete thread_;
        return;
    }
    // Held by a server that does not answer: what it has not written goes to the local
    // file, and the thread, told to write nothing more, ends with the program.
    QList<Session> unsent;
    {
        QMutexLocker lock(&shared_->mutex);
        shared_->orphaned = true;
        unsent.swap(shared_->pending);
    }
    if (unsent.isEmpty()) return;
    if (std::unique_ptr<Store> local = Store::openFile(Store::localFile()); local && local->keeps())
        for (Session& s : unsent) local->record(s);
}

void Recorder::record(const Session& session) {
    {
        QMutexLocker lock(&shared_->mutex);
        shared_->pending.append(session);
    }
    if (!thread_->isRunning()) thread_->start(QThread::LowPriority);
    QMetaObject::invokeMethod(worker_, [w = worker_] { w->drain(); }, Qt::QueuedConnection);
}

void Recorder::flush() {
    if (thread_->isRunning()) QMetaObject::invokeMethod(worker_, [] {}, Qt::BlockingQueuedConnection);
}

bool Recorder::flush(int timeoutMs) {
    if (!thread_->isRunning()) return true;
    auto done = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(worker_, [done] { done->release(); }, Qt::QueuedConnection);
    return done->tryAcquire(1, timeoutMs);
}

QString Recorder::location() const {
    QMutexLocker lock(&shared_->mutex);
    return shared_->location;
}

}  // namespace history
