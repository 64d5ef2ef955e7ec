#include "history/recorder.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <QThread>
#include <QTimer>
#include <QUuid>

#include <algorithm>

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
        if (serverDown_) reconnect(messages);
        if (!store_ || !store_->keeps()) openStore(messages);
        int written = 0;
        while (store_ && store_->keeps()) {
            Session s;
            {
                QMutexLocker lock(&shared_->mutex);
                if (shared_->orphaned || shared_->pending.isEmpty()) break;
                s = shared_->pending.front();
            }
            // Recorded here while the server is away: sent there when it is back.
            if (serverDown_) s.outbox = shown_;
            QString failure;
            if (store_->record(s, &failure)) {
                QMutexLocker lock(&shared_->mutex);
                if (shared_->orphaned) return;
                shared_->pending.removeFirst();
                emit shared_->owner->recorded(s.id);
                ++written;
                continue;
            }
            if (store_->isClassServer())
                serverLost(failure, messages);
            else {
                messages.append(failure);
                store_.reset();  // opened afresh at the next try
            }
        }
        QMutexLocker lock(&shared_->mutex);
        if (shared_->orphaned) return;
        if (store_) shared_->location = store_->location();
        if (shared_->pending.isEmpty()) {
            if (!serverDown_ && retry_) retry_->stop();
            if (troubled_) {
                // One message when the outage ends, as there was one when it began.
                troubled_ = false;
                messages.append(QCoreApplication::translate("history", "成绩记录恢复正常：暂存的%1次成绩已记入 %2").arg(written).arg(shared_->location));
            }
            if (!messages.isEmpty()) emit shared_->owner->message(messages.join(QLatin1Char('\n')));
            return;
        }
        if (!troubled_) {
            troubled_ = true;
            messages.append(QCoreApplication::translate("history", "这%1次成绩先留在内存中，记录恢复后自动写入；在那之前退出本程序，它们就会丢失")
                                .arg(shared_->pending.size()));
            emit shared_->owner->message(messages.join(QLatin1Char('\n')));
        }
        retryIn(kRetryMs);
    }

    // The retry timer: a lost server is tried again with a growing pause.
    void retry() {
        QStringList messages;
        if (serverDown_) reconnect(messages);
        if (!messages.isEmpty()) {
            QMutexLocker lock(&shared_->mutex);
            if (shared_->orphaned) return;
            emit shared_->owner->message(messages.join(QLatin1Char('\n')));
        }
        drain();
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
    static constexpr int kFirstReconnectMs = 5000, kLastReconnectMs = 300000;

    void openStore(QStringList& messages) {
        if (url_.isNull()) {
            url_ = qEnvironmentVariable("JAXO_HISTORY_URL", QLatin1String(""));
            shown_ = Store::shownAddress(url_);
        }
        if (!url_.isEmpty() && !serverDown_) {
            QString why;
            store_ = Store::openServer(url_, &why);
            if (store_) return;
            serverLost(why, messages);
            return;
        }
        store_ = Store::openFile(Store::localFile(), &messages);
    }

    // The server is away: rows go to the local file until it is back. Said once an outage.
    void serverLost(const QString& why, QStringList& messages) {
        serverDown_ = true;
        store_ = Store::openFile(Store::localFile(), &messages);
        if (!outageSaid_) {
            outageSaid_ = true;
            messages.append(QCoreApplication::translate("history", "无法连接成绩记录服务器 %1（%2），成绩先记在本机文件 %3，服务器恢复后自动补送")
                                .arg(shown_, why.trimmed(), Store::localFile()));
        }
        if (backoffMs_ == 0) backoffMs_ = kFirstReconnectMs;
        retryIn(backoffMs_);
    }

    // Tries the server again; when it answers, the rows the local file holds for it are
    // sent, each once (the server keeps a session's uid only once), then the new ones.
    void reconnect(QStringList& messages) {
        QString why;
        std::unique_ptr<Store> server = Store::openServer(url_, &why);
        if (!server) {
            backoffMs_ = std::min(backoffMs_ * 2, kLastReconnectMs);
            retryIn(backoffMs_);
            return;
        }
        std::unique_ptr<Store> local = Store::openFile(Store::localFile());
        int sent = 0;
        for (Session& s : local ? local->awaiting(shown_) : QList<Session>()) {
            s.outbox.clear();
            if (!server->record(s, &why) || !local->delivered(s.uid)) {
                retryIn(backoffMs_);
                return;
            }
            ++sent;
        }
        serverDown_ = false;
        outageSaid_ = false;
        backoffMs_ = 0;
        store_ = std::move(server);
        messages.append(sent > 0 ? QCoreApplication::translate("history", "成绩记录服务器 %1 恢复连接：本机暂存的%2次成绩已补送").arg(shown_).arg(sent)
                                 : QCoreApplication::translate("history", "成绩记录服务器 %1 恢复连接").arg(shown_));
    }

    void retryIn(int ms) {
        if (!retry_) {
            retry_ = std::make_unique<QTimer>();
            retry_->setSingleShot(true);
            QObject::connect(retry_.get(), &QTimer::timeout, this, [this] { retry(); });
        }
        if (!retry_->isActive() || retry_->remainingTime() > ms) retry_->start(ms);
    }

    QString url_;    // JAXO_HISTORY_URL, read at the first session
    QString shown_;  // the same without its password
    bool serverDown_ = false;
    bool outageSaid_ = false;
    int backoffMs_ = 0;

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
    // Still in use by that thread: kept where a leak check finds them, in a list that
    // is never destroyed (a static list would be emptied at exit, before the check).
    static auto* leftBehind = new QList<std::pair<QThread*, Worker*>>;
    leftBehind->append({thread_, worker_});
    if (unsent.isEmpty()) return;
    if (std::unique_ptr<Store> local = Store::openFile(Store::localFile()); local && local->keeps())
        for (Session& s : unsent) local->record(s);
}

void Recorder::record(const Session& session) {
    {
        QMutexLocker lock(&shared_->mutex);
        shared_->pending.append(session);
        if (shared_->pending.back().uid.isEmpty())
            shared_->pending.back().uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
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
