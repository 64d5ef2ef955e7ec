#include "sound/music.h"

SoundSystem::SoundSystem(const Settings& settings, std::string appDir, RandomSource& random, SoundOutput& output,
                         std::function<void(const QString&)> reportError)
    : settings_(settings),
      appDir_(std::move(appDir)),
      random_(random),
      output_(output),
      reportError_(std::move(reportError)),
      working_(output.waveDevices() != 0 || output.midiDevices() != 0) {
    output_.onPieceEnded = [this] { MediaPlayer1Notify(); };
}

void SoundSystem::music() {
    if (!working_) return;
    output_.stopMidi();
    int k = 0;
    while (k == 0) k = random_.next() % 4;  // 0 draws again: only 1, 2 and 3 remain
    const std::string path = appDir_ + "/music" + std::to_string(k) + ".mid";
    QString error;
    if (!output_.playMidi(path, &error)) report(path, error);
}

void SoundSystem::nomusic() {
    if (!working_) return;
    output_.stopMidi();
}

void SoundSystem::mainScreenMusic() {
    if (settings_.mainMusic)
        music();
    else
        nomusic();
}

void SoundSystem::MediaPlayer1Notify() {
    if (output_.midiStopped()) output_.replayMidi();
}

void SoundSystem::playKeySound() {
    if (!working_ || !settings_.keySound) return;
    QString error;
    const std::string path = appDir_ + "/key.wav";
    if (!output_.playClick(path, &error)) report(path, error);
}

void SoundSystem::keySoundAhead(bool on) {
    if (!working_) return;
    output_.keepOpen(on && settings_.keySound);
}

void SoundSystem::report(const std::string& path, const QString& error) {
    if (!reported_.insert(path).second) return;
    if (reportError_) reportError_(error);
}
