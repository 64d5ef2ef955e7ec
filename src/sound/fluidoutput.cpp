#include "sound/fluidoutput.h"

#include "common/errors.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <fluidsynth.h>

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

namespace sound {

namespace {

std::uint32_t le(const QByteArray& b, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

std::uint32_t be(const QByteArray& b, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

float sampleAt(const QByteArray& b, qsizetype at, int bits, bool isFloat) {
    if (isFloat) {
        const std::uint32_t raw = le(b, at, 4);
        float f;
        std::memcpy(&f, &raw, sizeof f);
        return std::isfinite(f) ? std::clamp(f, -1.0f, 1.0f) : 0.0f;
    }
    switch (bits) {
    case 8: return (static_cast<float>(static_cast<std::uint8_t>(b[at])) - 128.0f) / 128.0f;
    case 16: return static_cast<float>(static_cast<std::int16_t>(le(b, at, 2))) / 32768.0f;
    case 24: {
        std::int32_t v = static_cast<std::int32_t>(le(b, at, 3) << 8) >> 8;
        return static_cast<float>(v) / 8388608.0f;
    }
    default: return static_cast<float>(static_cast<std::int32_t>(le(b, at, 4)) / 2147483648.0);
    }
}

}  // namespace

bool parseWave(const QByteArray& b, Wave& out) {
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return false;
    bool haveFormat = false;
    int format = 0, channels = 0, bits = 0, align = 0;
    std::uint32_t rate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const qsizetype size = le(b, pos + 4, 4);
        const qsizetype body = pos + 8;
        if (size > b.size() - body) return false;  // cut off
        if (id == "fmt ") {
            if (size < 16) return false;
            format = static_cast<int>(le(b, body, 2));
            channels = static_cast<int>(le(b, body + 2, 2));
            rate = le(b, body + 4, 4);
            align = static_cast<int>(le(b, body + 12, 2));
            bits = static_cast<int>(le(b, body + 14, 2));
            if (format == 0xFFFE && size >= 26) format = static_cast<int>(le(b, body + 24, 2));  // extensible
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || channels < 1 || rate < 1000 || rate > 384000) return false;
            const bool isFloat = format == 3;
            if (!(format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) && !(isFloat && bits == 32))
                return false;
            if (align != channels * bits / 8) return false;
            const qsizetype frames = size / align;
            out.rate = static_cast<int>(rate);
            out.left.resize(static_cast<size_t>(frames));
            out.right.resize(static_cast<size_t>(frames));
            for (qsizetype i = 0; i < frames; ++i) {
                const qsizetype at = body + i * align;
                const float l = sampleAt(b, at, bits, isFloat);
                out.left[static_cast<size_t>(i)] = l;
                out.right[static_cast<size_t>(i)] = channels > 1 ? sampleAt(b, at + bits / 8, bits, isFloat) : l;
            }
            return true;
        }
        pos = body + size + (size & 1);
    }
    return false;
}

std::vector<float> resample(const std::vector<float>& in, int fromRate, int toRate) {
    if (fromRate == toRate || in.empty() || fromRate <= 0 || toRate <= 0) return in;
    const auto n = static_cast<size_t>(std::llround(static_cast<double>(in.size()) * toRate / fromRate));
    std::vector<float> out(n);
    for (size_t i = 0; i < n; ++i) {
        const double src = static_cast<double>(i) * fromRate / toRate;
        const auto j = static_cast<size_t>(src);
        const double frac = src - static_cast<double>(j);
        const float a = in[std::min(j, in.size() - 1)];
        const float c = in[std::min(j + 1, in.size() - 1)];
        out[i] = static_cast<float>(a + (c - a) * frac);
    }
    return out;
}

bool midiDuration(const QByteArray& b, double& seconds) {
    const qsizetype n = b.size();
    if (n < 14 || !b.startsWith("MThd")) return false;
    const qsizetype headerLength = be(b, 4, 4);
    if (headerLength < 6 || headerLength > n - 8) return false;
    const std::uint32_t format = be(b, 8, 2), tracks = be(b, 10, 2), division = be(b, 12, 2);
    if (format > 2 || tracks == 0 || division == 0) return false;

    std::map<std::uint64_t, std::uint32_t> tempos;  // tick -> microseconds per quarter
    std::uint64_t lastTick = 0;
    std::uint32_t found = 0;
    qsizetype pos = 8 + headerLength;
    while (pos + 8 <= n) {
        const qsizetype length = be(b, pos + 4, 4);
        const qsizetype body = pos + 8;
        if (length > n - body) return false;
        if (b.mid(pos, 4) == "MTrk") {
            ++found;
            const qsizetype end = body + length;
            qsizetype p = body;
            std::uint64_t tick = 0;
            int status = 0;
            auto varLen = [&](std::uint32_t& v) {
                v = 0;
                for (int i = 0; i < 4; ++i) {
                    if (p >= end) return false;
                    const auto c = static_cast<std::uint8_t>(b[p++]);
                    v = (v << 7) | (c & 0x7F);
                    if (!(c & 0x80)) return true;
                }
                return false;
            };
            bool ended = false;
            while (p < end && !ended) {
                std::uint32_t delta;
                if (!varLen(delta)) return false;
                tick += delta;
                if (p >= end) return false;
                const auto c = static_cast<std::uint8_t>(b[p]);
                if (c & 0x80) {
                    status = c;
                    ++p;
                } else if (status == 0) {
                    return false;  // running status with nothing to run on
                }
                if (status == 0xFF) {
                    if (p >= end) return false;
                    const auto type = static_cast<std::uint8_t>(b[p++]);
                    std::uint32_t len;
                    if (!varLen(len) || len > static_cast<std::uint32_t>(end - p)) return false;
                    if (type == 0x51 && len == 3) tempos[tick] = be(b, p, 3);
                    if (type == 0x2F) ended = true;
                    p += len;
                    status = 0;
                } else if (status == 0xF0 || status == 0xF7) {
                    std::uint32_t len;
                    if (!varLen(len) || len > static_cast<std::uint32_t>(end - p)) return false;
                    p += len;
                    status = 0;
                } else if (status >= 0xF0) {
                    return false;
                } else {
                    const int data = ((status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0) ? 1 : 2;
                    if (end - p < data) return false;
                    for (int i = 0; i < data; ++i)
                        if (static_cast<std::uint8_t>(b[p + i]) & 0x80) return false;
                    p += data;
                }
            }
            lastTick = std::max(lastTick, tick);
        }
        pos = body + length;
    }
    if (found < tracks) return false;

    if (division & 0x8000) {  // SMPTE: frames per second times ticks per frame
        const int fps = -static_cast<std::int8_t>(division >> 8);
        const int perFrame = static_cast<int>(division & 0xFF);
        if (fps <= 0 || perFrame == 0) return false;
        seconds = static_cast<double>(lastTick) / (fps * perFrame);
        return true;
    }
    double s = 0;
    std::uint64_t at = 0;
    std::uint32_t usPerQuarter = 500000;
    for (const auto& [tick, us] : tempos) {
        if (tick >= lastTick) break;
        s += static_cast<double>(tick - at) * usPerQuarter / division / 1e6;
        at = tick;
        usPerQuarter = us;
    }
    s += static_cast<double>(lastTick - at) * usPerQuarter / division / 1e6;
    seconds = s;
    return true;
}

}  // namespace sound

namespace sound {

namespace {
// A Unix socket that accepts a connection: a sound server is listening there.
bool socketAnswers(const std::string& path) {
    sockaddr_un addr{};
    if (path.empty() || path.size() >= sizeof addr.sun_path) return false;
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0;
    close(fd);
    return ok;
}
}  // namespace

bool outputReachable(const std::string& driver) {
    if (driver == "pulseaudio") {
        // The server list of PULSE_SERVER, else the places a desktop's server listens.
        if (const char* servers = std::getenv("PULSE_SERVER"); servers && *servers) {
            for (const QString& entry : QString::fromLocal8Bit(servers).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                QString address = entry;
                if (address.startsWith(QLatin1Char('{'))) address = address.mid(address.indexOf(QLatin1Char('}')) + 1);
                if (address.startsWith(QLatin1String("unix:"))) address = address.mid(5);
                if (!address.startsWith(QLatin1Char('/'))) return true;  // a network server: taken on trust
                if (socketAnswers(address.toStdString())) return true;
            }
            return false;
        }
        std::vector<std::string> places;
        if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
            places.push_back(std::string(runtime) + "/pulse/native");
        places.push_back("/run/user/" + std::to_string(getuid()) + "/pulse/native");
        places.push_back("/run/pulse/native");
        return std::any_of(places.begin(), places.end(), socketAnswers);
    }
    if (driver == "alsa") {
        // A playback device of a sound card.
        const QStringList pcm = QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*D*p")}, QDir::System);
        return !pcm.isEmpty();
    }
    return false;
}

}  // namespace sound

namespace {

// fluidsynth writes its log to stderr unless told otherwise; keep it out of the
// learner's terminal.
void quietLog(int, const char*, void*) {}

QString cannotPlay(const std::string& path) { return QStringLiteral("Cannot play file %1").arg(QString::fromStdString(path)); }

// The library is loaded when the first sound is wanted, not at start-up: it brings in
// some thirty libraries that a session without sound never needs.
#define JAXO_FLUID_FUNCTIONS(X)                                                                                    \
    X(fluid_set_log_function) X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setnum)             \
    X(fluid_settings_setint) X(fluid_settings_setstr) X(new_fluid_synth) X(delete_fluid_synth)                    \
    X(fluid_synth_sfload) X(fluid_synth_process) X(fluid_synth_all_sounds_off) X(fluid_synth_system_reset)       \
    X(new_fluid_audio_driver2) X(delete_fluid_audio_driver) X(new_fluid_player) X(delete_fluid_player)            \
    X(fluid_player_set_loop) X(fluid_player_add_mem) X(fluid_player_play) X(fluid_player_get_status)              \
    X(fluid_player_get_total_ticks) X(fluid_player_get_current_tick)

struct FluidApi {
#define JAXO_DECLARE(f) decltype(&::f) f = nullptr;
    JAXO_FLUID_FUNCTIONS(JAXO_DECLARE)
#undef JAXO_DECLARE
};

#ifndef JAXO_FLUIDSYNTH_SONAME
#define JAXO_FLUIDSYNTH_SONAME "libfluidsynth.so.3"
#endif

// The library's functions, loaded once a run; null when it cannot be loaded.
const FluidApi* fluidApi() {
    static const FluidApi* const api = []() -> const FluidApi* {
        void* lib = nullptr;
        for (const char* name : {JAXO_FLUIDSYNTH_SONAME, "libfluidsynth.so.3", "libfluidsynth.so"})
            if ((lib = dlopen(name, RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
        if (!lib) return nullptr;
        static FluidApi a;
        bool complete = true;
#define JAXO_RESOLVE(f)                                                                                            \
    if (void* sym = dlsym(lib, #f))                                                                                \
        std::memcpy(&a.f, &sym, sizeof sym);                                                                       \
    else                                                                                                           \
        complete = false;
        JAXO_FLUID_FUNCTIONS(JAXO_RESOLVE)
#undef JAXO_RESOLVE
        if (!complete) return nullptr;
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) a.fluid_set_log_function(level, quietLog, nullptr);
        return &a;
    }();
    return api;
}

struct Click {
    std::vector<float> left, right;
};

using SteadyClock = std::chrono::steady_clock;
// A click that waited longer than this for its stream is no longer the key's.
constexpr auto kStaleClick = std::chrono::milliseconds(150);
// After a stream could not be opened, the next try waits this long.
constexpr auto kRetryOpen = std::chrono::seconds(2);

}  // namespace

struct FluidOutput::Impl {
    Options options;
    QObject context;  // lives on the GUI thread: the worker's reports arrive through it

    // Found once, without opening anything.
    std::string probedDriver;
    bool soundFontThere = false;

    // Shared by the GUI thread, the worker and the audio thread; the slow calls
    // (loading, opening, closing) are made without holding it.
    mutable std::mutex lock;
    const FluidApi* api = nullptr;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    bool synthTried = false;
    bool soundFontLoaded = false;
    fluid_audio_driver_t* driver = nullptr;
    std::string driverName;
    SteadyClock::time_point openFailedAt{};
    bool openFailed = false;
    fluid_player_t* player = nullptr;
    bool musicOn = false;
    std::shared_ptr<const Click> click;
    size_t clickPos = 0;
    SteadyClock::time_point clickAt{};
    // What the GUI thread asked for.
    bool wantSynth = false;
    bool wantStream = false;
    bool held = false;
    bool quit = false;
    bool busy = false;  // a reconcile is due or running
    std::condition_variable wake;
    std::thread worker;
    int rate = 44100;

    // Whether reconcile has anything to do; the lock is held.
    bool workDue() const {
        const bool synthDue = wantSynth && !synthTried;
        const bool streamDue = wantStream ? !driver && (!openFailed || SteadyClock::now() - openFailedAt >= kRetryOpen)
                                          : driver != nullptr;
        return synthDue || streamDue;
    }

    // GUI thread only.
    QByteArray piece;
    bool piecePending = false;  // waits for the SoundFont
    bool endReported = false;
    bool keepOpen = false;
    // When the player passed the piece's last tick; the player itself reports the end
    // only seconds later, when every voice has died away.
    QElapsedTimer pastLastTick;
    QTimer poller;
    QTimer closer;
    std::string clickPath;
    qint64 clickSize = -1;
    QDateTime clickTime;
    std::shared_ptr<const Click> loadedClick;
};

namespace {
int audioCallback(void* data, int len, int, float*[], int nout, float* out[]) {
    if (nout < 2) return FLUID_OK;
    static_cast<FluidOutput*>(data)->render(len, out[0], out[1]);
    return FLUID_OK;
}
}  // namespace

std::string FluidOutput::findSoundFont(const std::vector<std::string>& candidates) {
    for (const std::string& c : candidates)
        if (QFileInfo(QString::fromStdString(c)).isReadable()) return c;
    return candidates.empty() ? std::string() : candidates.back();
}

FluidOutput::FluidOutput() : FluidOutput(Options{}) {}

FluidOutput::FluidOutput(const Options& options) : d_(std::make_unique<Impl>()) {
    d_->options = options;
    d_->held = options.held;
    probe();
    d_->poller.setInterval(50);
    QObject::connect(&d_->poller, &QTimer::timeout, [this] { poll(); });
    d_->closer.setSingleShot(true);
    QObject::connect(&d_->closer, &QTimer::timeout, [this] { closeIfIdle(); });
}

FluidOutput::~FluidOutput() {
    d_->poller.stop();
    d_->closer.stop();
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        d_->quit = true;
    }
    d_->wake.notify_all();
    if (d_->worker.joinable()) d_->worker.join();
    const FluidApi* api = d_->api;
    if (!api) return;
    if (d_->driver) api->delete_fluid_audio_driver(d_->driver);  // no callback runs after this
    if (d_->player) api->delete_fluid_player(d_->player);
    if (d_->synth) api->delete_fluid_synth(d_->synth);
    if (d_->settings) api->delete_fluid_settings(d_->settings);
}

void FluidOutput::probe() {
    for (const std::string& name : d_->options.drivers)
        if (sound::outputReachable(name)) {
            d_->probedDriver = name;
            break;
        }
    // A SoundFont 2 file: RIFF, then its form type.
    QFile sf(QString::fromStdString(d_->options.soundFont));
    const QByteArray head = sf.open(QIODevice::ReadOnly) ? sf.read(12) : QByteArray();
    d_->soundFontThere = head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "sfbk";
}

int FluidOutput::waveDevices() {
    return d_->probedDriver.empty() ? 0 : 1;
}

int FluidOutput::midiDevices() { return waveDevices() != 0 && d_->soundFontThere ? 1 : 0; }

std::string FluidOutput::driverName() const {
    std::lock_guard<std::mutex> guard(d_->lock);
    return d_->driver ? d_->driverName : d_->probedDriver;
}

bool FluidOutput::streamOpen() const {
    std::lock_guard<std::mutex> guard(d_->lock);
    return d_->driver != nullptr;
}

bool FluidOutput::soundFontLoaded() const {
    std::lock_guard<std::mutex> guard(d_->lock);
    return d_->soundFontLoaded;
}

int FluidOutput::sampleRate() const { return d_->rate; }

void FluidOutput::release() {
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        if (!d_->held) return;
        d_->held = false;
    }
    want(d_->wantSynth, d_->wantStream);
}

void FluidOutput::want(bool synth, bool stream) {
    if (d_->probedDriver.empty()) stream = false;  // also when no driver is to be tried
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        d_->wantSynth = d_->wantSynth || synth;  // a loaded SoundFont stays
        d_->wantStream = stream;
        if (d_->held || !d_->workDue()) return;
        if (d_->options.loadOnWorker && d_->busy) {
            d_->wake.notify_all();  // the running reconcile looks again before it ends
            return;
        }
        d_->busy = true;
    }
    if (!d_->options.loadOnWorker) {
        reconcile();
        reconciled();
        return;
    }
    if (!d_->worker.joinable())
        d_->worker = std::thread([this] {
            std::unique_lock<std::mutex> guard(d_->lock);
            while (!d_->quit) {
                if (!d_->busy) {
                    d_->wake.wait(guard);
                    continue;
                }
                guard.unlock();
                reconcile();
                QMetaObject::invokeMethod(&d_->context, [this] { reconciled(); }, Qt::QueuedConnection);
                guard.lock();
            }
        });
    else
        d_->wake.notify_all();
}

void FluidOutput::reconcile() {
    Impl& d = *d_;
    for (;;) {
        bool wantSynth, wantStream, haveStream, synthTried;
        {
            std::lock_guard<std::mutex> guard(d.lock);
            wantSynth = d.wantSynth;
            wantStream = d.wantStream;
            haveStream = d.driver != nullptr;
            synthTried = d.synthTried;
            if (d.quit || !d.workDue()) {
                d.busy = false;
                return;
            }
        }
        if (!d.api) {
            const FluidApi* api = fluidApi();
            fluid_settings_t* settings = api ? api->new_fluid_settings() : nullptr;
            if (settings) {
                api->fluid_settings_setnum(settings, "synth.sample-rate", d.rate);
                api->fluid_settings_setnum(settings, "synth.gain", 0.6);
                api->fluid_settings_setint(settings, "synth.lock-memory", 0);
                api->fluid_settings_setstr(settings, "player.timing-source", "sample");
                api->fluid_settings_setint(settings, "audio.period-size", d.options.periodSize);
                api->fluid_settings_setint(settings, "audio.periods", d.options.periods);
                api->fluid_settings_setstr(settings, "audio.pulseaudio.media-role", "music");
            }
            std::lock_guard<std::mutex> guard(d.lock);
            if (!settings) {
                // No library: nothing will ever sound; stop asking.
                d.synthTried = true;
                d.openFailed = true;
                d.openFailedAt = SteadyClock::now() + std::chrono::hours(24 * 365);
                d.busy = false;
                return;
            }
            d.api = api;
            d.settings = settings;
        }
        const FluidApi& api = *d.api;
        if (wantStream && !haveStream) {
            // The stream first: a click waits for it, the music waits for the SoundFont too.
            fluid_audio_driver_t* driver = nullptr;
            std::string name;
            for (const std::string& n : d.options.drivers) {
                api.fluid_settings_setstr(d.settings, "audio.driver", n.c_str());
                {
                    // A click older than a moment belongs to a key long gone.
                    std::lock_guard<std::mutex> guard(d.lock);
                    if (d.click && SteadyClock::now() - d.clickAt > kStaleClick) d.click.reset();
                }
                if ((driver = api.new_fluid_audio_driver2(d.settings, audioCallback, this)) != nullptr) {
                    name = n;
                    break;
                }
            }
            std::lock_guard<std::mutex> guard(d.lock);
            d.driver = driver;
            if (driver) {
                d.driverName = name;
                d.openFailed = false;
            } else {
                d.openFailed = true;
                d.openFailedAt = SteadyClock::now();
            }
            continue;
        }
        if (!wantStream && haveStream) {
            fluid_audio_driver_t* driver;
            {
                std::lock_guard<std::mutex> guard(d.lock);
                driver = std::exchange(d.driver, nullptr);
            }
            api.delete_fluid_audio_driver(driver);  // joins the audio thread: not under the lock
            continue;
        }
        if (wantSynth && !synthTried) {
            fluid_synth_t* synth = api.new_fluid_synth(d.settings);
            bool loaded = false;
            if (synth && QFileInfo(QString::fromStdString(d.options.soundFont)).isReadable())
                loaded = api.fluid_synth_sfload(synth, d.options.soundFont.c_str(), 1) != FLUID_FAILED;
            std::lock_guard<std::mutex> guard(d.lock);
            d.synth = synth;
            d.soundFontLoaded = loaded;
            d.synthTried = true;
            continue;
        }
    }
}

void FluidOutput::reconciled() {
    if (d_->piecePending && soundFontLoaded()) {
        d_->piecePending = false;
        startPiece();
    }
    scheduleClose();
}

void FluidOutput::scheduleClose() {
    bool open, music;
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        open = d_->driver != nullptr || d_->wantStream;
        music = d_->musicOn || d_->piecePending;
    }
    if (!open || music || d_->keepOpen) {
        d_->closer.stop();
        return;
    }
    d_->closer.start(d_->options.closeAfterMs);
}

void FluidOutput::closeIfIdle() {
    bool sounding;
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        sounding = d_->musicOn || (d_->click && d_->clickPos < d_->click->left.size());
    }
    if (sounding || d_->keepOpen || d_->piecePending) {
        scheduleClose();
        return;
    }
    want(false, false);
}

void FluidOutput::keepOpen(bool on) {
    d_->keepOpen = on;
    if (on) {
        d_->closer.stop();
        want(false, true);
    } else {
        scheduleClose();
    }
}

void FluidOutput::render(int frames, float* left, float* right) {
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    std::lock_guard<std::mutex> guard(d_->lock);
    if (d_->musicOn && d_->synth) {
        float* out[2] = {left, right};
        float* fx[4] = {left, right, left, right};  // reverb and chorus into the same pair
        d_->api->fluid_synth_process(d_->synth, frames, 4, fx, 2, out);
    }
    if (d_->click && d_->clickPos < d_->click->left.size()) {
        const size_t n = std::min(static_cast<size_t>(frames), d_->click->left.size() - d_->clickPos);
        const float* l = d_->click->left.data() + d_->clickPos;
        const float* r = d_->click->right.data() + d_->clickPos;
        for (size_t i = 0; i < n; ++i) {
            left[i] += l[i];
            right[i] += r[i];
        }
        d_->clickPos += n;
    }
    for (int i = 0; i < frames; ++i) {
        left[i] = std::clamp(left[i], -1.0f, 1.0f);
        right[i] = std::clamp(right[i], -1.0f, 1.0f);
    }
}

bool FluidOutput::playMidi(const std::string& path, QString* error) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = errors::cannotOpen(path);
        return false;
    }
    // Read whole only when small enough to be a piece.
    const QByteArray bytes = f.size() <= kMaxFileBytes ? f.readAll() : QByteArray();
    double seconds = 0;
    if (bytes.size() > kMaxFileBytes || !sound::midiDuration(bytes, seconds)) {
        if (error) *error = cannotPlay(path);
        return false;
    }
    stopMidi();
    d_->piece = bytes;
    startPiece();
    return true;
}

void FluidOutput::startPiece() {
    d_->endReported = false;
    d_->pastLastTick.invalidate();
    if (d_->piece.isEmpty()) return;
    if (!soundFontLoaded()) {
        bool tried;
        {
            std::lock_guard<std::mutex> guard(d_->lock);
            tried = d_->synthTried;
        }
        if (tried) return;  // no SoundFont: nothing could sound
        d_->piecePending = true;
        want(true, true);
        return;  // reconciled() starts it once the SoundFont is in
    }
    const FluidApi& api = *d_->api;
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        if (d_->player) api.delete_fluid_player(d_->player);
        api.fluid_synth_all_sounds_off(d_->synth, -1);
        api.fluid_synth_system_reset(d_->synth);
        d_->player = api.new_fluid_player(d_->synth);
        if (d_->player) {
            api.fluid_player_set_loop(d_->player, 1);
            api.fluid_player_add_mem(d_->player, d_->piece.constData(), static_cast<size_t>(d_->piece.size()));
            api.fluid_player_play(d_->player);
        }
        d_->musicOn = d_->player != nullptr;
    }
    if (d_->player) {
        d_->poller.start();
        want(true, true);
    }
    scheduleClose();
}

void FluidOutput::stopMidi() {
    d_->poller.stop();
    d_->piece.clear();
    d_->piecePending = false;
    d_->endReported = false;
    d_->pastLastTick.invalidate();
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        // The synthesizer is no longer rendered, so the music and its reverb stop with
        // the next buffer; the voices are cut so that nothing resumes with the next piece.
        d_->musicOn = false;
        if (d_->player) {
            d_->api->delete_fluid_player(d_->player);
            d_->player = nullptr;
        }
        if (d_->synth) d_->api->fluid_synth_all_sounds_off(d_->synth, -1);
    }
    scheduleClose();
}

bool FluidOutput::midiStopped() {
    if (!d_->player) return false;
    const FluidApi& api = *d_->api;
    if (api.fluid_player_get_status(d_->player) == FLUID_PLAYER_DONE) return true;
    // Past the last tick, the last notes get half a second to fade before the repeat.
    const int total = api.fluid_player_get_total_ticks(d_->player);
    if (total <= 0 || api.fluid_player_get_current_tick(d_->player) < total) return false;
    if (!d_->pastLastTick.isValid()) d_->pastLastTick.start();
    return d_->pastLastTick.elapsed() >= 500;
}

void FluidOutput::replayMidi() { startPiece(); }

void FluidOutput::poll() {
    if (!midiStopped()) return;
    if (d_->endReported) return;
    d_->endReported = true;
    d_->poller.stop();
    if (onPieceEnded) onPieceEnded();
}

bool FluidOutput::playClick(const std::string& path, QString* error) {
    const QFileInfo info(QString::fromStdString(path));
    // Read again only when the file changed: a key press should cost a stat, not a decode.
    if (!d_->loadedClick || path != d_->clickPath || info.size() != d_->clickSize ||
        info.lastModified() != d_->clickTime) {
        QFile f(info.filePath());
        if (!f.open(QIODevice::ReadOnly)) {
            if (error) *error = errors::cannotOpen(path);
            return false;
        }
        sound::Wave wave;
        if (f.size() > kMaxFileBytes || !sound::parseWave(f.readAll(), wave)) {
            if (error) *error = cannotPlay(path);
            return false;
        }
        auto c = std::make_shared<Click>();
        c->left = sound::resample(wave.left, wave.rate, d_->rate);
        c->right = sound::resample(wave.right, wave.rate, d_->rate);
        d_->loadedClick = std::move(c);
        d_->clickPath = path;
        d_->clickSize = info.size();
        d_->clickTime = info.lastModified();
    }
    std::shared_ptr<const Click> old;
    bool open;
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        old = std::exchange(d_->click, d_->loadedClick);
        d_->clickPos = 0;  // a new key cuts the click that still sounds
        d_->clickAt = SteadyClock::now();
        open = d_->driver != nullptr;
    }
    if (!open) want(false, true);
    scheduleClose();
    return true;
}
