#pragma once

#include <QString>
#include <memory>

#include "platform/ISound.h"

// The game's sound: the Qt Multimedia player, kept in a module of its own
// ("tallyfold-sound" beside the program) and loaded on the first cue or on
// Preload. Linking the audio stack into the program would load and relocate
// some twenty libraries before the first window could show. Without the
// module every cue plays nothing, as on a machine without audio.
class CSoundModule : public ISound {
public:
    static constexpr const char* kEntry = "TallyfoldCreateSound";

    // folder: where the module lies; empty for the program's own folder.
    explicit CSoundModule(QString folder = {});
    ~CSoundModule() override;

    void Play(const std::string& file, ESoundMode mode) override;
    // Loads the module and opens the audio output now, so that the first cue
    // does not wait for them. Once is enough; later calls do nothing.
    void Preload();
    // Whether the module was found and gave a player.
    bool Loaded() const { return m_pPlayer != nullptr; }

private:
    QString m_strFolder;
    bool m_bTried = false;
    std::unique_ptr<ISound> m_pPlayer;
};
