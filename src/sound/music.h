#pragma once
// Background music (one of three pieces, repeated without end) and the key click.
#include "common/randomsource.h"
#include "settings/settings.h"

#include <QString>
#include <functional>
#include <set>
#include <string>

// The sound device: one output stream that plays a MIDI piece and mixes in a click.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Opened outputs and usable synthesizers; both 0 when no output could be opened.
    virtual int waveDevices() = 0;
    virtual int midiDevices() = 0;
    // Stops what plays and plays the piece from its start. False, with the reason in
    // error, when the file cannot be read.
    virtual bool playMidi(const std::string& path, QString* error) = 0;
    virtual void stopMidi() = 0;
    // True when a piece is open and has played to its end.
    virtual bool midiStopped() = 0;
    // Replays the open piece from its start.
    virtual void replayMidi() = 0;
    // Restarts the click from its beginning. False, with the reason, when unreadable.
    virtual bool playClick(const std::string& path, QString* error) = 0;
    // Keys that click are coming (true) or no longer (false): an output that opens its
    // stream on demand opens it ahead, so that the first click is as quick as the rest.
    virtual void keepOpen(bool) {}
    // Called on the GUI thread when a piece has played to its end.
    std::function<void()> onPieceEnded;
};

// A machine without sound.
class SilentOutput : public SoundOutput {
public:
    int waveDevices() override { return 0; }
    int midiDevices() override { return 0; }
    bool playMidi(const std::string&, QString*) override { return true; }
    void stopMidi() override {}
    bool midiStopped() override { return false; }
    void replayMidi() override {}
    bool playClick(const std::string&, QString*) override { return true; }
};

class SoundSystem {
public:
    // `settings` are those in effect, read as each sound is wanted; the pieces and the
    // click are in appDir. The output is asked once, here, whether it found a device.
    SoundSystem(const Settings& settings, std::string appDir, RandomSource& random, SoundOutput& output,
                std::function<void(const QString&)> reportError);

    // An output device was found: without one nothing plays and nothing is asked of it.
    bool working() const { return working_; }
    // Stops what plays and starts a randomly chosen piece (music1 to music3).
    void music();
    void nomusic();
    // The main screen's music as the settings say: a piece drawn anew, or none.
    void mainScreenMusic();
    // End of a piece: the same piece again from its start.
    void MediaPlayer1Notify();
    // The click, when sound works and the key-sound switch is on.
    void playKeySound();
    // An exercise whose keys click starts (true) or the main screen is back (false).
    void keySoundAhead(bool on);

    SoundOutput& output() { return output_; }

private:
    // A file that cannot be played is reported once a run: a missing click would
    // otherwise put a message in front of every key.
    void report(const std::string& path, const QString& error);
    std::set<std::string> reported_;
    const Settings& settings_;
    const std::string appDir_;
    RandomSource& random_;
    SoundOutput& output_;
    std::function<void(const QString&)> reportError_;
    const bool working_;
};
