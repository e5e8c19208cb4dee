#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// A tiny additive synthesiser for the game's sound cues: tones with partials,
// glides, vibrato and noise bursts mixed into one mono track.
class CSynth {
public:
    // A partial: frequency ratio to the fundamental and its amplitude.
    using Partials = std::vector<std::pair<double, double>>;

    struct SEnvelope {
        double attack = 0.005;  // seconds of linear rise
        double decay = 0.1;     // time constant of the exponential fall, seconds
    };

    explicit CSynth(int sampleRate);

    // A tone starting at `at` for `seconds`, gliding exponentially from `from` to `to` Hz,
    // its pitch wobbling by `vibratoDepth` Hz at `vibratoRate` Hz.
    void Tone(double at, double seconds, double from, double to, double level, SEnvelope envelope,
              const Partials& partials, double vibratoDepth = 0, double vibratoRate = 0);
    // A burst of low-passed noise; brightness 0..1 opens the filter.
    void Noise(double at, double seconds, double level, double brightness, SEnvelope envelope);

    // The mix scaled so that its loudest sample reaches `peak` (0..1 of full scale).
    std::vector<std::int16_t> Samples(double peak) const;
    int SampleRate() const { return m_nSampleRate; }

private:
    std::vector<double>& Reserve(double at, double seconds);
    static double Envelope(double t, double seconds, SEnvelope envelope);

    int m_nSampleRate;
    std::vector<double> m_mix;
    std::uint32_t m_noiseState = 0x2545F491u;  // fixed: the files come out the same every time
};
