#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "platform/CSoundPlayer.h"
#include "platform/CWaveFile.h"

namespace {

// A quiet tone of the given length, as a 16-bit mono wave file.
void WriteTone(const QString& path, int milliseconds) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(22050 * milliseconds / 1000));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(2000 * std::sin(static_cast<double>(i) * 0.1));
    QVERIFY(CWaveFile(22050, samples).Write(path.toStdString()));
}

}  // namespace

// The player finds the game's files under the working directory, as the game
// names them ("data\tone.wav"); each test runs in a fresh one.
class TestSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_pDir = std::make_unique<QTemporaryDir>();
        m_oldDir = QDir::currentPath();
        QVERIFY(QDir(m_pDir->path()).mkdir("data"));
        QDir::setCurrent(m_pDir->path());
        WriteTone("data/long.wav", 1500);
        WriteTone("data/short.wav", 300);
        QFile damaged("data/damaged.wav");
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("RIFF\x10\0\0\0WAVEfmt ");
    }
    void cleanup() {
        QDir::setCurrent(m_oldDir);
        m_pDir.reset();
    }

    void aCueThatCannotBePlayedIsSilentAndDoesNotWait_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("sync");
        QTest::addColumn<bool>("withOutput");
        QTest::newRow("missing file, sync") << "data\\missing.wav" << true << true;
        QTest::newRow("missing file, async") << "data\\missing.wav" << false << true;
        QTest::newRow("damaged file, sync") << "data\\damaged.wav" << true << true;
        QTest::newRow("no audio output, sync") << "data\\long.wav" << true << false;
        QTest::newRow("no audio output, async") << "data\\long.wav" << false << false;
    }
    void aCueThatCannotBePlayedIsSilentAndDoesNotWait() {
        QFETCH(QString, file);
        QFETCH(bool, sync);
        QFETCH(bool, withOutput);
        std::unique_ptr<CSoundPlayer> player = withOutput
                                                   ? std::make_unique<CSoundPlayer>()
                                                   : std::make_unique<CSoundPlayer>(QAudioDevice());
        QElapsedTimer clock;
        clock.start();
        player->Play(file.toStdString(), sync ? ESoundMode::Sync : ESoundMode::Async);
        // Far below the 1.5 s the long tone would take: nothing was waited for.
        QVERIFY(clock.elapsed() < 750);
        QVERIFY(!player->IsPlaying());
    }

    void aSynchronousCueReturnsOnlyWhenItHasPlayed() {
        if (QMediaDevices::defaultAudioOutput().isNull()) QSKIP("this machine has no audio output");
        CSoundPlayer player;
        QElapsedTimer clock;
        clock.start();
        player.Play("data\\short.wav", ESoundMode::Sync);
        QVERIFY(clock.elapsed() >= 300);
        QVERIFY(!player.IsPlaying());
    }

    void anAsynchronousCueReplacesTheOneStillPlaying() {
        if (QMediaDevices::defaultAudioOutput().isNull()) QSKIP("this machine has no audio output");
        CSoundPlayer player;
        player.Play("data\\long.wav", ESoundMode::Async);
        QTRY_VERIFY_WITH_TIMEOUT(player.IsPlaying(), 500);
        player.Play("data\\short.wav", ESoundMode::Async);
        // The short tone ends long before the long one would have.
        QTRY_VERIFY_WITH_TIMEOUT(!player.IsPlaying(), 1200);
    }

    void aNewCueEndsTheWaitForTheSynchronousOneItReplaces() {
        if (QMediaDevices::defaultAudioOutput().isNull()) QSKIP("this machine has no audio output");
        CSoundPlayer player;
        QTimer::singleShot(100, &player,
                           [&player] { player.Play("data\\short.wav", ESoundMode::Async); });
        QElapsedTimer clock;
        clock.start();
        player.Play("data\\long.wav", ESoundMode::Sync);
        // Returned long before the 1.5 s of the long tone, while the short one plays.
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(player.IsPlaying());
    }

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
    QString m_oldDir;
};

QTEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
