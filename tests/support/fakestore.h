#pragma once
// An in-memory history store for widget tests: rows kept as recorded, in any order.
#include "history/historystore.h"

#include <algorithm>

class FakeStore : public history::Store {
public:
    QList<history::Session> rows;
    bool classServer = false;
    QString me = QStringLiteral("learner");
    QString trouble;  // what problem() reports

    QString location() const override { return QStringLiteral("memory"); }
    bool isClassServer() const override { return classServer; }
    bool keeps() const override { return true; }
    QString problem() const override { return trouble; }

    bool record(history::Session& s, QString* = nullptr) override {
        s.id = static_cast<qint64>(rows.size()) + 1;
        if (s.learner.isEmpty()) s.learner = me;
        rows.append(s);
        return true;
    }

    QList<history::Session> sessions(const QString& kind, bool wholeClass, int limit) const override {
        QList<history::Session> out;
        for (const history::Session& s : newestFirst()) {
            if (!kind.isEmpty() && s.kind != kind) continue;
            if (!(wholeClass && classServer) && s.learner != me) continue;
            history::Session copy = s;
            copy.misses.clear();
            out.append(copy);
            if (limit > 0 && out.size() == limit) break;
        }
        return out;
    }

    QList<history::Miss> misses(qint64 id) const override {
        for (const history::Session& s : rows)
            if (s.id == id) return s.misses;
        return {};
    }

    QList<history::MissTally> topMisses(const QString& unit, int recent, int limit,
                                        const QString& scheme = QString()) const override {
        QList<history::MissTally> out;
        int seen = 0;
        for (const history::Session& s : newestFirst()) {
            if (s.learner != me || (!scheme.isEmpty() && s.scheme != scheme)) continue;
            if (++seen > recent) break;
            for (const history::Miss& m : s.misses) {
                if (m.unit != unit) continue;
                auto it = std::find_if(out.begin(), out.end(), [&](const history::MissTally& t) { return t.expected == m.expected; });
                if (it == out.end()) it = out.insert(out.end(), {unit, m.expected, 0, 0, 0});
                it->count += m.count;
                if (!s.tallies.isEmpty()) it->countedMisses += m.count;
            }
        }
        std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.count > b.count; });
        if (out.size() > limit) out.resize(limit);
        const QHash<QString, int> typed = typedCounts(unit, recent, scheme);
        for (history::MissTally& t : out) t.typed = typed.value(t.expected);
        return out;
    }

    QHash<QString, int> typedCounts(const QString& unit, int recent, const QString& scheme = QString()) const override {
        QHash<QString, int> out;
        int seen = 0;
        for (const history::Session& s : newestFirst()) {
            if (s.learner != me || (!scheme.isEmpty() && s.scheme != scheme)) continue;
            if (++seen > recent) break;
            for (const history::Tally& t : s.tallies)
                if (t.unit == unit) out[t.item] += t.count;
        }
        return out;
    }

private:
    QList<history::Session> newestFirst() const {
        QList<history::Session> all = rows;
        std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.startedAt > b.startedAt; });
        return all;
    }
};
