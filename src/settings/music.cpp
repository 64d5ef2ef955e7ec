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
    if (!output_.playMidi(path, &error) && reportError_) reportError_(error);
}

void SoundSystem::nomusic() {
    if (state_.soundOk != 1) return;
    output_.stopMidi();
}

void SoundSystem::MediaPlayer1Notify() {
    if (output_.midiStopped()) output_.replayMidi();
}

void SoundSystem::playKeySound() {
    if (state_.soundOk != 1 || !isOn(state_.keySound)) return;
    QString error;
    if (!output_.playClick(state_.appDir + "/key.wav", &error) && reportError_) reportError_(error);
}
