// The fluidsynth output without an audio device: the frames it would send (click
// restarts, silence after a stop, the end of a piece and its repetition), the files it
// refuses, its wave and MIDI readers, and the sound files the build generates.
#include "sound/fluidoutput.h"
#include "sound/music.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

// ---- small file builders

void put16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}
void put32(QByteArray& b, quint32 v) {
    for (int s = 0; s < 32; s += 8) b.append(char((v >> s) & 0xFF));
}

// A RIFF WAVE with the given format fields and raw data, plus optional chunks before it.
QByteArray wave(int format, int channels, int rate, int bits, const QByteArray& data, const QByteArray& before = {}) {
    QByteArray fmt;
    put16(fmt, quint16(format));
    put16(fmt, quint16(channels));
    put32(fmt, quint32(rate));
    put32(fmt, quint32(rate * channels * bits / 8));
    put16(fmt, quint16(channels * bits / 8));
    put16(fmt, quint16(bits));
    QByteArray body = "WAVE";
    body += "fmt ";
    put32(body, quint32(fmt.size()));
    body += fmt;
    body += before;
    body += "data";
    put32(body, quint32(data.size()));
    body += data;
    QByteArray b = "RIFF";
    put32(b, quint32(body.size()));
    return b + body;
}

QByteArray pcm16(const std::vector<int>& samples) {
    QByteArray d;
    for (int s : samples) put16(d, quint16(qint16(s)));
    return d;
}

void varLen(QByteArray& b, quint32 v) {
    QByteArray tmp;
    tmp.prepend(char(v & 0x7F));
    while ((v >>= 7) != 0) tmp.prepend(char(0x80 | (v & 0x7F)));
    b += tmp;
}

QByteArray be(quint32 v, int bytes) {
    QByteArray b;
    for (int i = bytes - 1; i >= 0; --i) b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

QByteArray smf(const QList<QByteArray>& tracks, int division = 480, int declaredTracks = -1) {
    QByteArray b = "MThd" + be(6, 4) + be(tracks.size() > 1 ? 1 : 0, 2) +
                   be(quint32(declaredTracks < 0 ? tracks.size() : declaredTracks), 2) + be(quint32(division), 2);
    for (const QByteArray& t : tracks) b += "MTrk" + be(quint32(t.size()), 4) + t;
    return b;
}

// One piano note of `ticks` at 120 bpm (480 ticks a quarter: 1000 ticks = 1.04 s).
QByteArray noteTrack(int ticks) {
    QByteArray t;
    varLen(t, 0);
    t += QByteArray("\xC0\x00", 2);
    varLen(t, 0);
    t += QByteArray("\x90\x3C\x64", 3);
    varLen(t, quint32(ticks));
    t += QByteArray("\x80\x3C\x00", 3);
    varLen(t, 0);
    t += QByteArray("\xFF\x2F\x00", 3);
    return t;
}

double rms(const std::vector<float>& v) {
    double s = 0;
    for (float x : v) s += double(x) * x;
    return v.empty() ? 0 : std::sqrt(s / double(v.size()));
}

double dbfs(double a) { return a > 0 ? 20 * std::log10(a) : -200; }

FluidOutput::Options offline() {
    FluidOutput::Options o;
    o.drivers.clear();
    o.loadOnWorker = false;  // the SoundFont is in when playMidi returns
    return o;
}

}  // namespace

class TestFluidOutput : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    const QString appDir_ = QStringLiteral(JAXO_BUILD_APPDIR);

    std::string write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        return path.toStdString();
    }
    std::string app(const char* name) const { return (appDir_ + QLatin1Char('/') + QLatin1String(name)).toStdString(); }

    static std::vector<float> renderLeft(FluidOutput& out, int frames) {
        std::vector<float> l(static_cast<size_t>(frames)), r(static_cast<size_t>(frames));
        out.render(frames, l.data(), r.data());
        return l;
    }

private slots:
    // The SoundFont: the system's General MIDI alternative first, then the small one.
    void soundFontChoice_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the alternatives link wins") << QStringList{"default-GM.sf2", "TimGM6mb.sf2"} << "default-GM.sf2";
        QTest::newRow("no link: TimGM6mb") << QStringList{"TimGM6mb.sf2"} << "TimGM6mb.sf2";
        QTest::newRow("a dangling link is passed over") << QStringList{"default-GM.sf2->gone", "TimGM6mb.sf2"} << "TimGM6mb.sf2";
        QTest::newRow("neither: the last is named") << QStringList{} << "TimGM6mb.sf2";
    }
    void soundFontChoice() {
        QFETCH(QStringList, present);
        QFETCH(QString, chosen);
        QTemporaryDir d;
        for (const QString& p : present) {
            const QStringList link = p.split(QStringLiteral("->"));
            if (link.size() == 2) {
                QVERIFY(QFile::link(d.filePath(link[1]), d.filePath(link[0])));
            } else {
                QFile f(d.filePath(p));
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
        }
        const std::vector<std::string> candidates = {d.filePath(QStringLiteral("default-GM.sf2")).toStdString(),
                                                     d.filePath(QStringLiteral("TimGM6mb.sf2")).toStdString()};
        QCOMPARE(QString::fromStdString(FluidOutput::findSoundFont(candidates)), d.filePath(chosen));
    }

    // ---- devices

    void noDriverMeansNoDevices_data() {
        QTest::addColumn<QStringList>("drivers");
        QTest::newRow("none tried") << QStringList();
        QTest::newRow("an unknown driver") << QStringList{QStringLiteral("no-such-driver")};
    }
    // No output: 0 devices, and fluidsynth's complaints do not reach stderr.
    void noDriverMeansNoDevices() {
        QFETCH(QStringList, drivers);
        FluidOutput::Options o;
        o.drivers.clear();
        for (const QString& d : drivers) o.drivers.push_back(d.toStdString());
        QTemporaryFile err;
        QVERIFY(err.open());
        fflush(stderr);
        const int saved = dup(2);
        dup2(err.handle(), 2);
        {
            FluidOutput out(o);
            QCOMPARE(out.waveDevices(), 0);
            QCOMPARE(out.midiDevices(), 0);
            QCOMPARE(out.driverName(), std::string());
        }
        fflush(stderr);
        dup2(saved, 2);
        close(saved);
        QCOMPARE(QFile(err.fileName()).size(), 0);
    }

    // ---- files it refuses

    void refusedFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // empty: the file does not exist
        QTest::addColumn<bool>("midi");
        QTest::addColumn<QString>("message");
        const QByteArray text = "10\r\n5\r\n";
        QTest::newRow("missing piece") << "gone.mid" << QByteArray() << true << "Cannot open file %1";
        QTest::newRow("text as a piece") << "text.mid" << text << true << "Cannot play file %1";
        QTest::newRow("piece cut off") << "cut.mid" << smf({noteTrack(100)}).left(30) << true << "Cannot play file %1";
        QTest::newRow("missing click") << "gone.wav" << QByteArray() << false << "Cannot open file %1";
        QTest::newRow("text as a click") << "text.wav" << text << false << "Cannot play file %1";
        QTest::newRow("compressed click") << "adpcm.wav" << wave(2, 1, 8000, 4, QByteArray(16, 0)) << false
                                          << "Cannot play file %1";
    }
    void refusedFiles() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, midi);
        QFETCH(QString, message);
        const std::string path = bytes.isEmpty() ? dir_.filePath(name).toStdString() : write(name, bytes);
        FluidOutput out(offline());
        QString error;
        QVERIFY(!(midi ? out.playMidi(path, &error) : out.playClick(path, &error)));
        QCOMPARE(error, message.arg(QString::fromStdString(path)));
    }

    // ---- the click

    // Each key starts the click from its first frame: the frames are the click's own,
    // never two clicks added together.
    void clickRestartsFromItsStart() {
        std::vector<int> samples;
        for (int i = 0; i < 200; ++i) samples.push_back((i % 7 - 3) * 1000 + i);
        const std::string path = write(QStringLiteral("k.wav"), wave(1, 1, 44100, 16, pcm16(samples)));
        FluidOutput out(offline());
        auto expect = [&](const std::vector<float>& got, int from) {
            for (size_t i = 0; i < got.size(); ++i) {
                const size_t at = size_t(from) + i;
                const float want = at < samples.size() ? float(samples[at]) / 32768.0f : 0.0f;
                if (std::fabs(got[i] - want) > 1e-6f) return false;
            }
            return true;
        };
        QString error;
        QVERIFY(expect(renderLeft(out, 64), 200));  // nothing before a key
        QVERIFY(out.playClick(path, &error));
        QVERIFY(expect(renderLeft(out, 64), 0));
        QVERIFY(expect(renderLeft(out, 32), 64));
        QVERIFY(out.playClick(path, &error));  // a key while it sounds
        QVERIFY(expect(renderLeft(out, 64), 0));
        QVERIFY(out.playClick(path, &error));
        QVERIFY(out.playClick(path, &error));  // two keys in one period: one click
        QVERIFY(expect(renderLeft(out, 256), 0));
        QVERIFY(expect(renderLeft(out, 64), 256));  // and then quiet
    }

    // A changed file is read again at the next key.
    void aChangedClickFileIsReadAgain() {
        const std::string path = write(QStringLiteral("c.wav"), wave(1, 1, 44100, 16, pcm16({1000, 1000})));
        FluidOutput out(offline());
        QString error;
        QVERIFY(out.playClick(path, &error));
        QCOMPARE(renderLeft(out, 1).front(), 1000 / 32768.0f);
        write(QStringLiteral("c.wav"), wave(1, 1, 44100, 16, pcm16({-2000, -2000, -2000})));
        QVERIFY(out.playClick(path, &error));
        QCOMPARE(renderLeft(out, 1).front(), -2000 / 32768.0f);
        QFile::remove(QString::fromStdString(path));
        QVERIFY(!out.playClick(path, &error));
    }

    // ---- the music

    // Stopping silences the very next frames, reverb tail and all.
    void musicSoundsAndStopsAtOnce() {
        const std::string path = write(QStringLiteral("long.mid"), smf({noteTrack(4000)}));
        FluidOutput out(offline());
        QString error;
        QVERIFY2(out.playMidi(path, &error), qPrintable(error));
        renderLeft(out, 2048);
        QVERIFY(dbfs(rms(renderLeft(out, 8192))) > -40);
        out.stopMidi();
        const auto after = renderLeft(out, 4096);
        QVERIFY(std::all_of(after.begin(), after.end(), [](float x) { return x == 0.0f; }));
        QVERIFY(!out.midiStopped());  // nothing open: no end to report
    }

    // The end of a piece reaches the GUI thread once; replaying starts it from the top.
    void theEndOfAPieceIsReportedAndItPlaysAgain() {
        const std::string path = write(QStringLiteral("short.mid"), smf({noteTrack(240)}));  // 0.25 s
        FluidOutput out(offline());
        int ends = 0;
        out.onPieceEnded = [&] { ++ends; };
        QString error;
        QVERIFY(out.playMidi(path, &error));
        int blocks = 0;
        while (!out.midiStopped() && blocks < 1000) {
            renderLeft(out, 512);
            ++blocks;
        }
        QVERIFY(out.midiStopped());
        // Not before the piece's own quarter second; fluidsynth lets the last notes
        // fade for a moment before it calls the piece done.
        QVERIFY2(blocks > 20 && blocks < 400, qPrintable(QString::number(blocks)));
        QTRY_COMPARE_WITH_TIMEOUT(ends, 1, 1000);  // the poll timer
        QTest::qWait(150);
        QCOMPARE(ends, 1);
        out.replayMidi();
        QVERIFY(!out.midiStopped());
        QVERIFY(dbfs(rms(renderLeft(out, 4096))) > -40);
    }

    // Wired to the sound system, a piece repeats without end and no new piece is drawn.
    void repetitionThroughTheSoundSystem() {
        QTemporaryDir app;
        for (int k = 1; k <= 3; ++k) {
            QFile f(app.filePath(QStringLiteral("music%1.mid").arg(k)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(smf({noteTrack(240)}));
        }
        // Rendered here, but counted as a device, as one the program found.
        struct Found : FluidOutput {
            Found() : FluidOutput(offline()) {}
            int waveDevices() override { return 1; }
        } out;
        Settings settings;
        RandomSource random;
        QStringList errors;
        SoundSystem sound(settings, app.path().toStdString(), random, out, [&](const QString& e) { errors << e; });
        sound.music();
        for (int round = 0; round < 3; ++round) {
            int blocks = 0;
            while (!out.midiStopped() && blocks++ < 1000) renderLeft(out, 512);
            QVERIFY(out.midiStopped());
            QTRY_VERIFY_WITH_TIMEOUT(!out.midiStopped(), 1000);  // played again
        }
        QVERIFY(errors.isEmpty());
        RandomSource fresh;
        fresh.next();
        QCOMPARE(random.next(), fresh.next());  // still one draw used
    }

    // ---- readers

    void waves_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("frames");
        QTest::addColumn<float>("firstLeft");
        QTest::addColumn<float>("firstRight");
        QByteArray odd = "LIST";
        put32(odd, 3);
        odd += "abc";
        odd += '\0';  // pad byte of an odd chunk
        QByteArray f32;
        put32(f32, 0x3F000000u);  // 0.5
        put32(f32, 0xBF000000u);  // -0.5
        QByteArray i24 = QByteArray::fromHex("000040" "0000c0");  // 0.5, -0.5
        QTest::newRow("16-bit mono") << wave(1, 1, 44100, 16, pcm16({16384, -16384})) << true << 2 << 0.5f << 0.5f;
        QTest::newRow("16-bit stereo") << wave(1, 2, 44100, 16, pcm16({16384, -8192})) << true << 1 << 0.5f << -0.25f;
        QTest::newRow("8-bit unsigned") << wave(1, 1, 8000, 8, QByteArray("\xC0\x40", 2)) << true << 2 << 0.5f << 0.5f;
        QTest::newRow("24-bit") << wave(1, 1, 48000, 24, i24) << true << 2 << 0.5f << 0.5f;
        QTest::newRow("32-bit float") << wave(3, 1, 48000, 32, f32) << true << 2 << 0.5f << 0.5f;
        QTest::newRow("odd chunk before the data") << wave(1, 1, 44100, 16, pcm16({8192}), odd) << true << 1 << 0.25f << 0.25f;
        QTest::newRow("not RIFF") << QByteArray("RIFX....WAVEfmt ") << false << 0 << 0.f << 0.f;
        QTest::newRow("12-bit samples") << wave(1, 1, 44100, 12, QByteArray(4, 0)) << false << 0 << 0.f << 0.f;
        QTest::newRow("compressed") << wave(2, 1, 44100, 16, QByteArray(4, 0)) << false << 0 << 0.f << 0.f;
        QTest::newRow("data cut off") << wave(1, 1, 44100, 16, pcm16({1, 2, 3})).chopped(2) << false << 0 << 0.f << 0.f;
        QTest::newRow("no data chunk") << wave(1, 1, 44100, 16, {}).left(36) << false << 0 << 0.f << 0.f;
        QTest::newRow("rate too low to be real") << wave(1, 1, 10, 16, pcm16({1})) << false << 0 << 0.f << 0.f;
    }
    void waves() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(int, frames);
        QFETCH(float, firstLeft);
        QFETCH(float, firstRight);
        sound::Wave w;
        QCOMPARE(sound::parseWave(bytes, w), ok);
        if (!ok) return;
        QCOMPARE(int(w.left.size()), frames);
        QCOMPARE(w.right.size(), w.left.size());
        QCOMPARE(w.left.front(), firstLeft);
        QCOMPARE(w.right.front(), firstRight);
    }

    void resampling_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("frames");
        QTest::newRow("22050 to 44100 doubles") << 22050 << 44100 << 200;
        QTest::newRow("48000 to 44100") << 48000 << 44100 << 92;
        QTest::newRow("same rate unchanged") << 44100 << 44100 << 100;
    }
    void resampling() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, frames);
        std::vector<float> ramp;
        for (int i = 0; i < 100; ++i) ramp.push_back(float(i) / 100);
        const auto out = sound::resample(ramp, from, to);
        QCOMPARE(int(out.size()), frames);
        QCOMPARE(out.front(), 0.0f);
        // A ramp stays a ramp: every value lies where the time says.
        for (size_t i = 0; i + 1 < out.size(); ++i) {
            const double t = double(i) * from / to;
            if (t < 99) QVERIFY(std::fabs(out[i] - t / 100) < 1e-4);
        }
    }

    void midiFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("seconds");
        QByteArray tempo;  // 960 ticks at 120 bpm, then 960 at 60 bpm: 1 s + 2 s
        varLen(tempo, 0);
        tempo += QByteArray("\xFF\x51\x03\x07\xA1\x20", 6);
        varLen(tempo, 960);
        tempo += QByteArray("\xFF\x51\x03\x0F\x42\x40", 6);
        varLen(tempo, 960);
        tempo += QByteArray("\xFF\x2F\x00", 3);
        QByteArray running;  // note on, then a second note on in running status
        varLen(running, 0);
        running += QByteArray("\x90\x40\x50", 3);
        varLen(running, 480);
        running += QByteArray("\x40\x00", 2);
        varLen(running, 0);
        running += QByteArray("\xFF\x2F\x00", 3);
        QByteArray sysex;
        varLen(sysex, 0);
        sysex += QByteArray("\xF0\x05\x7E\x7F\x09\x01\xF7", 7);
        varLen(sysex, 480);
        sysex += QByteArray("\xFF\x2F\x00", 3);
        QByteArray highData;
        varLen(highData, 0);
        highData += QByteArray("\x90\x80\x50", 3);
        QByteArray orphan;  // a data byte with no status before it
        varLen(orphan, 0);
        orphan += QByteArray("\x40\x50", 2);
        QTest::newRow("one note") << smf({noteTrack(480)}) << true << 0.5;
        QTest::newRow("tempo change") << smf({tempo}) << true << 3.0;
        QTest::newRow("two tracks, the longer counts") << smf({tempo, noteTrack(480)}) << true << 3.0;
        QTest::newRow("running status") << smf({running}) << true << 0.5;
        QTest::newRow("system exclusive") << smf({sysex}) << true << 0.5;
        QTest::newRow("SMPTE 25 fps x 40") << smf({noteTrack(2000)}, 0xE728) << true << 2.0;
        QTest::newRow("no header") << noteTrack(480) << false << 0.0;
        QTest::newRow("track cut off") << smf({noteTrack(480)}).chopped(3) << false << 0.0;
        QTest::newRow("fewer tracks than declared") << smf({noteTrack(480)}, 480, 2) << false << 0.0;
        QTest::newRow("data byte with the high bit") << smf({highData}) << false << 0.0;
        QTest::newRow("data without a status") << smf({orphan}) << false << 0.0;
    }
    void midiFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(double, seconds);
        double got = -1;
        QCOMPARE(sound::midiDuration(bytes, got), ok);
        if (ok) QVERIFY2(std::fabs(got - seconds) < 1e-6, qPrintable(QString::number(got)));
    }

    // ---- the generated sounds

    void generatedPieces_data() {
        QTest::addColumn<QString>("name");
        for (const char* n : {"music1.mid", "music2.mid", "music3.mid"}) QTest::newRow(n) << QString::fromLatin1(n);
    }
    // Each piece: a MIDI file of one to three minutes that is heard from its first
    // seconds and never clips.
    void generatedPieces() {
        QFETCH(QString, name);
        QFile f(appDir_ + QLatin1Char('/') + name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        double seconds = 0;
        QVERIFY(sound::midiDuration(bytes, seconds));
        QVERIFY2(seconds >= 60 && seconds <= 180, qPrintable(QString::number(seconds)));
        FluidOutput out(offline());
        QString error;
        QVERIFY2(out.playMidi(app(name.toLatin1().constData()), &error), qPrintable(error));
        std::vector<float> l(44100 * 4), r(44100 * 4);
        out.render(44100 * 4, l.data(), r.data());
        const double level = dbfs(rms(l));
        const float peak = std::max(*std::max_element(l.begin(), l.end()), -*std::min_element(l.begin(), l.end()));
        QVERIFY2(level > -40, qPrintable(QStringLiteral("%1 dBFS").arg(level)));
        QVERIFY(peak < 0.99f);
    }

    // The click: 20 to 40 ms, clearly heard, ending at rest so that a cut makes no pop.
    void generatedClick() {
        QFile f(appDir_ + QStringLiteral("/key.wav"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        sound::Wave w;
        QVERIFY(sound::parseWave(f.readAll(), w));
        const double ms = 1000.0 * double(w.left.size()) / w.rate;
        QVERIFY2(ms >= 20 && ms <= 40, qPrintable(QString::number(ms)));
        float peak = 0;
        for (float x : w.left) peak = std::max(peak, std::fabs(x));
        QVERIFY(dbfs(peak) > -14 && dbfs(peak) < -4);
        QVERIFY(std::fabs(w.left.back()) < 0.01f);
    }
};

QTEST_MAIN(TestFluidOutput)
#include "test_fluidoutput.moc"
