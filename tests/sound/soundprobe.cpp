// Real sound through the real output, recorded from the monitor of a null sink (run by
// realsound.sh): music audible, then silent once stopped; a click for each key with the
// key sound on and none with it off; rapid keys that restart the click instead of
// piling clicks up. The checks are of presence and absence, with margins that hold on
// a busy machine; the delays from call to sound are printed as figures.
#include "sound/fluidoutput.h"
#include "sound/music.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
constexpr int kRate = 44100;

double dbfs(double amplitude) { return amplitude > 0 ? 20.0 * std::log10(amplitude) : -200.0; }

// parec on the monitor, read by a thread that notes when each piece of audio arrived.
// Frame n was captured at the latest at t(n) = n / rate + min over later arrivals of
// (arrival - frames so far / rate), which stays right across gaps in the stream.
class Recorder {
public:
    ~Recorder() { stop(); }

    bool start(const QByteArray& device) {
        int fds[2];
        if (pipe(fds) != 0) return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        const QByteArray dev = "--device=" + device;
        const char* argv[] = {"parec", dev.constData(), "--raw", "--format=s16le", "--rate=44100",
                              "--channels=2", "--latency-msec=5", nullptr};
        const int rc = posix_spawnp(&pid_, "parec", &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        if (rc != 0) {
            close(fds[0]);
            pid_ = 0;
            return false;
        }
        fd_ = fds[0];
        reader_ = std::thread([this] { readLoop(); });
        return true;
    }

    void stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            if (reader_.joinable()) reader_.join();
            waitpid(pid_, nullptr, 0);
            pid_ = 0;
        }
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }

    size_t frames() {
        std::lock_guard<std::mutex> g(m_);
        return left_.size();
    }

    // The latest time at which frame n can have been captured.
    Clock::time_point timeOf(size_t n) {
        std::lock_guard<std::mutex> g(m_);
        return timeOfLocked(n);
    }

    // The first frame captured at or after t.
    size_t frameAt(Clock::time_point t) {
        std::lock_guard<std::mutex> g(m_);
        size_t lo = 0, hi = left_.size();
        while (lo < hi) {
            const size_t mid = (lo + hi) / 2;
            if (timeOfLocked(mid) < t) lo = mid + 1;
            else hi = mid;
        }
        return lo;
    }

    struct Level {
        double rms = 0;
        double peak = 0;
        size_t frames = 0;
    };
    Level level(size_t from, size_t to) {
        std::lock_guard<std::mutex> g(m_);
        to = std::min(to, left_.size());
        Level l;
        double sum = 0;
        for (size_t i = from; i < to; ++i) {
            sum += left_[i] * left_[i] + right_[i] * right_[i];
            l.peak = std::max({l.peak, std::fabs(double(left_[i])), std::fabs(double(right_[i]))});
        }
        l.frames = to > from ? to - from : 0;
        l.rms = l.frames ? std::sqrt(sum / (2.0 * static_cast<double>(l.frames))) : 0;
        return l;
    }

    std::vector<float> mono(size_t from, size_t to) {
        std::lock_guard<std::mutex> g(m_);
        to = std::min(to, left_.size());
        std::vector<float> out;
        for (size_t i = from; i < to; ++i) out.push_back((left_[i] + right_[i]) / 2);
        return out;
    }

private:
    void readLoop() {
        char buf[4096];
        std::string carry;
        for (;;) {
            const ssize_t n = read(fd_, buf, sizeof buf);
            const auto now = Clock::now();
            if (n <= 0) break;
            carry.append(buf, static_cast<size_t>(n));
            const size_t whole = carry.size() / 4;
            std::lock_guard<std::mutex> g(m_);
            for (size_t i = 0; i < whole; ++i) {
                const auto* p = reinterpret_cast<const unsigned char*>(carry.data() + 4 * i);
                left_.push_back(static_cast<float>(static_cast<std::int16_t>(p[0] | p[1] << 8)) / 32768.0f);
                right_.push_back(static_cast<float>(static_cast<std::int16_t>(p[2] | p[3] << 8)) / 32768.0f);
            }
            carry.erase(0, whole * 4);
            const double zero = std::chrono::duration<double>(now.time_since_epoch()).count() -
                                static_cast<double>(left_.size()) / kRate;
            arrivals_.push_back({left_.size(), zero});
            // Suffix minima: walk back while an earlier estimate is later than this one.
            for (size_t k = arrivals_.size() - 1; k > 0 && arrivals_[k - 1].minZero > zero; --k)
                arrivals_[k - 1].minZero = zero;
        }
    }

    Clock::time_point timeOfLocked(size_t n) {
        // The first arrival that holds frame n; its suffix minimum bounds the capture time.
        auto it = std::lower_bound(arrivals_.begin(), arrivals_.end(), n + 1,
                                   [](const Arrival& a, size_t v) { return a.frames < v; });
        if (it == arrivals_.end()) return Clock::time_point::max();
        const double t = it->minZero + static_cast<double>(n) / kRate;
        return Clock::time_point(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(t)));
    }

    struct Arrival {
        size_t frames;
        double minZero;
    };
    pid_t pid_ = 0;
    int fd_ = -1;
    std::thread reader_;
    std::mutex m_;
    std::vector<float> left_, right_;
    std::vector<Arrival> arrivals_;
};

void waitFor(std::chrono::milliseconds d) {
    const auto until = Clock::now() + d;
    while (Clock::now() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(2ms);
    }
}

double msBetween(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

// A 16-bit mono wave of a steady 1 kHz tone, for telling restarts from overlaps.
QByteArray toneWave(double seconds, double amplitude) {
    const int frames = static_cast<int>(seconds * kRate);
    QByteArray b;
    auto put32 = [&](quint32 v) { for (int s = 0; s < 32; s += 8) b.append(char(v >> s)); };
    auto put16 = [&](quint16 v) { b.append(char(v)); b.append(char(v >> 8)); };
    b += "RIFF";
    put32(36 + frames * 2);
    b += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    b += "data";
    put32(frames * 2);
    for (int i = 0; i < frames; ++i)
        put16(static_cast<quint16>(static_cast<qint16>(std::lround(amplitude * 32767 * std::sin(2 * M_PI * 1000.0 * i / kRate)))));
    return b;
}

}  // namespace

class SoundProbe : public QObject {
    Q_OBJECT
    std::unique_ptr<FluidOutput> out_;
    Recorder rec_;
    QByteArray sink_;
    QString appDir_ = QStringLiteral(JAXO_BUILD_APPDIR);
    double clickPeak_ = 0;

    std::string file(const char* name) const { return (appDir_ + QLatin1Char('/') + QLatin1String(name)).toStdString(); }

    // Onsets: first frame at or after `from` above the threshold.
    long long firstAbove(size_t from, size_t to, double threshold) {
        const auto m = rec_.mono(from, to);
        for (size_t i = 0; i < m.size(); ++i)
            if (std::fabs(m[i]) > threshold) return static_cast<long long>(from + i);
        return -1;
    }

private slots:
    void initTestCase() {
        sink_ = qgetenv("JAXO_TEST_SINK");
        if (sink_.isEmpty()) QFAIL("run through realsound.sh: it starts the private sound server");
        // Prime the monitor: a recorder keeps it busy, and suspending and resuming the
        // sink brings a fresh null sink back to real time.
        QVERIFY2(rec_.start(sink_ + ".monitor"), "parec did not start");
        const auto until = Clock::now() + 3s;
        while (rec_.frames() == 0 && Clock::now() < until) std::this_thread::sleep_for(10ms);
        QVERIFY2(rec_.frames() > 0, "no audio from the sink's monitor");
        QCOMPARE(QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("suspend-sink"), QString::fromLatin1(sink_), QStringLiteral("1")}), 0);
        QCOMPARE(QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("suspend-sink"), QString::fromLatin1(sink_), QStringLiteral("0")}), 0);

        out_ = std::make_unique<FluidOutput>();
        QCOMPARE(QString::fromStdString(out_->driverName()), QStringLiteral("pulseaudio"));
        QCOMPARE(out_->waveDevices(), 1);
        QCOMPARE(out_->midiDevices(), 1);
        waitFor(500ms);
        const auto t = Clock::now();
        waitFor(300ms);
        const auto quiet = rec_.level(rec_.frameAt(t), rec_.frameAt(t + 300ms));
        QVERIFY2(quiet.frames > 10000, "the monitor delivers no audio");
        QVERIFY2(dbfs(quiet.peak) < -70, "the sink is not silent before anything plays");
    }

    void cleanupTestCase() {
        out_.reset();
        rec_.stop();
    }

    // The loudest stretch of `window` within [from, to): present sound shows there
    // however late it started on a loaded machine.
    double loudestRms(Clock::time_point from, Clock::time_point to, std::chrono::milliseconds window) {
        double best = 0;
        for (auto t = from; t + window <= to; t += window / 2)
            best = std::max(best, rec_.level(rec_.frameAt(t), rec_.frameAt(t + window)).rms);
        return best;
    }

    // Figures, not checks: how long from the call to the sound (printed only).
    static void printLatencies(const char* what, const std::vector<double>& ms) {
        if (ms.empty()) return;
        double mean = 0;
        for (double l : ms) mean += l / static_cast<double>(ms.size());
        qInfo("%s, from the call to the sound: mean %.1f ms, min %.1f ms, max %.1f ms (figures, not checked)", what,
              mean, *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()));
    }

    void musicAudibleThenSilent_data() {
        QTest::addColumn<QString>("piece");
        for (const char* p : {"music1.mid", "music2.mid", "music3.mid"}) QTest::newRow(p) << QString::fromLatin1(p);
    }
    void musicAudibleThenSilent() {
        QFETCH(QString, piece);
        QString error;
        const auto start = Clock::now();
        QVERIFY2(out_->playMidi(file(piece.toLatin1().constData()), &error), qPrintable(error));
        waitFor(2500ms);
        const auto stop = Clock::now();
        out_->stopMidi();
        // Silence is judged a full second after the stop, so a late stop on a busy
        // machine passes while music that goes on does not.
        waitFor(2000ms);
        const double music = loudestRms(start, stop, 500ms);
        const auto after = rec_.level(rec_.frameAt(stop + 1000ms), rec_.frameAt(stop + 1800ms));
        qInfo("%s: loudest half second %.1f dBFS; from 1 s after the stop RMS %.1f dBFS (peak %.1f)",
              qPrintable(piece), dbfs(music), dbfs(after.rms), dbfs(after.peak));
        QVERIFY2(dbfs(music) > -40, "the music is not audible");
        QVERIFY(after.frames > 20000);
        QVERIFY2(dbfs(after.rms) < -60, "the music goes on after it was stopped");
    }

    // music() as the program calls it: the first piece of a run, then nomusic().
    void soundSystemStartsAndStops() {
        Settings settings;
        RandomSource random;
        QStringList errors;
        SoundSystem sound(settings, appDir_.toStdString(), random, *out_, [&](const QString& e) { errors << e; });
        const auto start = Clock::now();
        sound.music();
        waitFor(2000ms);
        const auto stop = Clock::now();
        sound.nomusic();
        waitFor(1800ms);
        QVERIFY(errors.isEmpty());
        const double music = loudestRms(start, stop, 500ms);
        const auto after = rec_.level(rec_.frameAt(stop + 1000ms), rec_.frameAt(stop + 1600ms));
        QVERIFY2(dbfs(music) > -40, "music() is not audible");
        QVERIFY2(dbfs(after.rms) < -60, "nomusic() leaves sound");
    }

    // A click sounds for every key while the key sound is on, and none while it is
    // off. Keys are far enough apart that a click heard late still belongs to its key.
    void clickPresentOnlyWhenSwitchedOn_data() {
        QTest::addColumn<bool>("keySound");
        QTest::newRow("key sound on: a click for every key") << true;
        QTest::newRow("key sound off: silence") << false;
    }
    void clickPresentOnlyWhenSwitchedOn() {
        QFETCH(bool, keySound);
        Settings settings;
        settings.keySound = keySound;
        RandomSource random;
        QStringList errors;
        SoundSystem sound(settings, appDir_.toStdString(), random, *out_, [&](const QString& e) { errors << e; });
        constexpr auto kApart = 600ms;
        std::vector<Clock::time_point> keys;
        for (int i = 0; i < 6; ++i) {
            keys.push_back(Clock::now());
            sound.playKeySound();
            waitFor(kApart);
        }
        waitFor(400ms);
        QVERIFY(errors.isEmpty());
        std::vector<double> latencies;
        for (size_t i = 0; i < keys.size(); ++i) {
            const size_t from = rec_.frameAt(keys[i] - 20ms), to = rec_.frameAt(keys[i] + kApart - 20ms);
            const long long onset = firstAbove(from, to, 0.03);
            if (!keySound) {
                QVERIFY2(onset < 0, qPrintable(QStringLiteral("key %1 clicked with the key sound off").arg(i)));
                continue;
            }
            QVERIFY2(onset >= 0, qPrintable(QStringLiteral("key %1 never clicked").arg(i)));
            latencies.push_back(msBetween(keys[i], rec_.timeOf(static_cast<size_t>(onset))));
            clickPeak_ = std::max(clickPeak_, rec_.level(static_cast<size_t>(onset), static_cast<size_t>(onset) + kRate / 20).peak);
        }
        if (keySound) {
            printLatencies("click", latencies);
            qInfo("click peak %.1f dBFS", dbfs(clickPeak_));
        }
    }

    // Keys faster than the click is long: each one starts the click again (an attack
    // after a gap) and nothing is left over after the last. A stalled sound thread can
    // merge two restarts, so a run counts if one of three attempts hears them all.
    void rapidKeysEachRestartTheClick() {
        QVERIFY(clickPeak_ > 0.05);
        QString last;
        std::vector<double> latencies;
        for (int attempt = 0; attempt < 3; ++attempt) {
            std::vector<Clock::time_point> keys;
            for (int i = 0; i < 6; ++i) {
                keys.push_back(Clock::now());
                QString error;
                QVERIFY(out_->playClick(file("key.wav"), &error));
                std::this_thread::sleep_for(30ms);
            }
            waitFor(600ms);
            const size_t from = rec_.frameAt(keys.front() - 20ms);
            const auto m = rec_.mono(from, rec_.frameAt(keys.back() + 500ms));
            // An attack: loud after 3 ms of quiet.
            const double loud = 0.5 * clickPeak_, quiet = 0.2 * clickPeak_;
            const size_t gap = kRate * 3 / 1000;
            std::vector<size_t> attacks;
            size_t lastLoud = 0;
            bool anyLoud = false;
            for (size_t i = 0; i < m.size(); ++i) {
                const double a = std::fabs(m[i]);
                if (a > loud && (!anyLoud || i - lastLoud > gap)) attacks.push_back(i);
                if (a > quiet) {
                    lastLoud = i;
                    anyLoud = true;
                }
            }
            QVERIFY2(!attacks.empty(), "no click at all");
            QVERIFY2(attacks.size() <= keys.size(),
                     qPrintable(QStringLiteral("%1 attacks for %2 keys").arg(attacks.size()).arg(keys.size())));
            // Measured in recorded frames, so it holds however the machine is loaded.
            const double tail = static_cast<double>(lastLoud - attacks.back()) * 1000.0 / kRate;
            QVERIFY2(tail < 50.0, qPrintable(QStringLiteral("sound went on %1 ms after the last restart").arg(tail)));
            if (attacks.size() == keys.size()) {
                for (size_t i = 0; i < keys.size(); ++i)
                    latencies.push_back(msBetween(keys[i], rec_.timeOf(from + attacks[i])));
                printLatencies("click restart", latencies);
                return;
            }
            last = QStringLiteral("%1 restarts heard for %2 keys").arg(attacks.size()).arg(keys.size());
        }
        QFAIL(qPrintable(last + QStringLiteral(" in each of three attempts")));
    }

    // A long steady tone as the click: a restart keeps one tone sounding at its own level
    // (an overlap would add up), and it ends one tone's length after the last key.
    void restartsDoNotOverlap() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tone.wav"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(toneWave(0.3, 0.25));
        f.close();
        std::vector<Clock::time_point> keys;
        for (int i = 0; i < 5; ++i) {
            keys.push_back(Clock::now());
            QString error;
            QVERIFY2(out_->playClick(path.toStdString(), &error), qPrintable(error));
            std::this_thread::sleep_for(40ms);
        }
        waitFor(600ms);
        const size_t from = rec_.frameAt(keys.front() - 20ms);
        const auto all = rec_.level(from, rec_.frameAt(keys.back() + 500ms));
        QVERIFY2(all.peak < 0.25 * 1.08, qPrintable(QStringLiteral("peak %1: restarts overlapped").arg(all.peak)));
        QVERIFY(all.peak > 0.2);
        const auto m = rec_.mono(from, rec_.frameAt(keys.back() + 500ms));
        size_t last = 0;
        for (size_t i = 0; i < m.size(); ++i)
            if (std::fabs(m[i]) > 0.05) last = i;
        const double endMs = msBetween(keys.back(), rec_.timeOf(from + last));
        qInfo("a 300 ms tone restarted 5 times 40 ms apart ends %.0f ms after the last key, peak %.3f", endMs, all.peak);
        // The length of the sounding tone is counted in recorded frames; only its end
        // relative to the key depends on the machine's load, so that bound is wide.
        QVERIFY2(endMs > 280 && endMs < 800, "the tone did not end one length after the last key");
    }

    // ---- the stream is open only while it is needed (these come last: each has an
    // output of its own, and the shared one is closed first)

    // Streams of this program on the server, as the server lists them.
    static int streamsOnServer() {
        QProcess p;
        p.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
        p.waitForFinished(5000);
        return static_cast<int>(p.readAllStandardOutput().count('\n'));
    }

    void streamOnlyWhileSoundIsWanted_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("a click opens it, silence closes it") << QStringLiteral("click");
        QTest::newRow("music keeps it open until stopped, then silence closes it") << QStringLiteral("music");
        QTest::newRow("keys ahead open it before the first click and keep it open") << QStringLiteral("keys");
        QTest::newRow("a held output opens nothing before it is released") << QStringLiteral("held");
    }
    void streamOnlyWhileSoundIsWanted() {
        QFETCH(QString, what);
        out_.reset();
        QTRY_COMPARE_WITH_TIMEOUT(streamsOnServer(), 0, 3000);
        FluidOutput::Options o;
        o.closeAfterMs = 400;
        o.held = what == QLatin1String("held");
        FluidOutput out(o);
        QCOMPARE(out.waveDevices(), 1);  // counted without a stream
        waitFor(300ms);
        QCOMPARE(streamsOnServer(), 0);
        QString error;
        if (what == QLatin1String("click") || what == QLatin1String("held")) {
            QVERIFY(out.playClick(file("key.wav"), &error));
            if (o.held) {
                waitFor(500ms);
                QCOMPARE(streamsOnServer(), 0);
                out.release();
            }
            QTRY_COMPARE_WITH_TIMEOUT(streamsOnServer(), 1, 3000);
        } else if (what == QLatin1String("music")) {
            QVERIFY(out.playMidi(file("music1.mid"), &error));
            QTRY_COMPARE_WITH_TIMEOUT(streamsOnServer(), 1, 5000);
            waitFor(1000ms);  // longer than the close delay: the music holds it
            QCOMPARE(streamsOnServer(), 1);
            out.stopMidi();
        } else {
            out.keepOpen(true);
            QTRY_COMPARE_WITH_TIMEOUT(streamsOnServer(), 1, 3000);
            waitFor(1000ms);
            QCOMPARE(streamsOnServer(), 1);
            // The first key of the exercise clicks as soon as any other.
            waitFor(200ms);
            const auto key = Clock::now();
            QVERIFY(out.playClick(file("key.wav"), &error));
            waitFor(300ms);
            const long long onset = firstAbove(rec_.frameAt(key - 20ms), rec_.frameAt(key + 250ms), 0.03);
            QVERIFY2(onset >= 0, "the first click never sounded");
            const double ms = msBetween(key, rec_.timeOf(static_cast<size_t>(onset)));
            qInfo("first click of an exercise: %.1f ms after its key", ms);
            QVERIFY2(ms < 50.0, qPrintable(QStringLiteral("the first click came %1 ms after its key").arg(ms)));
            out.keepOpen(false);
        }
        // Closed a moment after the sound ends; nothing runs while it is closed.
        QTRY_COMPARE_WITH_TIMEOUT(streamsOnServer(), 0, 3000);
    }
};

QTEST_GUILESS_MAIN(SoundProbe)
#include "soundprobe.moc"
