#pragma once

#include "players/CDiskFileSystem.h"

// The disk as the game writes it, without waiting for the device: the same
// files, made quickly, for setting up a folder and for telling the save's
// own work from the flush at its end.
class CUnflushedFiles : public CDiskFileSystem {
protected:
    bool Flush(int fd) override;
};
