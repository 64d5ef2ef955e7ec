#include "exercise/testdump.h"

#include "common/atomicwrite.h"

#include <QCoreApplication>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace testdump {

namespace {
const QString& path() {
    static const QString p = qEnvironmentVariable("JAXO_TEST_STATE");
    return p;
}

// The newest dump waits here for a thread of its own: a key hands over a string and
// returns, and a burst of keys costs one write of its last state, not a synced file
// per key.
class Writer {
public:
    Writer() : thread_([this] { run(); }) {}
    // Writes what is still waiting, then stops.
    ~Writer() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    void post(QByteArray data) {
        {
            std::lock_guard lock(mutex_);
            pending_ = std::move(data);
            waiting_ = true;
        }
        wake_.notify_one();
    }

private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return waiting_ || stopping_; });
            if (!waiting_) return;
            const QByteArray data = std::move(pending_);
            waiting_ = false;
            lock.unlock();
            atomicwrite::write(path(), data);
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    QByteArray pending_;
    bool waiting_ = false;
    bool stopping_ = false;
    std::thread thread_;  // last: it starts once the rest is made
};

Writer* writer = nullptr;
void stopWriter() {
    delete writer;
    writer = nullptr;
}
}  // namespace

bool enabled() { return !path().isEmpty(); }

void write(const ExerciseScore& s, int writableLine, bool visible, const QString& lines) {
    if (!enabled()) return;
    const QString out = QStringLiteral("right=%1\nwrong=%2\nwritable=%3\nvisible=%4\n")
                            .arg(s.rightCount)
                            .arg(s.wrongCount)
                            .arg(writableLine)
                            .arg(visible ? 1 : 0) +
                        lines;
    if (!writer) {
        writer = new Writer;
        // Before the application's own teardown: the last state reaches the file.
        qAddPostRoutine(stopWriter);
    }
    writer->post(out.toUtf8());
}

}  // namespace testdump
