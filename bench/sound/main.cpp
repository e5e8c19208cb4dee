// Times the sound player on a real audio output. Run it through
// scripts/sound-bench.sh, which gives it a PulseAudio null sink, records the
// sink with parec and measures the recording with sox:
//   TF_RECORDING  the raw recording parec is writing (s16le, mono, 22050 Hz)
//   TF_EVENTS     where to note, for every call, where the recording stood
// Synchronous cues are timed here (a call should last the cue's length and at
// most 100 ms more); when each asynchronous cue was first heard is found in the
// recording afterwards.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/CSoundPlayer.h"
#include "platform/CSyncCue.h"
#include "platform/CWaveFile.h"
#include "platform/WinPath.h"

namespace {

CSoundPlayer* g_pPlayer = nullptr;
std::FILE* g_pEvents = nullptr;

// Samples parec has written so far; the call happened at or after this sample.
long long RecordedSamples() {
    const char* path = std::getenv("TF_RECORDING");
    std::error_code error;
    const auto bytes = path ? std::filesystem::file_size(path, error) : 0;
    return error ? -1 : static_cast<long long>(bytes / 2);
}

// Lets the sound finish and the output settle, as between two moves.
void Pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

int LengthMs(const char* cue) {
    const auto wave = CWaveFile::Read(ToLocalPath(cue));
    return wave ? wave->DurationMs() : 0;
}

void Note(const char* mode, const char* cue, int lengthMs, long long callSample,
          long long returnSample, double callMs) {
    if (!g_pEvents) return;
    std::fprintf(g_pEvents, "%s %s %d %lld %lld %.3f\n", mode, cue, lengthMs, callSample,
                 returnSample, callMs);
    std::fflush(g_pEvents);
}

void SyncCue(benchmark::State& state, const char* cue) {
    const int length = LengthMs(cue);
    if (length == 0) return state.SkipWithError("cue missing: run from the build's game folder");
    double worstOverrun = -1e9;
    for (auto _ : state) {
        Pause(200);
        const long long callSample = RecordedSamples();
        const auto start = std::chrono::steady_clock::now();
        g_pPlayer->Play(cue, ESoundMode::Sync);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        worstOverrun = std::max(worstOverrun, took.count() * 1000 - length);
        Note("sync", cue, length, callSample, RecordedSamples(), took.count() * 1000);
    }
    state.counters["length_ms"] = length;
    state.counters["worst_overrun_ms"] = worstOverrun;
}

void AsyncCue(benchmark::State& state, const char* cue) {
    const int length = LengthMs(cue);
    if (length == 0) return state.SkipWithError("cue missing: run from the build's game folder");
    for (auto _ : state) {
        Pause(300);
        const long long callSample = RecordedSamples();
        const auto start = std::chrono::steady_clock::now();
        g_pPlayer->Play(cue, ESoundMode::Async);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        Note("async", cue, length, callSample, RecordedSamples(), took.count() * 1000);
        Pause(length + 100);
    }
    state.counters["length_ms"] = length;
}

struct SCase {
    void (*run)(benchmark::State&, const char*);
    const char* name;
    const char* cue;
    int iterations;
};

// The cues in the mode the game plays them.
const SCase kCases[] = {
    {SyncCue, "SyncCue/shoop", "data\\shoop.wav", 5},
    {SyncCue, "SyncCue/warble", "data\\warble.wav", 5},
    {SyncCue, "SyncCue/up", "data\\up.wav", 10},
    {SyncCue, "SyncCue/down", "data\\down.wav", 10},
    {AsyncCue, "AsyncCue/shake2", "data\\shake2.wav", 10},
    {AsyncCue, "AsyncCue/no", "data\\no.wav", 5},
    {AsyncCue, "AsyncCue/humanw", "data\\humanw.wav", 3},
    {AsyncCue, "AsyncCue/compw", "data\\compw.wav", 3},
    {AsyncCue, "AsyncCue/vexa", "data\\vexa.wav", 3},
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    CSoundPlayer player(&CSyncCue::Wait);
    g_pPlayer = &player;
    if (const char* events = std::getenv("TF_EVENTS")) g_pEvents = std::fopen(events, "w");
    for (const SCase& test : kCases) {
        benchmark::RegisterBenchmark(test.name, test.run, test.cue)
            ->UseManualTime()
            ->Iterations(test.iterations)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_pEvents) std::fclose(g_pEvents);
    return 0;
}
