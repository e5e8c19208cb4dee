#pragma once

#include <string>
#include <vector>

#include "platform/ISound.h"

// Records which cues were asked for, in order and mode, instead of playing them.
struct CSoundRecorder : ISound {
    using Cue = std::pair<std::string, ESoundMode>;
    void Play(const std::string& cue, ESoundMode mode) override { m_cues.emplace_back(cue, mode); }
    const std::vector<Cue>& Cues() const { return m_cues; }
    void Clear() { m_cues.clear(); }

private:
    std::vector<Cue> m_cues;
};
