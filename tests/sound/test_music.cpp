// Music and key sound over a fake device: the choice of pieces from the shared random
// source, endless repetition, stopping, a machine without sound, the key-sound switch
// and sound files that fail.
#include "sound/music.h"
#include "support/fakes.h"

#include <QtTest>

class TestMusic : public QObject {
    Q_OBJECT
    Settings settings_;
    RandomSource random_;
    FakeSound out_;
    QStringList reported_;
    std::unique_ptr<SoundSystem> sound_;

    std::string piece(int k) const { return "/app/music" + std::to_string(k) + ".mid"; }

    // The draws consumed so far: the next draw of a copy tells where the source stands.
    static int drawsUsed(const RandomSource& r) {
        RandomSource fresh;
        const int next = RandomSource(r).next();
        for (int i = 0; i < 100; ++i)
            if (fresh.next() == next) return i;
        return -1;
    }

    // A sound system over an output with or without a device.
    void build(int devices) {
        out_.devices = devices;
        sound_ = std::make_unique<SoundSystem>(settings_, "/app", random_, out_, [this](const QString& e) { reported_ << e; });
    }

private slots:
    void init() {
        settings_ = Settings{};
        settings_.keySound = true;
        random_ = RandomSource{};
        out_ = FakeSound{};
        reported_.clear();
        build(1);
    }

    // An exercise whose keys click asks the device to have its output ready before
    // the first key, and lets it go when the main screen is back.
    void keysAheadOpenTheOutput_data() {
        QTest::addColumn<int>("devices");
        QTest::addColumn<bool>("keySound");
        QTest::addColumn<QList<bool>>("asked");  // keepOpen calls for start, then end
        QTest::newRow("sound and key sound on: ready at the start, let go at the end")
            << 1 << true << QList<bool>{true, false};
        QTest::newRow("key sound off: never held open") << 1 << false << QList<bool>{false, false};
        QTest::newRow("no sound device: the device is not asked") << 0 << true << QList<bool>{};
    }
    void keysAheadOpenTheOutput() {
        QFETCH(int, devices);
        QFETCH(bool, keySound);
        QFETCH(QList<bool>, asked);
        build(devices);
        settings_.keySound = keySound;
        sound_->keySoundAhead(true);
        sound_->keySoundAhead(false);
        QCOMPARE(QList<bool>(out_.keptOpen.begin(), out_.keptOpen.end()), asked);
    }

    // k = r mod 4 of each draw; 0 draws again. The run's draws reduce to
    // 2 2 0 0 2 2 0 0 3 2 1 3 0 0 0 1 ...
    void piecesOfAFreshRun_data() {
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("drawsUsed");
        QTest::newRow("first call: music2 (346 mod 4)") << 1 << 2 << 1;
        QTest::newRow("second") << 2 << 2 << 2;
        QTest::newRow("third skips two zeros") << 3 << 2 << 5;
        QTest::newRow("fourth") << 4 << 2 << 6;
        QTest::newRow("fifth skips two zeros") << 5 << 3 << 9;
        QTest::newRow("sixth") << 6 << 2 << 10;
        QTest::newRow("seventh") << 7 << 1 << 11;
        QTest::newRow("eighth") << 8 << 3 << 12;
        QTest::newRow("ninth skips three zeros") << 9 << 1 << 16;
    }
    void piecesOfAFreshRun() {
        QFETCH(int, call);
        QFETCH(int, k);
        QFETCH(int, drawsUsed);
        for (int i = 0; i < call; ++i) sound_->music();
        QCOMPARE(out_.played.size(), size_t(call));
        QCOMPARE(out_.played.back(), piece(k));
        QCOMPARE(TestMusic::drawsUsed(random_), drawsUsed);
    }

    void musicStopsWhatPlaysFirst() {
        sound_->music();
        const int stopsBefore = out_.stops;
        sound_->music();
        QCOMPARE(out_.stops, stopsBefore + 1);
        QVERIFY(out_.playing);
    }

    void theEndOfAPieceStartsItAgain() {
        sound_->music();
        for (int i = 1; i <= 3; ++i) {
            out_.endPiece();
            QCOMPARE(out_.replays, i);
            QVERIFY(out_.playing);
        }
        // The same piece every time: no new draw, no new file.
        QCOMPARE(out_.played, std::vector<std::string>{piece(2)});
        QCOMPARE(drawsUsed(random_), 1);
    }

    void aNotificationWhilePlayingDoesNothing() {
        sound_->music();
        sound_->MediaPlayer1Notify();  // the piece has not ended
        QCOMPARE(out_.replays, 0);
    }

    void nomusicStops() {
        sound_->music();
        sound_->nomusic();
        QVERIFY(!out_.playing);
        QCOMPARE(out_.played.size(), size_t(1));
    }

    // No device: nothing plays, nothing stops, no draw is used, nothing is reported.
    void withoutSoundNothingHappens() {
        build(0);
        out_.failWith = QStringLiteral("must not be asked");
        sound_->music();
        sound_->nomusic();
        sound_->playKeySound();
        sound_->music();
        QVERIFY(out_.played.empty());
        QCOMPARE(out_.stops, 0);
        QVERIFY(out_.clicks.empty());
        QVERIFY(reported_.isEmpty());
        QCOMPARE(drawsUsed(random_), 0);
    }

    // The switch is read at each key.
    void keySoundSwitchAtEachKey_data() {
        QTest::addColumn<bool>("keySound");
        QTest::addColumn<bool>("clicks");
        QTest::newRow("on") << true << true;
        QTest::newRow("off") << false << false;
    }
    void keySoundSwitchAtEachKey() {
        QFETCH(bool, keySound);
        QFETCH(bool, clicks);
        sound_->playKeySound();  // on
        settings_.keySound = keySound;
        sound_->playKeySound();
        settings_.keySound = true;
        sound_->playKeySound();
        const std::vector<std::string> click(1, "/app/key.wav");
        QCOMPARE(out_.clicks.size(), size_t(clicks ? 3 : 2));
        QCOMPARE(out_.clicks.front(), click.front());
    }

    // A file that fails is reported; the caller goes on and the next call works.
    void aFailingFileIsReportedAndTheCallerGoesOn() {
        out_.failWith = QStringLiteral("Cannot open file /app/music2.mid");
        sound_->music();
        sound_->playKeySound();
        QCOMPARE(reported_, QStringList({out_.failWith, out_.failWith}));
        out_.failWith.clear();
        sound_->music();
        sound_->playKeySound();
        QCOMPARE(out_.played.size(), size_t(1));
        QCOMPARE(out_.clicks.size(), size_t(1));
        QCOMPARE(reported_.size(), 2);
    }

    // A missing click is reported once a run, not in front of every key.
    void aFailingFileIsReportedOnce() {
        out_.failWith = QStringLiteral("Cannot open file /app/key.wav");
        for (int i = 0; i < 5; ++i) sound_->playKeySound();
        QCOMPARE(reported_, QStringList{out_.failWith});
    }
};

QTEST_GUILESS_MAIN(TestMusic)
#include "test_music.moc"
