#include "history/classreader.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#include <functional>
#include <future>
#include <optional>

namespace history {
namespace {

// The server's store lives on its own thread (a connection serves only the thread
// that opened it); the window's thread asks and waits no longer than its patience.
class PatientStore : public Store {
public:
    PatientStore(const QString& url, int patienceMs)
        : patience_(patienceMs), shown_(shownAddress(url)), local_(openFile(localFile())),
          host_(std::make_shared<Host>()), thread_(new QThread) {
        thread_->setObjectName(QStringLiteral("history-reader"));
        // The server is let go on its own thread as that thread ends, and the rest with
        // the thread object: nothing waits in a queue that would never be read.
        QObject::connect(thread_, &QThread::finished, [h = host_] { h->server.reset(); });
        QObject::connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
        host_->object.moveToThread(thread_);
        thread_->start(QThread::LowPriority);
        const std::optional<QString> opened = ask<QString>([url](Host& h) {
            QString why;
            h.server = openServer(url, &why);
            return h.server ? QString() : why.trimmed();
        });
        if (!opened)
            note_ = QCoreApplication::translate("history", "成绩记录服务器 %1 正在连接，还没有回应").arg(shown_);
        else if (!opened->isEmpty())
            note_ = QCoreApplication::translate("history", "无法连接成绩记录服务器 %1（%2）").arg(shown_, *opened);
        else
            up_ = true;
    }
    ~PatientStore() override {
        // Not waited for: a thread held by a silent server goes when it is let go, or
        // with the program.
        thread_->quit();
        if (!thread_->isFinished()) {
            // Deleted once finished; until then kept where a leak check finds it, in a
            // list that is never destroyed (a static list is emptied before the check).
            static auto* leftBehind = new QList<QPointer<QThread>>;
            leftBehind->append(thread_);
        }
    }

    QString location() const override { return serving() ? shown_ : local_->location(); }
    bool isClassServer() const override { return serving(); }
    bool keeps() const override { return false; }
    QString problem() const override {
        if (serving()) {
            if (const auto p = ask<QString>([](Host& h) { return h.server->problem(); })) return *p;
        }
        QStringList parts{QCoreApplication::translate("history", "%1；这里先显示本机文件里的记录，学员 %2").arg(note_, learnerName())};
        if (const QString p = local_->problem(); !p.isEmpty()) parts << p;
        return parts.join(QLatin1Char('\n'));
    }
    bool record(Session&, QString* message) override {
        if (message) *message = QCoreApplication::translate("history", "成绩记录窗口只读取，不写入");
        return false;
    }
    QList<Session> sessions(const QString& kind, bool wholeClass, int limit) const override {
        if (serving())
            if (auto r = ask<QList<Session>>([=](Host& h) { return h.server->sessions(kind, wholeClass, limit); })) return *r;
        return local_->sessions(kind, false, limit);
    }
    QList<qint64> sessionIds(const QString& kind, bool wholeClass) const override {
        if (serving())
            if (auto r = ask<QList<qint64>>([=](Host& h) { return h.server->sessionIds(kind, wholeClass); })) return *r;
        return local_->sessionIds(kind, false);
    }
    QList<Session> sessionsById(const QList<qint64>& ids) const override {
        if (serving())
            if (auto r = ask<QList<Session>>([=](Host& h) { return h.server->sessionsById(ids); })) return *r;
        return local_->sessionsById(ids);
    }
    QList<ChartPoint> chartPoints(const QString& kind, bool wholeClass, int perSession) const override {
        if (serving())
            if (auto r = ask<QList<ChartPoint>>([=](Host& h) { return h.server->chartPoints(kind, wholeClass, perSession); }))
                return *r;
        return local_->chartPoints(kind, false, perSession);
    }
    QList<Miss> misses(qint64 sessionId) const override {
        if (serving())
            if (auto r = ask<QList<Miss>>([=](Host& h) { return h.server->misses(sessionId); })) return *r;
        return local_->misses(sessionId);
    }
    QList<MissTally> topMisses(const QString& unit, int recentSessions, int limit,
                               const QString& scheme = QString()) const override {
        if (serving())
            if (auto r = ask<QList<MissTally>>([=](Host& h) { return h.server->topMisses(unit, recentSessions, limit, scheme); }))
                return *r;
        return local_->topMisses(unit, recentSessions, limit, scheme);
    }

    QHash<QString, int> typedCounts(const QString& unit, int recentSessions, const QString& scheme) const override {
        if (serving())
            if (auto r = ask<QHash<QString, int>>([=](Host& h) { return h.server->typedCounts(unit, recentSessions, scheme); }))
                return *r;
        return local_->typedCounts(unit, recentSessions, scheme);
    }

    QList<ReviewItem> dueReviews(const QDate& day) const override {
        if (serving())
            if (auto r = ask<QList<ReviewItem>>([=](Host& h) { return h.server->dueReviews(day); })) return *r;
        return local_->dueReviews(day);
    }

private:
    struct Host {
        QObject object;
        std::unique_ptr<Store> server;
    };

    bool serving() const { return up_ && note_.isEmpty(); }

    // Runs f on the server's thread; nothing when the patience ran out, and from then on
    // the local file answers.
    template <typename R>
    std::optional<R> ask(std::function<R(Host&)> f) const {
        auto promise = std::make_shared<std::promise<R>>();
        std::future<R> answer = promise->get_future();
        QMetaObject::invokeMethod(
            &host_->object, [h = host_, f, promise] { promise->set_value(f(*h)); }, Qt::QueuedConnection);
        if (answer.wait_for(std::chrono::milliseconds(patience_)) == std::future_status::ready) return answer.get();
        note_ = QCoreApplication::translate("history", "成绩记录服务器 %1 在%2毫秒内没有回应").arg(shown_).arg(patience_);
        return std::nullopt;
    }

    int patience_;
    QString shown_;
    std::unique_ptr<Store> local_;
    std::shared_ptr<Host> host_;
    QThread* thread_;
    bool up_ = false;
    mutable QString note_;  // why the local file answers instead of the server
};

}  // namespace

std::unique_ptr<Store> openReader(int patienceMs) {
    const QString url = qEnvironmentVariable("JAXO_HISTORY_URL");
    if (url.isEmpty()) return Store::openFile(Store::localFile());
    return std::make_unique<PatientStore>(url, patienceMs);
}

}  // namespace history
