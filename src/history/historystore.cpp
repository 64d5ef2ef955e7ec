#include "history/historystore.h"

#include "history/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

#include <atomic>
#include <pwd.h>
#include <unistd.h>

namespace history {

namespace {

using schema::Engine;

QString connectionName() {
    static std::atomic<int> n{0};
    return QStringLiteral("jaxo-history-%1").arg(++n);
}

// ISO 8601 with the offset spelt out, also for UTC.
QString isoLocal(const QDateTime& t) {
    const QDateTime local = t.toLocalTime();
    const int off = local.offsetFromUtc();
    const int a = off < 0 ? -off : off;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (off < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2").arg(a / 3600, 2, 10, QLatin1Char('0')).arg(a % 3600 / 60, 2, 10, QLatin1Char('0'));
}

// A null QString binds as NULL; the text columns take empty text instead.
QVariant text(const QString& s) { return s.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(s); }

class SqlStore : public Store {
public:
    SqlStore(const QString& connection, Engine engine, const QString& location)
        : connection_(connection), engine_(engine), location_(location), learner_(learnerName()) {}
    ~SqlStore() override {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
    }
    QSqlDatabase& db() { return db_; }
    void setDb(const QSqlDatabase& db) { db_ = db; }

    QString location() const override { return location_; }
    bool isClassServer() const override { return engine_ == Engine::Postgres; }

    bool record(Session& s, QString* message) override {
        if (s.learner.isEmpty()) s.learner = learner_;
        QSqlQuery q(db_);
        auto fail = [&](const QSqlQuery& failed) {
            if (message)
                *message = QStringLiteral("成绩没有记入 %1：%2").arg(location_, failed.lastError().text());
            QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
            return false;
        };
        // IMMEDIATE: take the write lock (waiting out another copy) before anything is written.
        if (!q.exec(engine_ == Engine::Sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN")))
            return fail(q);
        q.prepare(QStringLiteral("INSERT INTO sessions (started_at, kind, title, typed, right_count, wrong_count, "
                                 "seconds, per_minute, rating, learner) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
        for (const QVariant& v : {text(isoLocal(s.startedAt)), text(s.kind), text(s.title), QVariant(s.typed),
                                  QVariant(s.right), QVariant(s.wrong), QVariant(s.seconds), QVariant(s.perMinute),
                                  text(s.rating), text(s.learner)})
            q.addBindValue(v);
        if (!q.exec() || !q.next()) return fail(q);
        const qint64 id = q.value(0).toLongLong();
        q.finish();
        if (!s.misses.isEmpty()) {
            QSqlQuery m(db_);
            m.prepare(QStringLiteral("INSERT INTO misses (session_id, unit, expected, typed, count) VALUES (?, ?, ?, ?, ?)"));
            for (const Miss& miss : s.misses) {
                m.addBindValue(id);
                m.addBindValue(text(miss.unit));
                m.addBindValue(text(miss.expected));
                m.addBindValue(text(miss.typed));
                m.addBindValue(miss.count);
                if (!m.exec()) return fail(m);
            }
        }
        if (!q.exec(QStringLiteral("COMMIT"))) return fail(q);
        s.id = id;
        return true;
    }

    QList<Session> sessions(const QString& kind, bool wholeClass, int limit) const override {
        QString sql = QStringLiteral("SELECT id, started_at, kind, title, typed, right_count, wrong_count, seconds, "
                                     "per_minute, rating, learner FROM sessions WHERE 1 = 1");
        if (!kind.isEmpty()) sql += QStringLiteral(" AND kind = ?");
        const bool mine = isClassServer() && !wholeClass;
        if (mine) sql += QStringLiteral(" AND learner = ?");
        sql += QStringLiteral(" ORDER BY id DESC");
        if (limit > 0) sql += QStringLiteral(" LIMIT %1").arg(limit);
        QSqlQuery q(db_);
        q.setForwardOnly(true);
        q.prepare(sql);
        if (!kind.isEmpty()) q.addBindValue(kind);
        if (mine) q.addBindValue(learner_);
        QList<Session> out;
        if (!q.exec()) return out;
        while (q.next()) {
            Session s;
            s.id = q.value(0).toLongLong();
            s.startedAt = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
            s.kind = q.value(2).toString();
            s.title = q.value(3).toString();
            s.typed = q.value(4).toInt();
            s.right = q.value(5).toInt();
            s.wrong = q.value(6).toInt();
            s.seconds = q.value(7).toInt();
            s.perMinute = q.value(8).toInt();
            s.rating = q.value(9).toString();
            s.learner = q.value(10).toString();
            out.append(s);
        }
        return out;
    }

    QList<Miss> misses(qint64 sessionId) const override {
        QSqlQuery q(db_);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT unit, expected, typed, count FROM misses WHERE session_id = ? "
                                 "ORDER BY count DESC, unit, expected, typed"));
        q.addBindValue(sessionId);
        QList<Miss> out;
        if (!q.exec()) return out;
        while (q.next()) out.append(Miss{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt()});
        return out;
    }

    QList<MissTally> topMisses(const QString& unit, int recentSessions, int limit) const override {
        QString recent = QStringLiteral("SELECT id FROM sessions");
        if (isClassServer()) recent += QStringLiteral(" WHERE learner = ?");
        recent += QStringLiteral(" ORDER BY id DESC LIMIT %1").arg(qMax(recentSessions, 0));
        QString sql = QStringLiteral("SELECT expected, SUM(count) AS n FROM misses WHERE unit = ? AND session_id IN (%1) "
                                     "GROUP BY expected ORDER BY n DESC, expected")
                          .arg(recent);
        if (limit > 0) sql += QStringLiteral(" LIMIT %1").arg(limit);
        QSqlQuery q(db_);
        q.setForwardOnly(true);
        q.prepare(sql);
        q.addBindValue(unit);
        if (isClassServer()) q.addBindValue(learner_);
        QList<MissTally> out;
        if (!q.exec()) return out;
        while (q.next()) out.append(MissTally{unit, q.value(0).toString(), q.value(1).toInt()});
        return out;
    }

private:
    QString connection_;
    Engine engine_;
    QString location_;
    QString learner_;
    // mutable: Qt's query API takes the connection by value but the store's readers are const.
    mutable QSqlDatabase db_;
};

struct Attempt {
    std::unique_ptr<SqlStore> store;
    QString error;
    bool damaged = false;  // the file itself is at fault, not a lock or the folder
};

// SQLite's primary result codes that mean the file cannot serve as a database.
bool damageCode(const QSqlError& e) {
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 10 /* IOERR */ || code == 11 /* CORRUPT */ || code == 14 /* CANTOPEN */ ||
                  code == 26 /* NOTADB */);
}

// Opens, checks and migrates one SQLite file; false with the reason when it cannot serve.
bool openSqlite(QSqlDatabase& db, const QString& path, QString* error, bool* damaged) {
    auto fail = [&](const QSqlError& e, bool isDamage) {
        *error = e.text();
        *damaged = isDamage;
        return false;
    };
    if (!db.isValid()) return fail(db.lastError(), false);
    db.setDatabaseName(path);
    // Another running copy may hold the write lock for a moment: wait for it.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    const bool existed = QFileInfo::exists(path);
    if (!db.open()) return fail(db.lastError(), existed && damageCode(db.lastError()));
    QSqlQuery q(db);
    // WAL: readers and one writer at a time, across processes; NORMAL keeps every
    // committed session whole and skips a sync per commit.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON"})
        if (!q.exec(QString::fromLatin1(pragma))) return fail(q.lastError(), existed && damageCode(q.lastError()));
    if (existed) {
        if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next())
            return fail(q.lastError(), damageCode(q.lastError()));
        if (q.value(0).toString() != QLatin1String("ok")) {
            *error = q.value(0).toString();
            *damaged = true;
            return false;
        }
    }
    q.finish();
    if (!schema::migrate(db, Engine::Sqlite, schema::kCurrent, error)) {
        // A file whose tables are not ours cannot be migrated either: set it aside too.
        *damaged = existed && !error->contains(QLatin1String("locked"));
        return false;
    }
    return true;
}

Attempt trySqlite(const QString& path) {
    Attempt a;
    const QString name = connectionName();
    a.store = std::make_unique<SqlStore>(name, Engine::Sqlite, path);
    a.store->setDb(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name));
    if (!openSqlite(a.store->db(), path, &a.error, &a.damaged)) a.store.reset();
    return a;
}

QString setAsidePath(const QString& path) {
    const QString base = path + QStringLiteral(".damaged-") + QDate::currentDate().toString(Qt::ISODate);
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate); ++n) candidate = base + QStringLiteral("-%1").arg(n);
    return candidate;
}

}  // namespace

QString Store::localFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/jaxo/history.sqlite");
}

QString Store::learnerName() {
    if (const passwd* pw = getpwuid(geteuid())) return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

std::unique_ptr<Store> Store::openFile(const QString& path, QStringList* messages) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    Attempt a = trySqlite(path);
    if (a.store) return std::move(a.store);
    QString problem = a.error;
    if (a.damaged) {
        // Kept, not deleted: whatever can still be read stays readable by other tools.
        const QString aside = setAsidePath(path);
        if (QFile::rename(path, aside)) {
            for (const char* side : {"-wal", "-shm"}) {
                const QString from = path + QLatin1String(side);
                if (QFileInfo::exists(from) && !QFile::rename(from, aside + QLatin1String(side))) QFile::remove(from);
            }
            if (messages)
                messages->append(QStringLiteral("成绩记录文件 %1 已损坏或无法读取（%2），已改名为 %3，另建了一个新的记录文件")
                                     .arg(path, a.error, aside));
            a = trySqlite(path);
            if (a.store) return std::move(a.store);
            problem = a.error;
        }
    }
    // Nothing on disk can take the history: keep this run's sessions in memory.
    if (messages)
        messages->append(QStringLiteral("成绩记录文件 %1 无法使用（%2），本次运行的成绩不会保存").arg(path, problem));
    Attempt m = trySqlite(QStringLiteral(":memory:"));
    if (!m.store && messages) messages->append(QStringLiteral("成绩记录无法保存：%1").arg(m.error));
    return std::move(m.store);
}

std::unique_ptr<Store> Store::openServer(const QString& url, QString* error) {
    auto fail = [&](const QString& why) -> std::unique_ptr<Store> {
        if (error) *error = why;
        return nullptr;
    };
    QUrl u(url);
    if (!u.isValid() || (u.scheme() != QLatin1String("postgresql") && u.scheme() != QLatin1String("postgres")))
        return fail(QStringLiteral("不是 postgresql:// 地址"));
    QUrl shown = u;
    shown.setPassword({});
    const QString name = connectionName();
    auto store = std::make_unique<SqlStore>(name, Engine::Postgres, shown.toString());
    store->setDb(QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name));
    QSqlDatabase& db = store->db();
    if (!db.isValid()) return fail(QStringLiteral("没有 PostgreSQL 驱动（QPSQL）"));
    const QUrlQuery query(u);
    // A socket folder in ?host= wins: libpq takes a host that starts with "/" as one.
    const QString host = query.hasQueryItem(QStringLiteral("host")) ? query.queryItemValue(QStringLiteral("host")) : u.host();
    if (!host.isEmpty()) db.setHostName(host);
    int port = u.port(-1);
    if (query.hasQueryItem(QStringLiteral("port"))) port = query.queryItemValue(QStringLiteral("port")).toInt();
    if (port > 0) db.setPort(port);
    db.setUserName(u.userName().isEmpty() ? learnerName() : u.userName());
    if (!u.password().isEmpty()) db.setPassword(u.password());
    const QString dbName = u.path().mid(1);
    db.setDatabaseName(dbName.isEmpty() ? db.userName() : dbName);
    db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    if (!db.open()) return fail(db.lastError().text());
    // Notices ("already exists, skipping") are not for the learner's terminal.
    QSqlQuery(db).exec(QStringLiteral("SET client_min_messages TO warning"));
    QString why;
    if (!schema::migrate(store->db(), Engine::Postgres, schema::kCurrent, &why)) return fail(why);
    return store;
}

std::unique_ptr<Store> Store::open(QStringList* messages) {
    const QString url = qEnvironmentVariable("JAXO_HISTORY_URL");
    if (!url.isEmpty()) {
        QString why;
        if (auto server = openServer(url, &why)) return server;
        QUrl shown(url);
        shown.setPassword({});
        if (messages)
            messages->append(QStringLiteral("无法连接成绩记录服务器 %1（%2），成绩改记在本机文件 %3")
                                 .arg(shown.toString(), why.trimmed(), localFile()));
    }
    return openFile(localFile(), messages);
}

}  // namespace history
