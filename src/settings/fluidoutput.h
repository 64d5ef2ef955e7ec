#pragma once
// The sound device on libfluidsynth: one audio stream whose callback renders the
// synthesizer (the music) and mixes in the key click. A single stream keeps the click
// quick and never lost, however fast the keys come.
#include "settings/music.h"

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

}  // namespace sound

class FluidOutput : public SoundOutput {
public:
    // Debian's alternatives link to the General MIDI SoundFont the system prefers, then
    // the small one the package depends on.
    static constexpr const char* kDefaultGm = "/usr/share/sounds/sf2/default-GM.sf2";
    static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    // The first readable file of the list; the last one when none is.
    static std::string findSoundFont(const std::vector<std::string>& candidates = {kDefaultGm, kSoundFont});

    struct Options {
        // Tried in order; an empty list opens no output (the synthesizer still renders
        // through render(), which tests use).
        std::vector<std::string> drivers{"pulseaudio", "alsa"};
        std::string soundFont = findSoundFont();
        int periodSize = 256;
        int periods = 4;
    };

    FluidOutput();
    explicit FluidOutput(const Options& options);
    ~FluidOutput() override;
    FluidOutput(const FluidOutput&) = delete;
    FluidOutput& operator=(const FluidOutput&) = delete;

    // 1 when an audio output was opened, else 0.
    int waveDevices() override;
    // 1 when an output was opened and the SoundFont loaded, else 0.
    int midiDevices() override;
    bool playMidi(const std::string& path, QString* error) override;
    void stopMidi() override;
    bool midiStopped() override;
    void replayMidi() override;
    bool playClick(const std::string& path, QString* error) override;

    // The driver that was opened ("pulseaudio", "alsa"), or empty.
    std::string driverName() const;
    int sampleRate() const;
    // Fills both buffers with the next frames: the music (while a piece plays) plus the
    // click. The audio callback runs it; without a driver, tests call it directly.
    void render(int frames, float* left, float* right);
    // Reports a piece that has played to its end through onPieceEnded, once. A timer
    // runs it on the GUI thread while a piece plays.
    void poll();

private:
    struct Impl;
    void startPiece();
    std::unique_ptr<Impl> d_;
};
