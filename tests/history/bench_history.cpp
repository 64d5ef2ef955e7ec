// How long recording one session takes on a history of 10,000 sessions, each with a few
// misses, in a temporary SQLite file (or on the server named by JAXO_HISTORY_URL).
#include "history/historystore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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
    return 0;
}
