#pragma once
// The sound device on libfluidsynth: one audio stream whose callback renders the
// synthesizer (the music) and mixes in the key click. A single stream keeps the click
// quick and never lost, however fast the keys come.
#include "sound/music.h"

#include <QByteArray>
#include <memory>
#include <string>
#include <vector>

namespace sound {

// A decoded wave: one or two channels of samples in -1..1.
struct Wave {
    int rate = 0;
    std::vector<float> left;
    std::vector<float> right;  // equal to left for a mono file
};

// RIFF WAVE with integer PCM of 8, 16, 24 or 32 bits or 32-bit float, one or more
// channels (the first two are kept). False for anything else or a cut-off file.
bool parseWave(const QByteArray& bytes, Wave& out);

// Linear interpolation from one sample rate to another.
std::vector<float> resample(const std::vector<float>& in, int fromRate, int toRate);

// A Standard MIDI File whose chunks and events all parse: its length in seconds,
// following the tempo changes. False when the file is not one.
bool midiDuration(const QByteArray& bytes, double& seconds);

// Whether an output of the driver ("pulseaudio", "alsa") could be opened: a sound
// server answers on its socket, or a sound card has a playback device. Opens nothing.
bool outputReachable(const std::string& driver);

}  // namespace sound

class FluidOutput : public SoundOutput {
public:
    // Debian's alternatives link to the General MIDI SoundFont the system prefers, then
    // the small one the package depends on.
    static constexpr const char* kDefaultGm = "/usr/share/sounds/sf2/default-GM.sf2";
    static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    // The first readable file of the list; the last one when none is.
    static std::string findSoundFont(const std::vector<std::string>& candidates = {kDefaultGm, kSoundFont});
    // A larger piece or click is none of this program's; it is refused, not read.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

    struct Options {
        // Tried in order; an empty list opens no output (the synthesizer still renders
        // through render(), which tests use).
        std::vector<std::string> drivers{"pulseaudio", "alsa"};
        std::string soundFont = findSoundFont();
        int periodSize = 256;
        int periods = 4;
        // The stream is closed after this long without a sound, unless music plays or
        // keys are expected (keepOpen).
        int closeAfterMs = 5000;
        // Load the library and the SoundFont and open the stream on a worker thread, so
        // the window never waits for them; false does it on the caller's thread.
        bool loadOnWorker = true;
        // Nothing is loaded or opened before release(): the program calls it once its
        // main window is on screen.
        bool held = false;
    };

    FluidOutput();
    explicit FluidOutput(const Options& options);
    ~FluidOutput() override;
    FluidOutput(const FluidOutput&) = delete;
    FluidOutput& operator=(const FluidOutput&) = delete;

    // 1 when an output of one of the drivers can be reached (a sound server answers,
    // or a sound card is there), else 0. Nothing is opened to find it out.
    int waveDevices() override;
    // 1 when there is an output and the SoundFont is there, else 0.
    int midiDevices() override;
    bool playMidi(const std::string& path, QString* error) override;
    void stopMidi() override;
    bool midiStopped() override;
    void replayMidi() override;
    bool playClick(const std::string& path, QString* error) override;
    void keepOpen(bool on) override;

    // Lets held work go on (see Options::held).
    void release();
    // The driver that was opened, or before that the one that would be ("pulseaudio",
    // "alsa"); empty when none can be.
    std::string driverName() const;
    // True while an output stream is open.
    bool streamOpen() const;
    // True once the SoundFont has been loaded into the synthesizer.
    bool soundFontLoaded() const;
    int sampleRate() const;
    // Fills both buffers with the next frames: the music (while a piece plays) plus the
    // click. The audio callback runs it; without a driver, tests call it directly.
    void render(int frames, float* left, float* right);
    // Reports a piece that has played to its end through onPieceEnded, once. A timer
    // runs it on the GUI thread while a piece plays.
    void poll();

private:
    struct Impl;
    void probe();
    void startPiece();
    // What the output should have: a synthesizer with its SoundFont, an open stream.
    void want(bool synth, bool stream);
    // Runs on the worker (or the caller): brings the output to what is wanted.
    void reconcile();
    // On the GUI thread, after reconcile.
    void reconciled();
    void scheduleClose();
    void closeIfIdle();
    std::unique_ptr<Impl> d_;
};
