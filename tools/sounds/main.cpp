// Writes the game's sound cues as 16-bit mono wave files:
//   tallyfold-sounds <output folder>
// The files are committed in data/; run this again only to change a cue.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "CSynth.h"
#include "platform/CWaveFile.h"

namespace {

constexpr int kRate = 22050;

using Recipe = std::function<void(CSynth&)>;

struct SCue {
    const char* file;
    double peak;  // loudness; the refusal and the ticks stay quiet
    Recipe recipe;
};

const CSynth::Partials kPure = {{1, 1}};
const CSynth::Partials kWarm = {{1, 1}, {2, 0.3}, {3, 0.1}};
const CSynth::Partials kBuzz = {{1, 1}, {2, 0.5}, {3, 0.35}, {4, 0.2}, {5, 0.12}};
const CSynth::Partials kSquare = {{1, 1}, {3, 0.3}, {5, 0.15}, {7, 0.07}};
const CSynth::Partials kBell = {{1, 1}, {2, 0.45}, {2.76, 0.25}, {5.4, 0.08}};

// A handful of seeds hitting a cup: short bright clicks at uneven times.
void Shake(CSynth& synth) {
    const double times[] = {0.000, 0.021, 0.037, 0.062, 0.081, 0.104, 0.122, 0.147};
    const double levels[] = {1.0, 0.6, 0.8, 0.5, 0.9, 0.55, 0.7, 0.4};
    for (int i = 0; i < 8; ++i) synth.Noise(times[i], 0.03, levels[i], 0.55, {0.001, 0.006});
}

// A piece slides into place: a quick upward sweep.
void Slide(CSynth& synth) {
    synth.Tone(0, 0.26, 260, 1040, 1.0, {0.02, 0.16}, kWarm);
    synth.Noise(0, 0.2, 0.15, 0.2, {0.03, 0.08});
}

void Warble(CSynth& synth) {
    synth.Tone(0, 0.22, 880, 940, 1.0, {0.01, 0.14}, kWarm, 110, 22);
}

// "Uh-uh": two soft low pulses.
void Refuse(CSynth& synth) {
    synth.Tone(0.00, 0.09, 155, 145, 1.0, {0.008, 0.06}, kBuzz);
    synth.Tone(0.12, 0.10, 150, 135, 1.0, {0.008, 0.06}, kBuzz);
}

void TickUp(CSynth& synth) {
    synth.Tone(0, 0.07, 1000, 1500, 1.0, {0.003, 0.025}, kWarm);
}

void TickDown(CSynth& synth) {
    synth.Tone(0, 0.07, 1300, 850, 1.0, {0.003, 0.025}, kWarm);
}

// A bright rising arpeggio that ends on a held chord.
void HumanWins(CSynth& synth) {
    const double notes[] = {523.25, 659.25, 783.99, 1046.50};
    for (int i = 0; i < 4; ++i)
        synth.Tone(0.12 * i, i == 3 ? 0.9 : 0.3, notes[i], notes[i], 1.0, {0.005, 0.12}, kBell);
    synth.Tone(0.36, 0.9, 659.25, 659.25, 0.5, {0.01, 0.35}, kBell);
    synth.Tone(0.36, 0.9, 783.99, 783.99, 0.5, {0.01, 0.35}, kBell);
}

// A reedy machine fanfare that ends wobbling.
void ComputerWins(CSynth& synth) {
    const double notes[] = {392.00, 587.33, 493.88, 783.99};
    for (int i = 0; i < 3; ++i)
        synth.Tone(0.15 * i, 0.14, notes[i], notes[i], 1.0, {0.004, 0.09}, kSquare);
    synth.Tone(0.45, 0.7, notes[3], notes[3], 1.0, {0.01, 0.3}, kSquare, 14, 9);
}

// Three soft bell strokes, each higher.
void Chime(CSynth& synth) {
    synth.Tone(0.00, 1.2, 783.99, 783.99, 1.0, {0.004, 0.35}, kBell);
    synth.Tone(0.22, 1.1, 1046.50, 1046.50, 0.9, {0.004, 0.35}, kBell);
    synth.Tone(0.44, 1.0, 1567.98, 1567.98, 0.7, {0.004, 0.4}, kBell);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::vector<SCue> cues = {
        {"shake2.wav", 0.45, Shake},    {"shoop.wav", 0.5, Slide},
        {"warble.wav", 0.45, Warble},   {"no.wav", 0.35, Refuse},
        {"up.wav", 0.4, TickUp},        {"down.wav", 0.4, TickDown},
        {"humanw.wav", 0.5, HumanWins}, {"compw.wav", 0.45, ComputerWins},
        {"vexa.wav", 0.5, Chime},
    };
    int failures = 0;
    for (const SCue& cue : cues) {
        CSynth synth(kRate);
        cue.recipe(synth);
        const CWaveFile wave(kRate, synth.Samples(cue.peak));
        const std::string path = std::string(argv[1]) + "/" + cue.file;
        if (wave.Write(path)) {
            std::printf("%-11s %5d ms\n", cue.file, wave.DurationMs());
        } else {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
