#include "history/recorder.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTimer>

namespace history {

class Recorder::Worker : public QObject {
public:
    explicit Worker(Recorder& owner) : owner_(owner) {}

    void write(const Session& session) {
        pending_.append(session);
        drain();
    }

    // Writes what waits, oldest first. A store that cannot take rows now keeps them
    // here; they go in at the next session or the next retry, whichever comes first.
    void drain() {
        QStringList messages;
        if (!store_ || !store_->keeps()) store_ = Store::open(&messages);
        int written = 0;
        while (store_ && store_->keeps() && !pending_.isEmpty()) {
            Session& s = pending_.front();
            QString failure;
            if (store_->record(s, &failure)) {
                emit owner_.recorded(s.id);
                pending_.removeFirst();
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
        if (store_) setLocation(store_->location());
        if (pending_.isEmpty()) {
            retry_.reset();
            if (troubled_) {
                // One message when the outage ends, as there was one when it began.
                troubled_ = false;
                emit owner_.message(QStringLiteral("成绩记录恢复正常：暂存的%1次成绩已记入 %2").arg(written).arg(location()));
            } else if (!messages.isEmpty()) {
                emit owner_.message(messages.join(QLatin1Char('\n')));
            }
            return;
        }
        if (!troubled_) {
            troubled_ = true;
            messages.append(QStringLiteral("这%1次成绩先留在内存中，记录恢复后自动写入；在那之前退出本程序，它们就会丢失")
                                .arg(pending_.size()));
            emit owner_.message(messages.join(QLatin1Char('\n')));
        }
        if (!retry_) {
            retry_ = std::make_unique<QTimer>();
            retry_->setInterval(kRetryMs);
            QObject::connect(retry_.get(), &QTimer::timeout, this, [this] { drain(); });
            retry_->start();
        }
    }

    void close() {
        if (!pending_.isEmpty()) drain();
        retry_.reset();
        store_.reset();
    }

    QString location() const {
        QMutexLocker lock(&mutex_);
        return location_;
    }

private:
    static constexpr int kRetryMs = 30000;

    void setLocation(const QString& l) {
        QMutexLocker lock(&mutex_);
        location_ = l;
    }
    Recorder& owner_;
    std::unique_ptr<Store> store_;
    QList<Session> pending_;   // not yet in any store that keeps them
    bool troubled_ = false;    // an outage was reported and has not ended
    std::unique_ptr<QTimer> retry_;
    mutable QMutex mutex_;
    QString location_;
};

Recorder::Recorder(QObject* parent) : QObject(parent), worker_(new Worker(*this)) {
    thread_.setObjectName(QStringLiteral("history"));
    worker_->moveToThread(&thread_);
}

Recorder::~Recorder() {
    if (thread_.isRunning()) {
        QMetaObject::invokeMethod(worker_, [w = worker_] { w->close(); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    delete worker_;
}

void Recorder::record(const Session& session) {
    if (!thread_.isRunning()) thread_.start(QThread::LowPriority);
    QMetaObject::invokeMethod(worker_, [w = worker_, session] { w->write(session); }, Qt::QueuedConnection);
}

void Recorder::flush() {
    if (thread_.isRunning()) QMetaObject::invokeMethod(worker_, [] {}, Qt::BlockingQueuedConnection);
}

QString Recorder::location() const { return worker_->location(); }

}  // namespace history
