#include "platform/CSoundPlayer.h"

#include <QAudioSink>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>

#include "platform/CWaveFile.h"
#include "platform/WinPath.h"

namespace {

// How long a synchronous cue may overrun its own length before the wait gives
// up: an output that stalls must not freeze the game.
constexpr int kOverrunMs = 500;
// Enough to ride out a busy moment of the game without a gap; a new cue gets
// a new stream, so it never waits behind the buffer of the one it replaces.
constexpr int kBufferMs = 100;
constexpr int kFeedEveryMs = 10;

QAudioFormat FormatOf(const CWaveFile& wave) {
    QAudioFormat format;
    format.setSampleRate(wave.SampleRate());
    format.setChannelCount(wave.Channels());
    format.setSampleFormat(wave.BitsPerSample() == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

}  // namespace

CSoundPlayer::CSoundPlayer(FnWait wait, QObject* parent)
    : CSoundPlayer(std::move(wait), std::nullopt, parent) {}

CSoundPlayer::CSoundPlayer(FnWait wait, const QAudioDevice& output, QObject* parent)
    : CSoundPlayer(std::move(wait), std::optional<QAudioDevice>(output), parent) {}

CSoundPlayer::CSoundPlayer(FnWait wait, std::optional<QAudioDevice> output, QObject* parent)
    : QObject(parent), m_fnWait(std::move(wait)), m_fixedOutput(std::move(output)) {
    m_feeder.setInterval(kFeedEveryMs);
    connect(&m_feeder, &QTimer::timeout, this, &CSoundPlayer::Feed);
}

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
    return m_pOutput && (!AllWritten() || m_pSink->state() == QAudio::ActiveState);
}

bool CSoundPlayer::Start(const CWaveFile& wave) {
    const QAudioDevice output = Output();
    const QAudioFormat format = FormatOf(wave);
    if (output.isNull() || !output.isFormatSupported(format)) return false;

    m_samples = QByteArray(reinterpret_cast<const char*>(wave.Data().data()),
                           static_cast<qsizetype>(wave.Data().size()));
    m_nWritten = 0;
    // A fresh stream per cue: a stream that was stopped does not always start again.
    m_pSink = std::make_unique<QAudioSink>(output, format);
    m_format = format;
    m_pSink->setBufferSize(
        std::min<qsizetype>(m_samples.size(), format.bytesForDuration(kBufferMs * 1000)));
    m_pOutput = m_pSink->start();
    if (!m_pOutput || m_pSink->error() != QAudio::NoError) {
        Stop();
        m_pSink.reset();
        return false;
    }
    // The stream starts once its buffer is full; a cue shorter than the buffer
    // the server granted gets trailing silence.
    const qsizetype frame = format.bytesPerFrame();
    const qsizetype least = (m_pSink->bufferSize() + frame - 1) / frame * frame;
    if (m_samples.size() < least) m_samples.append(least - m_samples.size(), '\0');
    Feed();
    m_feeder.start();
    return true;
}

void CSoundPlayer::Feed() {
    if (!m_pOutput) return;
    const qsizetype frame = m_format.bytesPerFrame();
    qsizetype room = std::min<qsizetype>(m_pSink->bytesFree(), m_samples.size() - m_nWritten);
    room -= room % frame;
    if (room > 0) {
        const qint64 written = m_pOutput->write(m_samples.constData() + m_nWritten, room);
        if (written > 0) m_nWritten += static_cast<qsizetype>(written);
    }
    if (AllWritten()) m_feeder.stop();
}

void CSoundPlayer::WaitUntilPlayed(int durationMs) {
    const unsigned cue = m_nCue;
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    // The sink may fall idle a little before the last sample is heard, so the
    // wait also lasts at least as long as the sound.
    const auto check = [this, cue, durationMs, &clock, &loop] {
        const bool replaced = m_nCue != cue;
        if (replaced || (!IsPlaying() && clock.elapsed() >= durationMs)) loop.quit();
    };
    connect(m_pSink.get(), &QAudioSink::stateChanged, &loop, check);
    connect(&m_feeder, &QTimer::timeout, &loop, check);
    QTimer::singleShot(durationMs, &loop, check);
    QTimer::singleShot(durationMs + kOverrunMs, &loop, &QEventLoop::quit);

    QEventLoop* outer = m_pWait;
    m_pWait = &loop;
    m_fnWait(loop);
    m_pWait = outer;
    if (m_nCue == cue) Stop();
}

void CSoundPlayer::Stop() {
    if (m_pWait) m_pWait->quit();
    m_feeder.stop();
    if (m_pSink && m_pOutput) m_pSink->stop();
    m_pOutput = nullptr;
}
