#pragma once
// Writes sessions on a thread of its own, with its own connection, so that a report
// never waits for the disk or the server. The store opens at the first session. Rows
// the store cannot take now wait in memory and are written when it works again.
#include "history/historystore.h"

#include <QObject>

#include <memory>

class QThread;

namespace history {

class Recorder : public QObject {
    Q_OBJECT
public:
    explicit Recorder(QObject* parent = nullptr);
    // Writes what is still queued, then closes the store; waits for that no longer
    // than kCloseWaitMs. A thread still held by a silent server is then left to end
    // with the program, and the rows it had not written go to the local file.
    ~Recorder() override;

    static constexpr int kCloseWaitMs = 1500;

    // Queues one session and returns at once.
    void record(const Session& session);
    // Returns when every session queued so far is written (or has failed).
    void flush();
    // The same, waiting no longer than timeoutMs; false when the time ran out.
    bool flush(int timeoutMs);
    // Where the rows go ("" until the first session); set from the worker.
    QString location() const;

signals:
    // Problems for the error display, delivered in the recorder's thread.
    void message(const QString& text);
    // A session is in the store.
    void recorded(qint64 id);

private:
    class Worker;
    struct Shared;
    std::shared_ptr<Shared> shared_;
    QThread* thread_ = nullptr;
    Worker* worker_ = nullptr;
};

}  // namespace history
