// Writes the program's sounds: three General MIDI background pieces, composed here as
// note lists, and the short key click.
//
//   mediagen <outDir>
//
// Writes music1.mid, music2.mid, music3.mid (Standard MIDI File, format 1) and key.wav
// (16-bit mono PCM) into outDir.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kPpq = 480;         // ticks per quarter note
constexpr int kEighth = kPpq / 2;  // note lists count in eighths

// ---------------------------------------------------------------------------------
// Standard MIDI File writer

struct Event {
    std::uint32_t tick;
    int order;  // at equal ticks: meta and programs first, note-offs before note-ons
    std::vector<std::uint8_t> bytes;
};

class Track {
public:
    explicit Track(std::string name) : name_(std::move(name)) {}

    void meta(std::uint32_t tick, std::uint8_t type, std::vector<std::uint8_t> data) {
        std::vector<std::uint8_t> b{0xFF, type};
        appendVarLen(b, static_cast<std::uint32_t>(data.size()));
        b.insert(b.end(), data.begin(), data.end());
        events_.push_back({tick, 0, std::move(b)});
    }
    void tempo(std::uint32_t tick, int bpm) {
        const std::uint32_t us = 60000000u / static_cast<std::uint32_t>(bpm);
        meta(tick, 0x51, {static_cast<std::uint8_t>(us >> 16), static_cast<std::uint8_t>(us >> 8),
                          static_cast<std::uint8_t>(us)});
    }
    void timeSignature(std::uint32_t tick, int beats) { meta(tick, 0x58, {static_cast<std::uint8_t>(beats), 2, 24, 8}); }
    void program(std::uint32_t tick, int ch, int prog) {
        events_.push_back({tick, 1, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(prog)}});
    }
    void controller(std::uint32_t tick, int ch, int cc, int value) {
        events_.push_back({tick, 1,
                           {static_cast<std::uint8_t>(0xB0 | ch), static_cast<std::uint8_t>(cc),
                            static_cast<std::uint8_t>(value)}});
    }
    void note(std::uint32_t tick, std::uint32_t length, int ch, int key, int velocity) {
        if (key < 0 || key > 127) throw std::runtime_error("note out of range");
        velocity = std::max(1, std::min(127, velocity));
        const auto c = static_cast<std::uint8_t>(ch);
        const auto k = static_cast<std::uint8_t>(key);
        events_.push_back({tick, 3, {static_cast<std::uint8_t>(0x90 | c), k, static_cast<std::uint8_t>(velocity)}});
        events_.push_back({tick + length, 2, {static_cast<std::uint8_t>(0x80 | c), k, 0}});
    }

    std::vector<std::uint8_t> chunk() const {
        std::vector<Event> ev = events_;
        std::stable_sort(ev.begin(), ev.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<std::uint8_t> body;
        appendVarLen(body, 0);
        body.push_back(0xFF);
        body.push_back(0x03);
        appendVarLen(body, static_cast<std::uint32_t>(name_.size()));
        body.insert(body.end(), name_.begin(), name_.end());
        std::uint32_t now = 0;
        for (const Event& e : ev) {
            appendVarLen(body, e.tick - now);
            now = e.tick;
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        }
        const std::uint8_t end[] = {0x00, 0xFF, 0x2F, 0x00};
        body.insert(body.end(), std::begin(end), std::end(end));
        std::vector<std::uint8_t> out = {'M', 'T', 'r', 'k'};
        appendBe32(out, static_cast<std::uint32_t>(body.size()));
        out.insert(out.end(), body.begin(), body.end());
        return out;
    }

    static void appendVarLen(std::vector<std::uint8_t>& b, std::uint32_t v) {
        std::uint8_t tmp[5];
        int n = 0;
        tmp[n++] = static_cast<std::uint8_t>(v & 0x7F);
        while ((v >>= 7) != 0) tmp[n++] = static_cast<std::uint8_t>(0x80 | (v & 0x7F));
        while (n > 0) b.push_back(tmp[--n]);
    }
    static void appendBe32(std::vector<std::uint8_t>& b, std::uint32_t v) {
        for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
    }

private:
    std::string name_;
    std::vector<Event> events_;
};

void writeMidiFile(const std::string& path, const std::vector<Track>& tracks) {
    std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(static_cast<std::uint8_t>(tracks.size() >> 8));
    out.push_back(static_cast<std::uint8_t>(tracks.size()));
    out.push_back(static_cast<std::uint8_t>(kPpq >> 8));
    out.push_back(static_cast<std::uint8_t>(kPpq & 0xFF));
    for (const Track& t : tracks) {
        const auto c = t.chunk();
        out.insert(out.end(), c.begin(), c.end());
    }
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
}

// ---------------------------------------------------------------------------------
// Note lists
//
// A melody is a list of "pitch:eighths" tokens ("E5:2", "Bb4:3", "G#5:1", "r:4" a rest);
// "|" marks a bar line and is checked against the metre. A chord line gives one or two
// chords per bar ("C", "Am", "G/B", "Dm7", "G7", "Fmaj7", "Esus4"; two share the bar).

int pitchOf(const std::string& t) {
    static const int base[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (t.empty() || t[0] < 'A' || t[0] > 'G') throw std::runtime_error("bad pitch " + t);
    int semis = base[t[0] - 'A'];
    size_t i = 1;
    if (i < t.size() && t[i] == '#') semis++, i++;
    else if (i < t.size() && t[i] == 'b') semis--, i++;
    if (i >= t.size()) return semis;  // pitch class only
    const int octave = std::stoi(t.substr(i));
    return (octave + 1) * 12 + semis;
}

struct Note {
    int key;  // -1 for a rest
    int eighths;
};

std::vector<Note> parseMelody(const std::string& text, int eighthsPerBar, int bars) {
    std::vector<Note> out;
    std::string spaced;
    for (char c : text) spaced += c == '|' ? std::string(" | ") : std::string(1, c);
    std::istringstream in(spaced);
    std::string tok;
    int inBar = 0, barCount = 0;
    while (in >> tok) {
        if (tok == "|") {
            if (inBar != eighthsPerBar) throw std::runtime_error("bar " + std::to_string(barCount + 1) + " is off in: " + text);
            inBar = 0;
            ++barCount;
            continue;
        }
        const auto colon = tok.find(':');
        if (colon == std::string::npos) throw std::runtime_error("no length: " + tok);
        const std::string p = tok.substr(0, colon);
        const int len = std::stoi(tok.substr(colon + 1));
        out.push_back({p == "r" ? -1 : pitchOf(p), len});
        inBar += len;
    }
    if (inBar != 0) {
        if (inBar != eighthsPerBar) throw std::runtime_error("last bar is off in: " + text);
        ++barCount;
    }
    if (barCount != bars) throw std::runtime_error("expected " + std::to_string(bars) + " bars in: " + text);
    return out;
}

struct Chord {
    int root;   // pitch class
    int bass;   // pitch class of the lowest note
    std::vector<int> tones;  // intervals above the root
    int eighths;
};

Chord parseChord(const std::string& sym, int eighths) {
    std::string s = sym;
    int bass = -1;
    if (const auto slash = s.find('/'); slash != std::string::npos) {
        bass = pitchOf(s.substr(slash + 1));
        s = s.substr(0, slash);
    }
    size_t n = (s.size() > 1 && (s[1] == '#' || s[1] == 'b')) ? 2 : 1;
    const int root = pitchOf(s.substr(0, n));
    const std::string q = s.substr(n);
    std::vector<int> tones;
    if (q.empty()) tones = {0, 4, 7};
    else if (q == "m") tones = {0, 3, 7};
    else if (q == "7") tones = {0, 4, 7, 10};
    else if (q == "m7") tones = {0, 3, 7, 10};
    else if (q == "maj7") tones = {0, 4, 7, 11};
    else if (q == "sus4") tones = {0, 5, 7};
    else throw std::runtime_error("unknown chord " + sym);
    return {root, bass < 0 ? root : bass, tones, eighths};
}

std::vector<Chord> parseChords(const std::string& text, int eighthsPerBar, int bars) {
    std::vector<Chord> out;
    std::istringstream lines(text);
    std::string bar;
    int count = 0;
    while (std::getline(lines, bar, '|')) {
        std::istringstream in(bar);
        std::vector<std::string> syms;
        std::string s;
        while (in >> s) syms.push_back(s);
        if (syms.empty()) continue;
        if (syms.size() > 2) throw std::runtime_error("too many chords in a bar: " + bar);
        const int each = eighthsPerBar / static_cast<int>(syms.size());
        for (const auto& sym : syms) out.push_back(parseChord(sym, each));
        ++count;
    }
    if (count != bars) throw std::runtime_error("expected " + std::to_string(bars) + " chord bars in: " + text);
    return out;
}

// The chord's tones as keys at or above `low`, in close position.
std::vector<int> voice(const Chord& c, int low) {
    std::vector<int> keys;
    for (int t : c.tones) {
        int k = low + ((c.root + t - low) % 12 + 12) % 12;
        keys.push_back(k);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

// The bass note of a chord between E2 (40) and D#3 (51).
int bassKey(const Chord& c) { return 40 + ((c.bass - 4) % 12 + 12) % 12; }

// ---------------------------------------------------------------------------------
// Arrangement

enum class Style { Pop, Waltz, Groove };

struct Section {
    int bars;
    const char* chords;
    const char* melody;  // empty: accompaniment only
    int drums;           // 0 none, 1 light, 2 full
};

struct Piece {
    const char* file;
    const char* title;
    int bpm;
    int beatsPerBar;  // quarter notes
    Style style;
    int melodyProgram, padProgram, bassProgram, extraProgram;  // General MIDI, 0-based
    std::vector<Section> sections;
};

// Channels: 0 melody, 1 pad, 2 bass, 3 the extra part (arpeggio or harp), 9 drums.
std::vector<Track> arrange(const Piece& p) {
    const int perBar = p.beatsPerBar * 2;  // eighths
    Track conductor(p.title);
    conductor.tempo(0, p.bpm);
    conductor.timeSignature(0, p.beatsPerBar);
    Track melody("Melody"), pad("Pad"), bass("Bass"), extra("Accompaniment"), drums("Drums");

    struct Setup {
        Track* t;
        int ch, prog, volume, pan, reverb;
    };
    const Setup setups[] = {{&melody, 0, p.melodyProgram, 100, 64, 40},
                            {&pad, 1, p.padProgram, 62, 44, 50},
                            {&bass, 2, p.bassProgram, 96, 64, 20},
                            {&extra, 3, p.extraProgram, 74, 84, 40}};
    for (const auto& s : setups) {
        s.t->program(0, s.ch, s.prog);
        s.t->controller(0, s.ch, 7, s.volume);
        s.t->controller(0, s.ch, 10, s.pan);
        s.t->controller(0, s.ch, 91, s.reverb);
    }
    drums.controller(0, 9, 7, 78);
    drums.controller(0, 9, 91, 30);

    std::uint32_t barStart = 0;
    int barNumber = 0;
    for (const Section& sec : p.sections) {
        const auto chords = parseChords(sec.chords, perBar, sec.bars);
        // Melody: a little accent on the first note of a bar, the rest even.
        if (sec.melody[0] != '\0') {
            std::uint32_t t = barStart;
            for (const Note& n : parseMelody(sec.melody, perBar, sec.bars)) {
                const std::uint32_t len = static_cast<std::uint32_t>(n.eighths * kEighth);
                const bool onBar = (t - barStart) % static_cast<std::uint32_t>(perBar * kEighth) == 0;
                if (n.key >= 0) melody.note(t, len - 20, 0, n.key, onBar ? 88 : 78 + (n.eighths > 2 ? 4 : 0));
                t += len;
            }
        }
        // Accompaniment, chord by chord.
        std::uint32_t t = barStart;
        for (const Chord& c : chords) {
            const std::uint32_t len = static_cast<std::uint32_t>(c.eighths * kEighth);
            const int steps = c.eighths;
            const int b = bassKey(c);
            const int fifth = b + 7 <= 55 ? b + 7 : b - 5;
            for (int k : voice(c, p.style == Style::Waltz ? 60 : 57)) pad.note(t, len - 10, 1, k, 46);
            switch (p.style) {
            case Style::Pop:
                // Bass: root, root, fifth; guitar: broken chord in eighths.
                for (int i = 0; i < steps; i += 4) {
                    bass.note(t + i * kEighth, 3 * kEighth - 20, 2, b, 84);
                    bass.note(t + (i + 3) * kEighth, kEighth - 20, 2, i + 4 < steps ? b : fifth, 66);
                }
                {
                    const auto v = voice(c, 52);
                    const size_t pattern[] = {0, 1, 2, 1};
                    for (int i = 0; i < steps; ++i)
                        extra.note(t + i * kEighth, kEighth * 2 - 30, 3, v[pattern[i % 4]], i % 2 == 0 ? 58 : 48);
                }
                break;
            case Style::Waltz:
                // Oom-pah-pah: bass on one, harp chords on two and three.
                for (int i = 0; i < steps; i += 6) {
                    bass.note(t + i * kEighth, 4 * kEighth - 20, 2, b, 80);
                    for (int beat = 2; beat < 6; beat += 2)
                        for (int k : voice(c, 64)) extra.note(t + (i + beat) * kEighth, 2 * kEighth - 20, 3, k, beat == 2 ? 54 : 48);
                }
                break;
            case Style::Groove:
                // Bass a little syncopated; electric piano stabs on the off-beats of two and four.
                for (int i = 0; i < steps; i += 4) {
                    bass.note(t + i * kEighth, 2 * kEighth - 30, 2, b, 86);
                    bass.note(t + (i + 2) * kEighth, kEighth - 30, 2, b + 12, 62);
                    bass.note(t + (i + 3) * kEighth, kEighth - 30, 2, fifth, 70);
                    for (int k : voice(c, 55)) extra.note(t + (i + 1) * kEighth, kEighth - 40, 3, k, 50);
                }
                break;
            }
            t += len;
        }
        // Drums, bar by bar.
        for (int bar = 0; bar < sec.bars && sec.drums > 0; ++bar) {
            const std::uint32_t bt = barStart + static_cast<std::uint32_t>(bar * perBar * kEighth);
            for (int i = 0; i < perBar; ++i) {
                const std::uint32_t at = bt + static_cast<std::uint32_t>(i * kEighth);
                drums.note(at, kEighth / 2, 9, 42, i % 2 == 0 ? 46 : 34);  // closed hi-hat
                if (i == 0 || (i == 4 && perBar == 8)) drums.note(at, kEighth / 2, 9, 36, 70);  // kick
                if (p.style == Style::Groove && i == 5) drums.note(at, kEighth / 2, 9, 36, 56);
                if (sec.drums > 1 && (i == 2 || i == 6)) drums.note(at, kEighth / 2, 9, 37, 52);  // side stick
            }
            if (sec.drums > 1 && (barNumber + bar) % 8 == 0) drums.note(bt, kEighth * 2, 9, 49, 50);  // crash
        }
        barStart += static_cast<std::uint32_t>(sec.bars * perBar * kEighth);
        barNumber += sec.bars;
    }
    std::vector<Track> tracks;
    tracks.push_back(std::move(conductor));
    tracks.push_back(std::move(melody));
    tracks.push_back(std::move(pad));
    tracks.push_back(std::move(bass));
    tracks.push_back(std::move(extra));
    if (p.style != Style::Waltz) tracks.push_back(std::move(drums));
    return tracks;
}

// ---------------------------------------------------------------------------------
// The three pieces

// 1: a calm walk in C major, piano over strings and a nylon guitar.
Piece morningWalk() {
    const char* chordsA = "C | G/B | Am | Em/G | F | C/E | Dm7 | G7";
    const char* chordsA2 = "C | G/B | Am | Em/G | F | C/E | Dm7 G7 | C";
    const char* chordsB = "F | G | Em | Am | Dm7 | G | C/E F | G7";
    const char* a = "E5:2 G5:2 C6:3 B5:1 | D6:2 B5:2 G5:4 | A5:2 C6:2 E6:3 D6:1 | B5:4 G5:4 |"
                    "A5:2 F5:2 C6:3 A5:1 | G5:2 E5:2 C5:4 | D5:2 F5:2 A5:2 C6:2 | B5:3 A5:1 G5:4";
    const char* a2 = "G5:3 E5:1 G5:2 C6:2 | B5:3 A5:1 G5:4 | C6:2 B5:2 A5:2 E5:2 | G5:6 r:2 |"
                     "F5:2 A5:2 C6:3 D6:1 | E6:2 D6:2 C6:4 | D6:2 C6:2 B5:2 D6:2 | C6:8";
    const char* b = "A5:3 G5:1 F5:2 A5:2 | B5:3 A5:1 G5:2 B5:2 | G5:2 B5:2 E6:3 D6:1 | C6:4 A5:4 |"
                    "F5:2 A5:2 D6:2 C6:2 | B5:2 D6:2 G5:4 | G5:2 E5:2 A5:2 F5:2 | D6:3 C6:1 B5:4";
    const char* outro = "A5:4 C6:4 | B5:4 D6:4 | C6:8 | r:8";
    return {"music1.mid", "Morning Walk", 100, 4, Style::Pop, 0, 48, 32, 24,
            {{4, "C | G/B | Am | F G", "", 0},
             {8, chordsA, a, 1},
             {8, chordsA2, a2, 1},
             {8, chordsB, b, 2},
             {8, chordsA2, a2, 2},
             {2, "F | G7", "", 1},
             {8, chordsB, b, 2},
             {8, chordsA2, a2, 2},
             {4, "F | G7 | C | C", outro, 0}}};
}

// 2: a waltz by the lake in F major, flute over harp and soft strings.
Piece lakeWaltz() {
    const char* chordsA = "F | C/E | Dm | Bb | F/C | Gm7 | C7 | F";
    const char* chordsA2 = "F | C7/E | Dm | Bb | Gm7 | C7 | F | F";
    const char* chordsB = "Bb | C | Am | Dm | Gm | C | F/A | C7";
    const char* a = "A5:4 F5:2 | G5:4 E5:2 | F5:2 A5:2 D6:2 | D6:4 C6:2 | A5:4 C6:2 | Bb5:2 A5:2 G5:2 | E5:2 G5:2 Bb5:2 | A5:6";
    const char* a2 = "C6:4 A5:2 | Bb5:4 G5:2 | A5:4 F5:2 | F5:2 G5:2 A5:2 | Bb5:4 D6:2 | C6:2 Bb5:2 G5:2 | A5:4 G5:2 | F5:6";
    const char* b = "D6:3 C6:1 Bb5:2 | C6:4 G5:2 | A5:2 C6:2 E6:2 | D6:6 | Bb5:3 A5:1 G5:2 | E5:2 G5:2 C6:2 | A5:3 Bb5:1 C6:2 | G5:4 E5:2";
    const char* outro = "D6:4 C6:2 | Bb5:4 G5:2 | A5:6 | F5:6";
    return {"music2.mid", "Lake Waltz", 88, 3, Style::Waltz, 73, 49, 32, 46,
            {{4, "F | C/E | Dm | C7", "", 0},
             {8, chordsA, a, 0},
             {8, chordsA2, a2, 0},
             {8, chordsB, b, 0},
             {8, chordsA2, a2, 0},
             {8, chordsA, a, 0},
             {8, chordsB, b, 0},
             {8, chordsA2, a2, 0},
             {4, "Bb | C7 | F | F", outro, 0}}};
}

// 3: an evening in A minor, electric piano over a warm pad and a light groove.
Piece cityEvening() {
    const char* chordsA = "Am | F | C | G | Am | F | Dm7 | E7";
    const char* chordsA2 = "Am | F | C | G | Am | F | Dm7 | E7 Am";
    const char* chordsB = "F | G | Em | Am | F | G | C | E7";
    const char* a = "E5:3 A5:3 C6:2 | A5:4 G5:2 F5:2 | E5:3 G5:3 C6:2 | B5:4 D6:2 B5:2 |"
                    "C6:3 B5:1 A5:2 E5:2 | F5:3 A5:3 C6:2 | D6:2 C6:2 A5:2 F5:2 | E5:2 G#5:2 B5:4";
    const char* a2 = "A5:2 C6:2 E6:4 | D6:2 C6:2 A5:4 | G5:2 E5:2 G5:2 C6:2 | B5:6 r:2 |"
                     "E6:3 D6:1 C6:2 A5:2 | C6:3 A5:1 F5:4 | F5:2 A5:2 D6:2 C6:2 | B5:4 A5:4";
    const char* b = "A5:6 C6:2 | B5:6 D6:2 | E6:3 D6:1 B5:2 G5:2 | A5:6 r:2 |"
                    "F5:2 A5:2 C6:2 F6:2 | D6:4 B5:2 G5:2 | E5:2 G5:2 C6:2 E6:2 | D6:2 B5:2 G#5:4";
    const char* outro = "A5:4 C6:4 | B5:4 G#5:4 | A5:8 | r:8";
    return {"music3.mid", "City Evening", 92, 4, Style::Groove, 4, 89, 33, 27,
            {{4, "Am | F | C | E7", "", 1},
             {8, chordsA, a, 1},
             {8, chordsA2, a2, 2},
             {8, chordsB, b, 2},
             {8, chordsA2, a2, 2},
             {8, chordsB, b, 2},
             {8, chordsA2, a2, 2},
             {4, "F | E7 | Am | Am", outro, 1}}};
}

// ---------------------------------------------------------------------------------
// The key click: a short tap of noise with a woody ring, 30 ms, fading to zero.

void writeClick(const std::string& path) {
    constexpr int rate = 44100;
    constexpr int frames = rate * 30 / 1000;
    std::vector<double> wave(frames);
    std::uint32_t seed = 12345;
    const double pi = 3.14159265358979323846;
    double peak = 0;
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        seed = seed * 1664525u + 1013904223u;
        const double noise = static_cast<double>(seed >> 8) / 8388608.0 - 1.0;
        double v = 0.45 * noise * std::exp(-t / 0.0025) + 0.30 * std::sin(2 * pi * 1900 * t) * std::exp(-t / 0.006) +
                   0.15 * std::sin(2 * pi * 3700 * t) * std::exp(-t / 0.003);
        v *= std::min(1.0, static_cast<double>(frames - 1 - i) / (rate * 0.003));  // the last 3 ms fade out
        wave[static_cast<size_t>(i)] = v;
        peak = std::max(peak, std::fabs(v));
    }
    // A peak of -8 dBFS: clearly heard over the music, never harsh.
    const double scale = 0.4 / peak;
    std::vector<std::int16_t> pcm(frames);
    for (int i = 0; i < frames; ++i)
        pcm[static_cast<size_t>(i)] = static_cast<std::int16_t>(std::lround(wave[static_cast<size_t>(i)] * scale * 32767));
    std::vector<std::uint8_t> out;
    auto put32 = [&](std::uint32_t v) {
        for (int s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(v >> s));
    };
    auto put16 = [&](std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto tag = [&](const char* t) { out.insert(out.end(), t, t + 4); };
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames * 2);
    tag("RIFF");
    put32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    tag("data");
    put32(dataBytes);
    for (std::int16_t s : pcm) put16(static_cast<std::uint16_t>(s));
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: mediagen <outDir>\n";
        return 2;
    }
    const std::string dir = argv[1];
    try {
        for (const Piece& p : {morningWalk(), lakeWaltz(), cityEvening()}) writeMidiFile(dir + "/" + p.file, arrange(p));
        writeClick(dir + "/key.wav");
    } catch (const std::exception& e) {
        std::cerr << "mediagen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
