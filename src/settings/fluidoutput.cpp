#include "settings/fluidoutput.h"

#include "common/errors.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>

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

namespace {

// fluidsynth writes its log to stderr unless told otherwise; keep it out of the
// learner's terminal.
void quietLog(int, const char*, void*) {}

QString cannotPlay(const std::string& path) { return QStringLiteral("Cannot play file %1").arg(QString::fromStdString(path)); }

struct Click {
    std::vector<float> left, right;
};

}  // namespace

struct FluidOutput::Impl {
    Options options;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    std::string driverName;
    bool soundFontLoaded = false;
    int rate = 44100;

    // Shared with the audio thread.
    std::mutex lock;
    fluid_player_t* player = nullptr;
    bool musicOn = false;
    std::shared_ptr<const Click> click;
    size_t clickPos = 0;

    // GUI thread only.
    QByteArray piece;
    bool endReported = false;
    // When the player passed the piece's last tick; the player itself reports the end
    // only seconds later, when every voice has died away.
    QElapsedTimer pastLastTick;
    QTimer poller;
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
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, quietLog, nullptr);

    d_->settings = new_fluid_settings();
    if (!d_->settings) return;
    fluid_settings_setnum(d_->settings, "synth.sample-rate", d_->rate);
    fluid_settings_setnum(d_->settings, "synth.gain", 0.6);
    fluid_settings_setint(d_->settings, "synth.lock-memory", 0);
    fluid_settings_setstr(d_->settings, "player.timing-source", "sample");
    fluid_settings_setint(d_->settings, "audio.period-size", options.periodSize);
    fluid_settings_setint(d_->settings, "audio.periods", options.periods);
    fluid_settings_setstr(d_->settings, "audio.pulseaudio.media-role", "music");
    d_->synth = new_fluid_synth(d_->settings);
    if (!d_->synth) return;
    if (QFileInfo(QString::fromStdString(options.soundFont)).isReadable())
        d_->soundFontLoaded = fluid_synth_sfload(d_->synth, options.soundFont.c_str(), 1) != FLUID_FAILED;

    for (const std::string& name : options.drivers) {
        fluid_settings_setstr(d_->settings, "audio.driver", name.c_str());
        d_->driver = new_fluid_audio_driver2(d_->settings, audioCallback, this);
        if (d_->driver) {
            d_->driverName = name;
            break;
        }
    }

    d_->poller.setInterval(50);
    QObject::connect(&d_->poller, &QTimer::timeout, [this] { poll(); });
}

FluidOutput::~FluidOutput() {
    d_->poller.stop();
    if (d_->driver) delete_fluid_audio_driver(d_->driver);  // no callback runs after this
    if (d_->player) delete_fluid_player(d_->player);
    if (d_->synth) delete_fluid_synth(d_->synth);
    if (d_->settings) delete_fluid_settings(d_->settings);
}

int FluidOutput::waveDevices() { return d_->driver ? 1 : 0; }
int FluidOutput::midiDevices() { return d_->driver && d_->soundFontLoaded ? 1 : 0; }
std::string FluidOutput::driverName() const { return d_->driverName; }
int FluidOutput::sampleRate() const { return d_->rate; }

void FluidOutput::render(int frames, float* left, float* right) {
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    std::lock_guard<std::mutex> guard(d_->lock);
    if (d_->musicOn && d_->synth) {
        float* out[2] = {left, right};
        float* fx[4] = {left, right, left, right};  // reverb and chorus into the same pair
        fluid_synth_process(d_->synth, frames, 4, fx, 2, out);
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
    const QByteArray bytes = f.read(16 * 1024 * 1024);
    double seconds = 0;
    if (!sound::midiDuration(bytes, seconds)) {
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
    if (!d_->synth || !d_->soundFontLoaded || d_->piece.isEmpty()) return;  // nothing could sound
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        if (d_->player) delete_fluid_player(d_->player);
        fluid_synth_all_sounds_off(d_->synth, -1);
        fluid_synth_system_reset(d_->synth);
        d_->player = new_fluid_player(d_->synth);
        if (d_->player) {
            fluid_player_set_loop(d_->player, 1);
            fluid_player_add_mem(d_->player, d_->piece.constData(), static_cast<size_t>(d_->piece.size()));
            fluid_player_play(d_->player);
        }
        d_->musicOn = d_->player != nullptr;
    }
    if (d_->player) d_->poller.start();
}

void FluidOutput::stopMidi() {
    d_->poller.stop();
    d_->piece.clear();
    d_->endReported = false;
    d_->pastLastTick.invalidate();
    std::lock_guard<std::mutex> guard(d_->lock);
    // The synthesizer is no longer rendered, so the music and its reverb stop with the
    // next buffer; the voices are cut so that nothing resumes with the next piece.
    d_->musicOn = false;
    if (d_->player) {
        delete_fluid_player(d_->player);
        d_->player = nullptr;
    }
    if (d_->synth) fluid_synth_all_sounds_off(d_->synth, -1);
}

bool FluidOutput::midiStopped() {
    if (!d_->player) return false;
    if (fluid_player_get_status(d_->player) == FLUID_PLAYER_DONE) return true;
    // Past the last tick, the last notes get half a second to fade before the repeat.
    const int total = fluid_player_get_total_ticks(d_->player);
    if (total <= 0 || fluid_player_get_current_tick(d_->player) < total) return false;
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
        if (!sound::parseWave(f.read(16 * 1024 * 1024), wave)) {
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
    {
        std::lock_guard<std::mutex> guard(d_->lock);
        old = std::exchange(d_->click, d_->loadedClick);
        d_->clickPos = 0;  // a new key cuts the click that still sounds
    }
    return true;
}
