#include "history/historystore.h"

#include "common/atomicwrite.h"
#include "history/kinds.h"
#include "history/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QRegularExpression>
#include <QUrlQuery>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace history {

namespace {

using schema::Engine;

// A session as a chart point of its own.
ChartPoint pointOf(const Session& s) {
    const bool speed = hasSpeed(s.kind);
    return {s.startedAt, 1, speed ? 1 : 0, speed ? double(s.perMinute) : 0.0, s.typed, s.right};
}

// Oldest first, the earlier recorded first among equal starts (rows come newest id first).
void oldestFirst(QList<ChartPoint>& points) {
    std::reverse(points.begin(), points.end());
    std::stable_sort(points.begin(), points.end(), [](const ChartPoint& a, const ChartPoint& b) { return a.at < b.at; });
}

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
    // Reading only: a newer version's tables, an incomplete database, or a file that cannot be written now.
    void setReadOnly(const QString& why) {
        writable_ = false;
        openProblem_ = why;
    }
    // Nothing else could be opened: an empty database that takes no rows, only says why.
    void setInMemory(const QString& why) {
        inMemory_ = true;
        writable_ = false;
        openProblem_ = why;
    }
    void setLearner(const QString& learner) { learner_ = learner; }
    void setColumns(const schema::Found& found) {
        hasLearner_ = found.hasLearner;
        hasOutbox_ = found.hasOutbox;
        hasScheme_ = found.hasScheme;
        hasReviews_ = found.hasReviews;
        hasTallies_ = found.hasTallies;
    }

    QString location() const override { return location_; }
    bool isClassServer() const override { return engine_ == Engine::Postgres; }
    bool keeps() const override { return writable_ && !inMemory_; }
    QString problem() const override {
        QStringList parts;
        for (const QString& p : {openProblem_, readError_})
            if (!p.isEmpty()) parts << p;
        return parts.join(QLatin1Char('\n'));
    }

    bool record(Session& s, QString* message) override {
        if (s.learner.isEmpty()) s.learner = learner_;
        if (!writable_) {
            if (message) *message = QCoreApplication::translate("history", "成绩没有记入 %1：%2").arg(location_, openProblem_);
            return false;
        }
        QSqlQuery q(db_);
        auto fail = [&](const QSqlQuery& failed) {
            if (message)
                *message = QCoreApplication::translate("history", "成绩没有记入 %1：%2").arg(location_, failed.lastError().text());
            QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
            return false;
        };
        // IMMEDIATE: take the write lock (waiting out another copy) before anything is written.
        if (!q.exec(engine_ == Engine::Sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN")))
            return fail(q);
        // A session already there (sent before its answer was lost) is kept once.
        if (!q.prepare(QStringLiteral("INSERT INTO sessions (started_at, kind, title, typed, right_count, wrong_count, "
                                      "seconds, per_minute, rating, learner, uid, outbox%1) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?%2) ON CONFLICT (uid) DO NOTHING RETURNING id")
                           .arg(hasScheme_ ? QStringLiteral(", scheme") : QString(),
                                hasScheme_ ? QStringLiteral(", ?") : QString())))
            return fail(q);
        const auto nullable = [](const QString& t) { return t.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(t); };
        for (const QVariant& v : {text(isoLocal(s.startedAt)), text(s.kind), text(s.title), QVariant(s.typed),
                                  QVariant(s.right), QVariant(s.wrong), QVariant(s.seconds), QVariant(s.perMinute),
                                  text(s.rating), text(s.learner), nullable(s.uid), nullable(s.outbox)})
            q.addBindValue(v);
        if (hasScheme_) q.addBindValue(text(s.scheme));
        if (!q.exec()) return fail(q);
        const bool fresh = q.next();
        qint64 id = fresh ? q.value(0).toLongLong() : 0;
        q.finish();
        if (!fresh) {
            if (!q.prepare(QStringLiteral("SELECT id FROM sessions WHERE uid = ?"))) return fail(q);
            q.addBindValue(s.uid);
            if (!q.exec() || !q.next()) return fail(q);
            id = q.value(0).toLongLong();
            q.finish();
        }
        if (fresh && !s.misses.isEmpty()) {
            QSqlQuery m(db_);
            if (!m.prepare(QStringLiteral("INSERT INTO misses (session_id, unit, expected, typed, count) VALUES (?, ?, ?, ?, ?)")))
                return fail(m);
            for (const Miss& miss : s.misses) {
                m.addBindValue(id);
                m.addBindValue(text(miss.unit));
                m.addBindValue(text(miss.expected));
                m.addBindValue(text(miss.typed));
                m.addBindValue(miss.count);
                if (!m.exec()) return fail(m);
            }
        }
        if (fresh && hasTallies_ && !s.tallies.isEmpty()) {
            QSqlQuery t(db_);
            if (!t.prepare(QStringLiteral("INSERT INTO tallies (session_id, unit, item, count) VALUES (?, ?, ?, ?)")))
                return fail(t);
            for (const Tally& tally : s.tallies) {
                t.addBindValue(id);
                t.addBindValue(text(tally.unit));
                t.addBindValue(text(tally.item));
                t.addBindValue(tally.count);
                if (!t.exec()) return fail(t);
            }
        }
        if (QString why; fresh && hasReviews_ && !schedule(s, &why)) {
            if (message) *message = QStringLiteral("成绩没有记入 %1：%2").arg(location_, why);
            QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
        if (!q.exec(QStringLiteral("COMMIT"))) return fail(q);
        s.id = id;
        return true;
    }

    QList<ReviewItem> dueReviews(const QDate& day) const override {
        QList<ReviewItem> out;
        if (!hasReviews_) return out;
        QSqlQuery q(db_);
        if (!read(q,
                  QStringLiteral("SELECT unit, item, due, interval_days, ease, passes, lapses FROM reviews "
                                 "WHERE learner = ? AND due <= ? ORDER BY due, unit, item"),
                  {reviewer(), day.toString(Qt::ISODate)}))
            return out;
        while (q.next()) out.append(reviewFromRow(q));
        return out;
    }

    QList<Session> sessions(const QString& kind, bool wholeClass, int limit) const override {
        QString sql = QStringLiteral("SELECT id, started_at, kind, title, typed, right_count, wrong_count, seconds, "
                                     "per_minute, rating, %1, %2 FROM sessions WHERE 1 = 1")
                          .arg(hasLearner_ ? QStringLiteral("learner") : QStringLiteral("''"),
                               hasScheme_ ? QStringLiteral("scheme") : QStringLiteral("'wubi86'"));
        QVariantList binds;
        if (!kind.isEmpty()) {
            sql += QStringLiteral(" AND kind = ?");
            binds << kind;
        }
        if (isClassServer() && !wholeClass) {
            sql += QStringLiteral(" AND learner = ?");
            binds << learner_;
        }
        sql += QStringLiteral(" ORDER BY id DESC");
        if (limit > 0) sql += QStringLiteral(" LIMIT %1").arg(limit);
        QSqlQuery q(db_);
        QList<Session> out;
        if (!read(q, sql, binds)) return out;
        while (q.next()) {
            out.append(fromRow(q));
            out.last().scheme = q.value(11).toString();
        }
        return out;
    }

    QList<qint64> sessionIds(const QString& kind, bool wholeClass) const override {
        QVariantList binds;
        // The start as written sorts as the clock does within one zone offset.
        const QString sql = QStringLiteral("SELECT id FROM sessions WHERE %1 ORDER BY started_at DESC, id DESC")
                                .arg(filter(kind, wholeClass, binds));
        QSqlQuery q(db_);
        QList<qint64> out;
        if (!read(q, sql, binds)) return out;
        while (q.next()) out.append(q.value(0).toLongLong());
        return out;
    }

    QList<Session> sessionsById(const QList<qint64>& ids) const override {
        QList<Session> out;
        if (ids.isEmpty()) return out;
        QStringList list;
        for (qint64 id : ids) list << QString::number(id);
        QSqlQuery q(db_);
        if (!read(q,
                  QStringLiteral("SELECT id, started_at, kind, title, typed, right_count, wrong_count, seconds, "
                                 "per_minute, rating, %1 FROM sessions WHERE id IN (%2)")
                      .arg(hasLearner_ ? QStringLiteral("learner") : QStringLiteral("''"), list.join(QLatin1Char(','))),
                  {}))
            return out;
        QHash<qint64, Session> found;
        while (q.next()) {
            Session s = fromRow(q);
            found.insert(s.id, s);
        }
        for (qint64 id : ids)
            if (const auto it = found.constFind(id); it != found.constEnd()) out.append(*it);
        return out;
    }

    QList<ChartPoint> chartPoints(const QString& kind, bool wholeClass, int perSession) const override {
        QVariantList binds;
        const QString where = filter(kind, wholeClass, binds);
        QList<ChartPoint> out;
        QSqlQuery q(db_);
        if (!read(q, QStringLiteral("SELECT COUNT(*) FROM sessions WHERE %1").arg(where), binds) || !q.next()) return out;
        const bool perDay = q.value(0).toInt() > perSession;
        q = QSqlQuery(db_);
        if (!perDay) {
            if (!read(q,
                      QStringLiteral("SELECT started_at, kind, typed, right_count, per_minute FROM sessions WHERE %1 "
                                     "ORDER BY id DESC")
                          .arg(where),
                      binds))
                return out;
            while (q.next()) {
                Session s;
                s.startedAt = QDateTime::fromString(q.value(0).toString(), Qt::ISODate);
                s.kind = q.value(1).toString();
                s.typed = q.value(2).toInt();
                s.right = q.value(3).toInt();
                s.perMinute = q.value(4).toInt();
                out.append(pointOf(s));
            }
            oldestFirst(out);
            return out;
        }
        // The date as written is the learner's own day.
        QStringList noSpeed;
        for (const KindName& k : kindNames())
            if (!hasSpeed(k.kind)) noSpeed << QStringLiteral("'%1'").arg(k.kind);
        const QString speed = QStringLiteral("kind NOT IN (%1)").arg(noSpeed.join(QLatin1Char(',')));
        if (!read(q,
                  QStringLiteral("SELECT MAX(started_at), COUNT(*), SUM(CASE WHEN %1 THEN 1 ELSE 0 END), "
                                 "SUM(CASE WHEN %1 THEN per_minute ELSE 0 END), SUM(typed), SUM(right_count) "
                                 "FROM sessions WHERE %2 GROUP BY substr(started_at, 1, 10)")
                      .arg(speed, where),
                  binds))
            return out;
        while (q.next()) {
            const int speedSessions = q.value(2).toInt();
            out.append({QDateTime::fromString(q.value(0).toString(), Qt::ISODate), q.value(1).toInt(), speedSessions,
                        speedSessions ? q.value(3).toDouble() / speedSessions : 0.0, q.value(4).toInt(),
                        q.value(5).toInt()});
        }
        std::stable_sort(out.begin(), out.end(), [](const ChartPoint& a, const ChartPoint& b) { return a.at < b.at; });
        return out;
    }

    QList<Miss> misses(qint64 sessionId) const override {
        QSqlQuery q(db_);
        QList<Miss> out;
        if (!read(q,
                  QStringLiteral("SELECT unit, expected, typed, count FROM misses WHERE session_id = ? "
                                 "ORDER BY count DESC, unit, expected, typed"),
                  {sessionId}))
            return out;
        while (q.next()) out.append(Miss{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt()});
        return out;
    }

    QList<MissTally> topMisses(const QString& unit, int recentSessions, int limit,
                               const QString& scheme = QString()) const override {
        QVariantList binds{unit};
        const QString recent = recentIds(recentSessions, scheme, &binds);
        // Misses of sessions that counted the times asked are set against those times.
        const QString counted = hasTallies_ ? QStringLiteral("SUM(CASE WHEN EXISTS (SELECT 1 FROM tallies t WHERE "
                                                             "t.session_id = m.session_id) THEN m.count ELSE 0 END)")
                                            : QStringLiteral("0");
        QString sql = QStringLiteral("SELECT m.expected, SUM(m.count) AS n, %1 FROM misses m WHERE m.unit = ? "
                                     "AND m.session_id IN (%2) GROUP BY m.expected ORDER BY n DESC, m.expected")
                          .arg(counted, recent);
        if (limit > 0) sql += QStringLiteral(" LIMIT %1").arg(limit);
        QSqlQuery q(db_);
        QList<MissTally> out;
        if (!read(q, sql, binds)) return out;
        while (q.next()) out.append(MissTally{unit, q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt(), 0});
        if (out.isEmpty() || !hasTallies_) return out;
        const QHash<QString, int> typed = typedCounts(unit, recentSessions, scheme);
        for (MissTally& t : out) t.typed = typed.value(t.expected);
        return out;
    }

    QHash<QString, int> typedCounts(const QString& unit, int recentSessions, const QString& scheme) const override {
        QHash<QString, int> out;
        if (!hasTallies_) return out;
        QVariantList binds{unit};
        const QString sql = QStringLiteral("SELECT item, SUM(count) FROM tallies WHERE unit = ? AND session_id IN (%1) "
                                           "GROUP BY item")
                                .arg(recentIds(recentSessions, scheme, &binds));
        QSqlQuery q(db_);
        if (!read(q, sql, binds)) return out;
        while (q.next()) out.insert(q.value(0).toString(), q.value(1).toInt());
        return out;
    }

    QList<Session> awaiting(const QString& server) const override {
        QList<Session> out;
        if (!hasOutbox_) return out;
        QSqlQuery q(db_);
        if (!read(q,
                  QStringLiteral("SELECT id, started_at, kind, title, typed, right_count, wrong_count, seconds, "
                                 "per_minute, rating, learner, uid%1 FROM sessions WHERE outbox = ? ORDER BY id")
                      .arg(hasScheme_ ? QStringLiteral(", scheme") : QString()),
                  {server}))
            return out;
        while (q.next()) {
            Session s = fromRow(q);
            s.uid = q.value(11).toString();
            if (hasScheme_) s.scheme = q.value(12).toString();
            out.append(s);
        }
        for (Session& s : out) {
            s.misses = misses(s.id);
            s.tallies = talliesOf(s.id);
        }
        return out;
    }

    bool delivered(const QString& uid) override {
        QSqlQuery q(db_);
        if (!q.prepare(QStringLiteral("UPDATE sessions SET outbox = NULL WHERE uid = ?"))) return false;
        q.addBindValue(uid);
        return q.exec();
    }

private:
    QList<Tally> talliesOf(qint64 sessionId) const {
        QList<Tally> out;
        QSqlQuery q(db_);
        if (!hasTallies_ || !read(q, QStringLiteral("SELECT unit, item, count FROM tallies WHERE session_id = ?"), {sessionId}))
            return out;
        while (q.next()) out.append(Tally{q.value(0).toString(), q.value(1).toString(), q.value(2).toInt()});
        return out;
    }

    // The ids of this learner's last `count` sessions (of one scheme when named), as a
    // subquery; its binds are appended.
    QString recentIds(int count, const QString& scheme, QVariantList* binds) const {
        QString recent = QStringLiteral("SELECT id FROM sessions WHERE 1 = 1");
        if (isClassServer()) {
            recent += QStringLiteral(" AND learner = ?");
            *binds << learner_;
        }
        if (!scheme.isEmpty() && hasScheme_) {
            recent += QStringLiteral(" AND scheme = ?");
            *binds << scheme;
        }
        return recent + QStringLiteral(" ORDER BY id DESC LIMIT %1").arg(qMax(count, 0));
    }

    // A local file is one learner's; on a server each schedule row carries the login.
    QString reviewer() const { return isClassServer() ? learner_ : QString(QLatin1String("")); }

    static ReviewItem reviewFromRow(const QSqlQuery& q) {
        ReviewItem r;
        r.unit = q.value(0).toString();
        r.item = q.value(1).toString();
        r.due = QDate::fromString(q.value(2).toString(), Qt::ISODate);
        r.intervalDays = q.value(3).toInt();
        r.ease = q.value(4).toDouble();
        r.passes = q.value(5).toInt();
        r.lapses = q.value(6).toInt();
        return r;
    }

    static bool failedWith(QString* error, const QSqlQuery& q) {
        *error = q.lastError().text();
        return false;
    }

    // Moves the schedule of what the session missed and reviewed, in its transaction: a
    // judged review item by its result, any other miss of a reviewed unit as a failure
    // (once a day: missing it again the same day does not push it further back).
    bool schedule(const Session& s, QString* failed) {
        const QDate day = s.startedAt.toLocalTime().date();
        QList<ReviewResult> results = s.reviewed;
        for (const Miss& m : s.misses) {
            if (!reviewUnits().contains(m.unit) || m.expected.isEmpty()) continue;
            const bool judged = std::any_of(results.begin(), results.end(), [&](const ReviewResult& r) {
                return r.unit == m.unit && r.item == m.expected;
            });
            if (!judged) results.append({m.unit, m.expected, false});
        }
        for (qsizetype i = 0; i < results.size(); ++i) {
            const ReviewResult& r = results[i];
            const bool judged = i < s.reviewed.size();
            QSqlQuery q(db_);
            if (!q.prepare(QStringLiteral("SELECT unit, item, due, interval_days, ease, passes, lapses FROM reviews "
                                          "WHERE learner = ? AND unit = ? AND item = ?")))
                return failedWith(failed, q);
            for (const QVariant& v : {text(reviewer()), text(r.unit), text(r.item)}) q.addBindValue(v);
            if (!q.exec()) return failedWith(failed, q);
            ReviewItem next;
            if (q.next()) {
                const ReviewItem before = reviewFromRow(q);
                const bool missedToday = !r.passed && before.passes == 0 && before.due == day.addDays(1);
                if (missedToday && !judged) continue;
                next = scheduled(before, r.passed, day);
            } else {
                // Only a miss starts a schedule; a pass of an item no longer kept is nothing.
                if (r.passed) continue;
                next = firstMiss(r.unit, r.item, day);
            }
            q.finish();
            QSqlQuery w(db_);
            if (!w.prepare(QStringLiteral(
                    "INSERT INTO reviews (learner, unit, item, due, interval_days, ease, passes, lapses) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (learner, unit, item) DO UPDATE SET "
                    "due = excluded.due, interval_days = excluded.interval_days, ease = excluded.ease, "
                    "passes = excluded.passes, lapses = excluded.lapses")))
                return failedWith(failed, w);
            for (const QVariant& v : {text(reviewer()), text(next.unit), text(next.item), text(next.due.toString(Qt::ISODate)),
                                      QVariant(next.intervalDays), QVariant(next.ease), QVariant(next.passes),
                                      QVariant(next.lapses)})
                w.addBindValue(v);
            if (!w.exec()) return failedWith(failed, w);
        }
        return true;
    }

    // The rows sessions(kind, wholeClass) reads, as a condition with its binds.
    QString filter(const QString& kind, bool wholeClass, QVariantList& binds) const {
        QString where = QStringLiteral("1 = 1");
        if (!kind.isEmpty()) {
            where += QStringLiteral(" AND kind = ?");
            binds << kind;
        }
        if (isClassServer() && !wholeClass) {
            where += QStringLiteral(" AND learner = ?");
            binds << learner_;
        }
        return where;
    }

    static Session fromRow(const QSqlQuery& q) {
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
        return s;
    }

    // Prepares and runs one read; a failure is kept, with its cause, for problem().
    bool read(QSqlQuery& q, const QString& sql, const QVariantList& binds) const {
        q.setForwardOnly(true);
        bool ok = q.prepare(sql);
        if (ok) {
            for (const QVariant& v : binds) q.addBindValue(v);
            ok = q.exec();
        }
        if (!ok) readError_ = QCoreApplication::translate("history", "读取 %1 时出错：%2").arg(location_, q.lastError().text().trimmed());
        return ok;
    }

    QString connection_;
    Engine engine_;
    QString location_;
    QString learner_;
    bool writable_ = true;
    bool inMemory_ = false;
    bool hasLearner_ = true;
    bool hasOutbox_ = true;
    bool hasScheme_ = true;
    bool hasReviews_ = true;
    bool hasTallies_ = true;
    QString openProblem_;
    mutable QString readError_;
    // mutable: Qt's query API takes the connection by value but the store's readers are const.
    mutable QSqlDatabase db_;
};

// Why an attempt to open a file failed.
enum class Fault {
    None,
    Damage,   // SQLite proves the file is no database, or a damaged one: it may be set aside
    Trouble,  // the disk, the folder, permissions or a lock: the file is left alone
    Refused,  // tables of another program: never touched
};

struct Attempt {
    std::unique_ptr<SqlStore> store;
    QString error;
    Fault fault = Fault::None;
};

// SQLite's primary result codes that prove the file itself cannot serve as a database.
// Everything else (I/O errors, a full disk, permissions, locks) is trouble around it.
Fault faultOf(const QSqlError& e) {
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 11 /* CORRUPT */ || code == 26 /* NOTADB */) ? Fault::Damage : Fault::Trouble;
}

enum class Mode { ReadWrite, ReadOnly, Immutable };

// Opens and checks one SQLite file, then (read-write, and only when the file is ours)
// switches on WAL and migrates it. Nothing is written before the checks.
bool openSqlite(SqlStore& store, const QString& path, Mode mode, QString* error, Fault* fault) {
    QSqlDatabase& db = store.db();
    auto fail = [&](const QString& why, Fault f) {
        *error = why.trimmed();
        *fault = f;
        return false;
    };
    if (!db.isValid()) return fail(db.lastError().text(), Fault::Trouble);
    // Another running copy may hold the write lock for a moment: wait for it.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
    if (mode == Mode::ReadWrite) {
        db.setDatabaseName(path);
    } else {
        // Immutable: no -shm is needed, for a folder where none can be made.
        db.setDatabaseName(QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded()) +
                           (mode == Mode::ReadOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?immutable=1")));
        options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
    }
    db.setConnectOptions(options);
    if (!db.open()) return fail(db.lastError().text(), faultOf(db.lastError()));
    QSqlQuery q(db);
    const bool memory = path == QLatin1String(":memory:");
    if (!memory) {
        if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next())
            return fail(q.lastError().text(), faultOf(q.lastError()));
        if (q.value(0).toString() != QLatin1String("ok")) return fail(q.value(0).toString(), Fault::Damage);
        q.finish();
    }
    schema::Found found;
    QString why;
    if (!schema::inspect(db, Engine::Sqlite, &found, &why)) return fail(why, Fault::Trouble);
    if (found.state == schema::Found::NotOurs) return fail(found.why, Fault::Refused);
    store.setColumns(found);
    if (found.state == schema::Found::ReadOnly || found.state == schema::Found::Broken) {
        store.setReadOnly(QCoreApplication::translate("history", "成绩记录文件 %1：%2").arg(path, found.why));
        return true;
    }
    if (mode != Mode::ReadWrite) return true;
    // WAL: readers and one writer at a time, across processes; NORMAL keeps every
    // committed session whole and skips a sync per commit.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON"})
        if (!q.exec(QString::fromLatin1(pragma))) return fail(q.lastError().text(), faultOf(q.lastError()));
    if (!schema::migrate(db, Engine::Sqlite, schema::kCurrent, &why)) return fail(why, Fault::Trouble);
    store.setColumns(schema::Found{});
    if (!memory) {
        // The learner's own: no one else reads the history (nor its journal files).
        for (const char* side : {"", "-wal", "-shm"}) {
            const QString f = path + QLatin1String(side);
            if (QFileInfo::exists(f)) QFile::setPermissions(f, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
    return true;
}

Attempt trySqlite(const QString& path, Mode mode = Mode::ReadWrite) {
    Attempt a;
    const QString name = connectionName();
    a.store = std::make_unique<SqlStore>(name, Engine::Sqlite, path);
    a.store->setDb(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name));
    if (!openSqlite(*a.store, path, mode, &a.error, &a.fault)) a.store.reset();
    return a;
}

QString setAsidePath(const QString& path) {
    const QString base = path + QStringLiteral(".damaged-") + QDate::currentDate().toString(Qt::ISODate);
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate); ++n) candidate = base + QStringLiteral("-%1").arg(n);
    return candidate;
}

// An empty file is an empty database: made here first, so that it is the learner's
// alone from the start. False, with the reason, when the folder cannot take it.
bool makePrivateFile(const QString& path, QString* error) {
    if (!atomicwrite::makeFolder(QFileInfo(path).absolutePath(), error)) return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EEXIST) return true;
    *error = QString::fromLocal8Bit(strerror(errno));
    return false;
}

// A server address taken apart by hand: a password may hold any of ":@/#?", which a
// URL parser takes for the parts that follow.
struct ServerAddress {
    QString user, password, host, database;
    int port = -1;
    bool ok = false;
};

ServerAddress parseServer(const QString& url) {
    ServerAddress a;
    const qsizetype colon = url.indexOf(QLatin1String("://"));
    const QString scheme = url.left(colon);
    if (colon < 0 || (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres"))) return a;
    QString rest = url.mid(colon + 3);
    const qsizetype at = rest.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString userInfo = rest.left(at);
        const qsizetype split = userInfo.indexOf(QLatin1Char(':'));
        a.user = QUrl::fromPercentEncoding(userInfo.left(split).toUtf8());
        if (split >= 0) a.password = QUrl::fromPercentEncoding(userInfo.mid(split + 1).toUtf8());
        rest = rest.mid(at + 1);
    }
    const QUrl u(QStringLiteral("postgresql://") + rest);
    if (!u.isValid()) return a;
    const QUrlQuery query(u);
    a.host = query.hasQueryItem(QStringLiteral("host")) ? query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded)
                                                        : u.host();
    a.port = query.hasQueryItem(QStringLiteral("port")) ? query.queryItemValue(QStringLiteral("port")).toInt() : u.port(-1);
    if (query.hasQueryItem(QStringLiteral("user"))) a.user = query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded);
    if (query.hasQueryItem(QStringLiteral("password")))
        a.password = query.queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded);
    a.database = u.path().mid(1);
    a.ok = true;
    return a;
}

}  // namespace

QString Store::localFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/jaxo/history.sqlite");
}

QString Store::learnerName() {
    if (const passwd* pw = getpwuid(geteuid())) return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

QString Store::shownAddress(const QString& url) {
    const ServerAddress a = parseServer(url);
    if (!a.ok) {
        // Not an address this program understands: only what precedes any user part.
        const qsizetype colon = url.indexOf(QLatin1String("://"));
        return colon < 0 ? QCoreApplication::translate("history", "(无法识别的地址)") : url.left(colon + 3) + QStringLiteral("…");
    }
    QString shown = url.left(url.indexOf(QLatin1String("://")) + 3);
    QString rest = url.mid(shown.size());
    const qsizetype at = rest.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString userInfo = rest.left(at);
        shown += userInfo.left(userInfo.indexOf(QLatin1Char(':'))) + QLatin1Char('@');
        rest = rest.mid(at + 1);
    }
    static const QRegularExpression password(QStringLiteral("([?&])password=[^&]*&?"));
    rest.replace(password, QStringLiteral("\\1"));
    if (rest.endsWith(QLatin1Char('&')) || rest.endsWith(QLatin1Char('?'))) rest.chop(1);
    return shown + rest;
}

std::unique_ptr<Store> Store::openFile(const QString& path, QStringList* messages) {
    auto say = [&](const QString& m) {
        if (messages) messages->append(m);
    };
    QString folderError;
    Attempt a;
    if (makePrivateFile(path, &folderError)) {
        a = trySqlite(path);
        if (a.store) {
            if (!a.store->problem().isEmpty()) say(a.store->problem());
            return std::move(a.store);
        }
    } else {
        a.error = folderError;
        a.fault = Fault::Trouble;
    }
    QString problem;
    if (a.fault == Fault::Damage) {
        // Kept, not deleted, and not changed: whatever can still be read stays readable by other tools.
        const QString aside = setAsidePath(path);
        if (QFile::rename(path, aside)) {
            for (const char* side : {"-wal", "-shm"}) {
                const QString from = path + QLatin1String(side);
                if (QFileInfo::exists(from) && !QFile::rename(from, aside + QLatin1String(side))) QFile::remove(from);
            }
            say(QCoreApplication::translate("history", "成绩记录文件 %1 已损坏（%2），已原样改名为 %3，另建了一个新的记录文件").arg(path, a.error, aside));
            a = trySqlite(path);
            if (a.store) return std::move(a.store);
        }
    }
    if (a.fault == Fault::Refused)
        problem = QCoreApplication::translate("history", "%1 不是本程序的成绩记录文件：%2。本程序不改动它").arg(path, a.error);
    else
        problem = QCoreApplication::translate("history", "成绩记录文件 %1 现在无法写入：%2。文件原样保留").arg(path, a.error);
    say(problem);
    // Whatever the file still holds stays readable; never a file that is not ours.
    if (a.fault != Fault::Refused && QFileInfo(path).isFile()) {
        for (const Mode mode : {Mode::ReadOnly, Mode::Immutable}) {
            Attempt r = trySqlite(path, mode);
            if (!r.store) continue;
            if (r.store->problem().isEmpty()) r.store->setReadOnly(problem);
            return std::move(r.store);
        }
    }
    Attempt m = trySqlite(QStringLiteral(":memory:"));
    if (!m.store) {
        say(QCoreApplication::translate("history", "成绩记录无法保存：%1").arg(m.error));
        return nullptr;
    }
    m.store->setInMemory(problem);
    return std::move(m.store);
}

std::unique_ptr<Store> Store::openServer(const QString& url, QString* error) {
    auto fail = [&](const QString& why) -> std::unique_ptr<Store> {
        if (error) *error = why;
        return nullptr;
    };
    const ServerAddress address = parseServer(url);
    if (!address.ok) return fail(QCoreApplication::translate("history", "不是 postgresql:// 地址"));
    const QString name = connectionName();
    auto store = std::make_unique<SqlStore>(name, Engine::Postgres, shownAddress(url));
    store->setDb(QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name));
    QSqlDatabase& db = store->db();
    if (!db.isValid()) return fail(QCoreApplication::translate("history", "没有 PostgreSQL 驱动（QPSQL）"));
    // A socket folder in ?host= wins: libpq takes a host that starts with "/" as one.
    if (!address.host.isEmpty()) db.setHostName(address.host);
    if (address.port > 0) db.setPort(address.port);
    db.setUserName(address.user.isEmpty() ? learnerName() : address.user);
    if (!address.password.isEmpty()) db.setPassword(address.password);
    db.setDatabaseName(address.database.isEmpty() ? db.userName() : address.database);
    // A server gone silent is noticed: by the connection (TCP keepalives) and, while it
    // still answers, by a statement that takes too long.
    db.setConnectOptions(QStringLiteral("connect_timeout=5;keepalives=1;keepalives_idle=30;keepalives_interval=10;"
                                        "keepalives_count=3"));
    if (!db.open()) return fail(db.lastError().text());
    // Notices ("already exists, skipping") are not for the learner's terminal.
    QSqlQuery(db).exec(QStringLiteral("SET client_min_messages TO warning"));
    QSqlQuery(db).exec(QStringLiteral("SET statement_timeout TO '15s'"));
    // With classroom rights each learner logs in as their own role, and the rows they
    // may write are those that carry its name.
    QSqlQuery who(db);
    // A member named in the grant, not a superuser, who counts as a member of every role.
    if (who.exec(QStringLiteral("SELECT session_user, EXISTS (SELECT 1 FROM pg_auth_members m "
                                "JOIN pg_roles g ON g.oid = m.roleid JOIN pg_roles u ON u.oid = m.member "
                                "WHERE g.rolname = 'jaxo_learner' AND u.rolname = session_user)")) &&
        who.next() && who.value(1).toBool())
        store->setLearner(who.value(0).toString());
    who.finish();
    QString why;
    schema::Found found;
    if (!schema::inspect(db, Engine::Postgres, &found, &why)) return fail(why);
    if (found.state == schema::Found::NotOurs) return fail(found.why);
    store->setColumns(found);
    if (found.state == schema::Found::ReadOnly || found.state == schema::Found::Broken) {
        store->setReadOnly(QCoreApplication::translate("history", "成绩记录服务器 %1：%2").arg(store->location(), found.why));
        return store;
    }
    if (!schema::migrate(store->db(), Engine::Postgres, schema::kCurrent, &why)) {
        // A learner's role may not add tables; tables this version may write, set up by an
        // older one, still take the rows (without what the newer tables would keep).
        if (found.state == schema::Found::Ours && found.version >= 1) return store;
        return fail(why);
    }
    store->setColumns(schema::Found{});
    return store;
}

std::unique_ptr<Store> Store::open(QStringList* messages) {
    const QString url = qEnvironmentVariable("JAXO_HISTORY_URL");
    if (!url.isEmpty()) {
        QString why;
        if (auto server = openServer(url, &why)) {
            if (messages && !server->problem().isEmpty()) messages->append(server->problem());
            return server;
        }
        if (messages)
            messages->append(QCoreApplication::translate("history", "无法连接成绩记录服务器 %1（%2），成绩改记在本机文件 %3")
                                 .arg(shownAddress(url), why.trimmed(), localFile()));
    }
    return openFile(localFile(), messages);
}

// Stores that keep few rows answer from sessions(); the SQL store asks its database.
QList<qint64> Store::sessionIds(const QString& kind, bool wholeClass) const {
    QList<Session> all = sessions(kind, wholeClass);
    std::stable_sort(all.begin(), all.end(), [](const Session& a, const Session& b) { return a.startedAt > b.startedAt; });
    QList<qint64> out;
    for (const Session& s : all) out.append(s.id);
    return out;
}

QList<Session> Store::sessionsById(const QList<qint64>& ids) const {
    QHash<qint64, Session> found;
    for (const Session& s : sessions({}, true))
        if (ids.contains(s.id)) found.insert(s.id, s);
    QList<Session> out;
    for (qint64 id : ids)
        if (const auto it = found.constFind(id); it != found.constEnd()) out.append(*it);
    return out;
}

QList<Confusion> Store::confusions(const QString& unit, int recentSessions, int limit) const {
    QList<Confusion> out;
    for (const Session& s : sessions({}, false, recentSessions))
        for (const Miss& m : misses(s.id)) {
            if (m.unit != unit || m.typed.isEmpty() || m.typed == m.expected) continue;
            auto it = std::find_if(out.begin(), out.end(),
                                   [&](const Confusion& c) { return c.expected == m.expected && c.typed == m.typed; });
            if (it == out.end())
                out.append({unit, m.expected, m.typed, m.count});
            else
                it->count += m.count;
        }
    std::stable_sort(out.begin(), out.end(), [](const Confusion& a, const Confusion& b) { return a.count > b.count; });
    if (limit > 0 && out.size() > limit) out.resize(limit);
    return out;
}

QList<ChartPoint> Store::chartPoints(const QString& kind, bool wholeClass, int perSession) const {
    const QList<Session> all = sessions(kind, wholeClass);
    QList<ChartPoint> out;
    for (const Session& s : all) out.append(pointOf(s));
    oldestFirst(out);
    if (out.size() <= perSession) return out;
    QList<ChartPoint> days;
    for (const ChartPoint& p : out) {
        if (days.isEmpty() || days.back().at.date() != p.at.date()) {
            days.append(p);
            continue;
        }
        ChartPoint& d = days.back();
        d.perMinute = (d.perMinute * d.speedSessions + p.perMinute * p.speedSessions) /
                      std::max(1, d.speedSessions + p.speedSessions);
        d.at = p.at;
        d.sessions += p.sessions;
        d.speedSessions += p.speedSessions;
        d.typed += p.typed;
        d.right += p.right;
    }
    return days;
}

}  // namespace history
