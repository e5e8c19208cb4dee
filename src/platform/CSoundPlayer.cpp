#include "platform/CSoundPlayer.h"

#include <QAudioSink>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include "platform/CWaveFile.h"
#include "platform/WinPath.h"

namespace {

// How long a synchronous cue may overrun its own length before the wait gives
// up: an output that stalls must not freeze the game.
constexpr int kOverrunMs = 500;
// Short enough that a cue starts promptly, long enough not to stutter.
constexpr int kBufferMs = 40;

QAudioFormat FormatOf(const CWaveFile& wave) {
    QAudioFormat format;
    format.setSampleRate(wave.SampleRate());
    format.setChannelCount(wave.Channels());
    format.setSampleFormat(wave.BitsPerSample() == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

}  // namespace

CSoundPlayer::CSoundPlayer(QObject* parent) : QObject(parent) {}

CSoundPlayer::CSoundPlayer(const QAudioDevice& output, QObject* parent)
    : QObject(parent), m_fixedOutput(output) {}

CSoundPlayer::~CSoundPlayer() {
    Stop();
}

QAudioDevice CSoundPlayer::Output() const {
    return m_fixedOutput ? *m_fixedOutput : QMediaDevices::defaultAudioOutput();
}

void CSoundPlayer::Play(const std::string& file, ESoundMode mode) {
    ++m_nCue;
    Stop();
    const std::optional<CWaveFile> wave = CWaveFile::Read(ToLocalPath(file));
    if (!wave || wave->Data().empty() || !Start(*wave)) return;
    if (mode == ESoundMode::Sync) WaitUntilPlayed(wave->DurationMs());
}

bool CSoundPlayer::IsPlaying() const {
    return m_pSink && m_pSink->state() == QAudio::ActiveState;
}

bool CSoundPlayer::Start(const CWaveFile& wave) {
    const QAudioDevice output = Output();
    const QAudioFormat format = FormatOf(wave);
    if (output.isNull() || !output.isFormatSupported(format)) return false;

    // A sink is kept between cues of the same format: opening one costs time.
    if (!m_pSink || m_format != format || m_pSink->error() != QAudio::NoError) {
        m_pSink = std::make_unique<QAudioSink>(output, format);
        m_format = format;
        m_pSink->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
    }
    m_samples = QByteArray(reinterpret_cast<const char*>(wave.Data().data()),
                           static_cast<qsizetype>(wave.Data().size()));
    m_buffer.setData(m_samples);
    m_buffer.open(QIODevice::ReadOnly);
    m_pSink->start(&m_buffer);
    if (m_pSink->error() == QAudio::NoError) return true;
    Stop();
    m_pSink.reset();
    return false;
}

void CSoundPlayer::WaitUntilPlayed(int durationMs) {
    const unsigned cue = m_nCue;
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    // The sink runs dry a little before the last sample is heard, so the wait
    // also lasts at least as long as the sound.
    const auto check = [this, cue, durationMs, &clock, &loop] {
        const bool replaced = m_nCue != cue;
        const bool drained = !IsPlaying() && clock.elapsed() >= durationMs;
        if (replaced || drained) loop.quit();
    };
    connect(m_pSink.get(), &QAudioSink::stateChanged, &loop, check);
    QTimer::singleShot(durationMs, &loop, check);
    QTimer::singleShot(durationMs + kOverrunMs, &loop, &QEventLoop::quit);

    QEventLoop* outer = m_pWait;
    m_pWait = &loop;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_pWait = outer;
    if (m_nCue == cue) Stop();
}

void CSoundPlayer::Stop() {
    if (m_pWait) m_pWait->quit();
    if (m_pSink) m_pSink->stop();
    m_buffer.close();
}
