// How long recording one session takes on a history of 10,000 sessions, each with a few
// misses, in a temporary SQLite file (or on the server named by JAXO_HISTORY_URL); then
// how long the 成绩记录 window takes to open on 100,000 sessions in a SQLite file, and
// the resident memory opening it adds.
#include "history/historystore.h"
#include "history/historyview.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

history::Session session(int i) {
    history::Session s;
    s.startedAt = QDateTime::currentDateTime().addSecs(-i * 60);
    s.kind = i % 3 ? QStringLiteral("chinese") : QStringLiteral("radicals");
    s.title = QStringLiteral("高频字练习");
    s.right = 100 + i % 50;
    s.wrong = i % 7;
    s.typed = s.right + s.wrong;
    s.seconds = 120;
    s.perMinute = s.typed / 2;
    s.rating = QStringLiteral("好！");
    for (int m = 0; m < 5; ++m)
        s.misses.append(history::Miss{QStringLiteral("char"), QString(QChar(0x4e00 + (i * 7 + m) % 3000)), QStringLiteral("的"), 1 + m % 2});
    return s;
}

// Resident memory in MiB, from the kernel's own count.
double residentMiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// A history of `count` sessions, one a minute over the days before now, written in one
// transaction beside the store's own connection (recording them one by one would take
// minutes for what is measured here).
bool fillFile(const QString& path, int count) {
    {
        QStringList messages;
        if (!history::Store::openFile(path, &messages)) return false;  // makes the tables
    }
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
        db.setDatabaseName(path);
        if (db.open() && db.transaction()) {
            QSqlQuery q(db);
            ok = q.prepare(QStringLiteral("INSERT INTO sessions (started_at, kind, title, typed, right_count, wrong_count, "
                                          "seconds, per_minute, rating, learner, uid) VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
            for (int i = 0; ok && i < count; ++i) {
                const history::Session s = session(i);
                for (const QVariant& v : {QVariant(s.startedAt.toOffsetFromUtc(s.startedAt.offsetFromUtc()).toString(Qt::ISODate)),
                                          QVariant(s.kind), QVariant(s.title), QVariant(s.typed), QVariant(s.right),
                                          QVariant(s.wrong), QVariant(s.seconds), QVariant(s.perMinute),
                                          QVariant(s.rating), QVariant(history::Store::learnerName()),
                                          QVariant(QStringLiteral("bench-%1").arg(i))})
                    q.addBindValue(v);
                ok = q.exec();
            }
            ok = db.commit() && ok;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    return ok;
}

// Opens the window on a history of 100,000 sessions: the time until it is shown and
// painted, and the resident memory that adds.
int windowFigures() {
    constexpr int kSessions = 100000;
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/history.sqlite");
    QElapsedTimer fill;
    fill.start();
    if (!fillFile(path, kSessions)) return 1;
    std::printf("filling %d sessions in one transaction: %.1f s\n", kSessions, double(fill.elapsed()) / 1000.0);
    auto store = history::Store::openFile(path);
    CodeBook book;
    radicals::Table table;
    radicals::buildRadicalTable(table);
    FakeMessages messages;
    QApplication::processEvents();
    const double before = residentMiB();
    QElapsedTimer t;
    t.start();
    HistoryView view(store.get(), book, table, messages);
    view.show();
    QApplication::processEvents();
    const double ms = double(t.nsecsElapsed()) / 1e6;
    const double after = residentMiB();
    std::printf("opening the history window on %d sessions: %.0f ms, resident memory %.1f -> %.1f MiB (+%.1f MiB)\n",
                kSessions, ms, before, after, after - before);
    return 0;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The window alone: bench_history window
    if (argc > 1 && QByteArray(argv[1]) == "window") return windowFigures();
    QTemporaryDir dir;
    QStringList messages;
    auto store = qEnvironmentVariableIsEmpty("JAXO_HISTORY_URL")
                     ? history::Store::openFile(dir.path() + QStringLiteral("/history.sqlite"), &messages)
                     : history::Store::open(&messages);
    for (const QString& m : messages) std::fprintf(stderr, "%s\n", qPrintable(m));
    std::printf("store: %s\n", qPrintable(store->location()));

    constexpr int kFill = 10000, kMeasured = 500;
    QElapsedTimer fill;
    fill.start();
    for (int i = 0; i < kFill; ++i) {
        history::Session s = session(i);
        if (!store->record(s)) return 1;
    }
    std::printf("filling %d sessions: %.1f s\n", kFill, double(fill.elapsed()) / 1000.0);

    std::vector<double> ms;
    for (int i = 0; i < kMeasured; ++i) {
        history::Session s = session(kFill + i);
        QElapsedTimer t;
        t.start();
        if (!store->record(s)) return 1;
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("recording one session (5 misses) on %d sessions, %d times: median %.2f ms, 99th percentile %.2f ms, "
                "max %.2f ms\n",
                kFill, kMeasured, percentile(ms, 0.5), percentile(ms, 0.99), percentile(ms, 1.0));

    QElapsedTimer q;
    q.start();
    const int listed = int(store->sessions(QStringLiteral("chinese")).size());
    const double listMs = double(q.nsecsElapsed()) / 1e6;
    q.restart();
    const int top = int(store->topMisses(QStringLiteral("char"), 50, 20).size());
    std::printf("listing %d sessions of one kind: %.1f ms; top %d misses of the last 50 sessions: %.1f ms\n", listed,
                listMs, top, double(q.nsecsElapsed()) / 1e6);
    return windowFigures();
}
