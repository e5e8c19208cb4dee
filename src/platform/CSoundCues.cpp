#include "platform/CSoundCues.h"

#include <iterator>

namespace {

struct SCue {
    const char* file;
    ESoundMode mode;
};

// Synchronous cues pace what the player sees: the take, the neighbour
// flashes and the counting score each wait for their sound.
const SCue kCues[] = {
    {"data\\shake2.wav", ESoundMode::Async}, {"data\\shoop.wav", ESoundMode::Sync},
    {"data\\warble.wav", ESoundMode::Sync},  {"data\\no.wav", ESoundMode::Async},
    {"data\\up.wav", ESoundMode::Sync},      {"data\\down.wav", ESoundMode::Sync},
    {"data\\humanw.wav", ESoundMode::Async}, {"data\\compw.wav", ESoundMode::Async},
    {"data\\vexa.wav", ESoundMode::Async},
};

static_assert(std::size(kCues) == std::size_t(ECue::About) + 1, "one row per cue");

// Rows are in the order of ECue.
const SCue& Find(ECue cue) {
    return kCues[static_cast<std::size_t>(cue)];
}

}  // namespace

const char* CSoundCues::File(ECue cue) {
    return Find(cue).file;
}

ESoundMode CSoundCues::Mode(ECue cue) {
    return Find(cue).mode;
}

void CSoundCues::Play(ISound& sound, bool bSoundOn, ECue cue) {
    if (bSoundOn) sound.Play(File(cue), Mode(cue));
}
