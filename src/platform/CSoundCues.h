#pragma once

#include "platform/ISound.h"

// The game's sound cues: which wave file each one plays and whether the game
// waits for it to end.
enum class ECue {
    Shake,         // each tick of a deal
    Shoop,         // a piece is taken
    Warble,        // each taken neighbour of the piece just taken
    No,            // a piece that may not be taken was clicked
    Up,            // each point a displayed score counts up
    Down,          // each point a displayed score counts down
    HumanWins,     // a game won by a person
    ComputerWins,  // a game won by the computer
    About,         // the about box opens
};

class CSoundCues {
public:
    static const char* File(ECue cue);
    static ESoundMode Mode(ECue cue);
    // Plays the cue in its mode when the sound switch handed in is on. Every cue
    // but About follows the window's switch; the about box is handed its own.
    static void Play(ISound& sound, bool bSoundOn, ECue cue);
};
