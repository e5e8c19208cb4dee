#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "platform/CSoundModule.h"
#include "platform/CSoundPlayer.h"
#include "platform/CSyncCue.h"
#include "platform/CWaveFile.h"

// The player finds the game's files under the working directory, as the game
// names them ("data\long.wav"). The tests that need sound to come out skip on
// a machine without an audio output (scripts/test.sh starts a silent one).
class TestSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(QDir(m_dir.path()).mkdir("data"));
        QDir::setCurrent(m_dir.path());
        for (auto [name, ms] : {std::pair("data/long.wav", 4000), {"data/short.wav", 300}}) {
            std::vector<std::int16_t> samples(std::size_t(22050 * ms / 1000));
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] = std::int16_t(2000 * std::sin(double(i) * 0.1));
            QVERIFY(CWaveFile(22050, samples).Write(name));
        }
        QFile damaged("data/damaged.wav");
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("RIFF\x10\0\0\0WAVEfmt ");
    }

    void aCueThatCannotBePlayedIsSilentAndDoesNotWait() {
        // A missing file, a damaged file, and a machine without audio output.
        for (auto [file, sync, output] : {std::tuple("data\\missing.wav", true, true),
                                          {"data\\damaged.wav", true, true},
                                          {"data\\long.wav", true, false},
                                          {"data\\long.wav", false, false}}) {
            auto player = output ? std::make_unique<CSoundPlayer>(&CSyncCue::Wait)
                                 : std::make_unique<CSoundPlayer>(&CSyncCue::Wait, QAudioDevice());
            QElapsedTimer clock;
            clock.start();
            player->Play(file, sync ? ESoundMode::Sync : ESoundMode::Async);
            QVERIFY(clock.elapsed() < 750);  // far below the 4 s of the long tone
            QVERIFY(!player->IsPlaying());
        }
    }

    void aNewCueEndsTheWaitForTheSynchronousOneItReplaces() {
        if (QMediaDevices::defaultAudioOutput().isNull()) QSKIP(kNoOutput);
        CSoundPlayer player(&CSyncCue::Wait);
        QTimer::singleShot(100, &player,
                           [&player] { player.Play("data\\short.wav", ESoundMode::Async); });
        QElapsedTimer clock;
        clock.start();
        player.Play("data\\long.wav", ESoundMode::Sync);
        QVERIFY(clock.elapsed() < 3000);  // while the short tone plays
        QVERIFY(player.IsPlaying());
    }

    // The game plays through the module the build puts beside it.
    void theGameLoadsThePlayerFromItsModule() {
        CSoundModule module(QStringLiteral(TALLYFOLD_PROGRAM_DIR));
        module.Preload();
        QVERIFY(module.Loaded());
        if (QMediaDevices::defaultAudioOutput().isNull()) QSKIP(kNoOutput);
        QElapsedTimer clock;
        clock.start();
        module.Play("data\\short.wav", ESoundMode::Sync);
        QVERIFY(clock.elapsed() >= 300);
    }

private:
    static constexpr const char* kNoOutput = "no audio output: no sound server runs here";
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
