#include "history/recorder.h"

#include <QMutex>
#include <QMutexLocker>

namespace history {

class Recorder::Worker : public QObject {
public:
    explicit Worker(Recorder& owner) : owner_(owner) {}

    void write(Session session) {
        // Nothing could hold the history (no SQLite driver): said once, not tried again.
        if (noStore_) return;
        QStringList messages;
        if (!store_) store_ = Store::open(&messages);
        QString failure;
        bool ok = store_ && store_->record(session, &failure);
        if (!ok && store_ && store_->isClassServer()) {
            // The server went away: this session and the next ones go to the local file.
            messages.append(failure);
            store_ = Store::openFile(Store::localFile(), &messages);
            if (store_) messages.append(QStringLiteral("成绩改记在本机文件 %1").arg(store_->location()));
            ok = store_ && store_->record(session, &failure);
        }
        if (!store_) {
            // Not even a database in memory: practising goes on without a history.
            for (const QString& m : messages) emit owner_.message(m);
            noStore_ = true;
            return;
        }
        if (!ok) messages.append(failure);
        setLocation(store_->location());
        for (const QString& m : messages) emit owner_.message(m);
        if (ok) emit owner_.recorded(session.id);
    }
    void close() { store_.reset(); }

    QString location() const {
        QMutexLocker lock(&mutex_);
        return location_;
    }

private:
    void setLocation(const QString& l) {
        QMutexLocker lock(&mutex_);
        location_ = l;
    }
    Recorder& owner_;
    std::unique_ptr<Store> store_;
    bool noStore_ = false;
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
