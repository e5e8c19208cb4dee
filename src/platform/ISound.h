#pragma once

#include <string>

enum class ESoundMode {
    Sync,   // returns when the sound has ended; user input waits meanwhile
    Async,  // returns at once; replaces any sound still playing
};

// Plays a wave file named as the game names it ("data\shoop.wav"). Callers
// check the sound switch themselves; a missing file or no audio device plays
// nothing and reports nothing.
class ISound {
public:
    virtual ~ISound() = default;
    virtual void Play(const std::string& file, ESoundMode mode) = 0;
};
