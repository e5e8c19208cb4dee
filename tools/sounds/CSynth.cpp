#include "CSynth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;
// Every sound ends with a short fade so that it never stops with a click.
constexpr double kFadeOut = 0.004;

}  // namespace

CSynth::CSynth(int sampleRate) : m_nSampleRate(sampleRate) {}

std::vector<double>& CSynth::Reserve(double at, double seconds) {
    const auto end = static_cast<std::size_t>(std::ceil((at + seconds) * m_nSampleRate));
    if (m_mix.size() < end) m_mix.resize(end, 0.0);
    return m_mix;
}

double CSynth::Envelope(double t, double seconds, SEnvelope envelope) {
    const double rise = envelope.attack > 0 ? std::min(1.0, t / envelope.attack) : 1.0;
    const double fall = std::exp(-std::max(0.0, t - envelope.attack) / envelope.decay);
    const double fade = std::min(1.0, (seconds - t) / kFadeOut);
    return rise * fall * std::max(0.0, fade);
}

void CSynth::Tone(double at, double seconds, double from, double to, double level,
                  SEnvelope envelope, const Partials& partials, double vibratoDepth,
                  double vibratoRate) {
    std::vector<double>& mix = Reserve(at, seconds);
    const auto first = static_cast<std::size_t>(at * m_nSampleRate);
    const auto count = static_cast<std::size_t>(seconds * m_nSampleRate);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / m_nSampleRate;
        const double glide = from * std::pow(to / from, t / seconds);
        const double frequency = glide + vibratoDepth * std::sin(kTwoPi * vibratoRate * t);
        phase += kTwoPi * frequency / m_nSampleRate;
        double value = 0;
        for (const auto& [ratio, amplitude] : partials) {
            // Partials above the Nyquist frequency would fold back as noise.
            if (frequency * ratio < m_nSampleRate / 2.0)
                value += amplitude * std::sin(phase * ratio);
        }
        mix[first + i] += level * Envelope(t, seconds, envelope) * value;
    }
}

void CSynth::Noise(double at, double seconds, double level, double brightness, SEnvelope envelope) {
    std::vector<double>& mix = Reserve(at, seconds);
    const auto first = static_cast<std::size_t>(at * m_nSampleRate);
    const auto count = static_cast<std::size_t>(seconds * m_nSampleRate);
    double smoothed = 0;
    for (std::size_t i = 0; i < count; ++i) {
        m_noiseState ^= m_noiseState << 13;
        m_noiseState ^= m_noiseState >> 17;
        m_noiseState ^= m_noiseState << 5;
        const double white = static_cast<double>(m_noiseState) / 2147483648.0 - 1.0;
        smoothed += brightness * (white - smoothed);
        const double t = static_cast<double>(i) / m_nSampleRate;
        mix[first + i] += level * Envelope(t, seconds, envelope) * smoothed;
    }
}

std::vector<std::int16_t> CSynth::Samples(double peak) const {
    double loudest = 0;
    for (double value : m_mix) loudest = std::max(loudest, std::abs(value));
    const double scale = loudest > 0 ? peak * 32767.0 / loudest : 0;
    std::vector<std::int16_t> samples;
    samples.reserve(m_mix.size());
    for (double value : m_mix)
        samples.push_back(static_cast<std::int16_t>(std::lround(value * scale)));
    return samples;
}
