#include "settings/music.h"

SoundSystem::SoundSystem(MainWindowState& state, RandomSource& random, SoundOutput& output,
                         std::function<void(const QString&)> reportError)
    : state_(state), random_(random), output_(output), reportError_(std::move(reportError)) {
    output_.onPieceEnded = [this] { MediaPlayer1Notify(); };
}

void SoundSystem::music() {
    if (state_.soundOk != 1) return;
    output_.stopMidi();
    int k = 0;
    while (k == 0) k = random_.next() % 4;  // 0 draws again: only 1, 2 and 3 remain
    const std::string path = state_.appDir + "/music" + std::to_string(k) + ".mid";
    QString error;
    if (!output_.playMidi(path, &error)) report(path, error);
}

void SoundSystem::nomusic() {
    if (state_.soundOk != 1) return;
    output_.stopMidi();
}

void SoundSystem::MediaPlayer1Notify() {
    if (output_.midiStopped()) output_.replayMidi();
}

void SoundSystem::playKeySound() {
    if (state_.soundOk != 1 || !state_.settings.keySound) return;
    QString error;
    const std::string path = state_.appDir + "/key.wav";
    if (!output_.playClick(path, &error)) report(path, error);
}

void SoundSystem::keySoundAhead(bool on) {
    if (state_.soundOk != 1) return;
    output_.keepOpen(on && state_.settings.keySound);
}

void SoundSystem::report(const std::string& path, const QString& error) {
    if (!reported_.insert(path).second) return;
    if (reportError_) reportError_(error);
}
