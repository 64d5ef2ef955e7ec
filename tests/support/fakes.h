#pragma once
// Fakes of the platform services for tests.
#include "common/platform.h"
#include "sound/music.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// Milliseconds that move only when a test moves them; noon reads as 12 hours in.
class FakeClock : public Clock {
public:
    std::int64_t now = 12 * 3600 * 1000;
    std::int64_t msecs() override { return now; }
    void advanceSeconds(double s) { now += static_cast<std::int64_t>(s * 1000); }
    void set(int h, int m, int s) { now = (h * 3600 + m * 60 + s) * std::int64_t{1000}; }
};

class FakeMessages : public Messages {
public:
    QStringList errors;
    QStringList questions;
    bool answerYes = false;
    int beeps = 0;
    // Runs while a question is open (before it is answered), as a timer tick could.
    std::function<void()> duringQuestion;
    // Runs while an error box is open.
    std::function<void()> duringError;
    void showError(const QString& text) override {
        errors << text;
        if (duringError) duringError();
    }
    bool askYesNo(const QString& caption, const QString& text) override {
        questions << caption + QLatin1Char('|') + text;
        if (duringQuestion) duringQuestion();
        return answerYes;
    }
    void beep() override { ++beeps; }
};

class FakeShell : public Shell {
public:
    QStringList opened;
    bool openDocument(const QString& path) override {
        opened << path;
        return true;
    }
};

class FakeSound : public SoundOutput {
public:
    int devices = 1;
    std::vector<std::string> played;  // every playMidi path, in order
    std::vector<std::string> clicks;
    int stops = 0;
    int replays = 0;
    bool stopped = false;
    bool playing = false;
    QString failWith;  // when set, every play fails with this text
    int waveDevices() override { return devices; }
    int midiDevices() override { return devices; }
    bool playMidi(const std::string& path, QString* error) override {
        if (!failWith.isEmpty()) {
            if (error) *error = failWith;
            return false;
        }
        played.push_back(path);
        playing = true;
        stopped = false;
        return true;
    }
    void stopMidi() override {
        ++stops;
        playing = false;
    }
    bool midiStopped() override { return stopped; }
    void replayMidi() override {
        ++replays;
        stopped = false;
        playing = true;
    }
    bool playClick(const std::string& path, QString* error) override {
        if (!failWith.isEmpty()) {
            if (error) *error = failWith;
            return false;
        }
        clicks.push_back(path);
        return true;
    }
    std::vector<bool> keptOpen;  // every keepOpen call, in order
    void keepOpen(bool on) override { keptOpen.push_back(on); }
    // The end of a piece, as the device reports it.
    void endPiece() {
        stopped = true;
        playing = false;
        if (onPieceEnded) onPieceEnded();
    }
};
