#pragma once

#include "players/CDiskFileSystem.h"

// The disk as the game writes it, except that a replaced file is not flushed
// to the device (its folder still is): the same files, made quickly, for
// setting up a folder and for telling a save's own work from the flush.
class CUnflushedFiles : public CDiskFileSystem {
protected:
    bool Flush(int fd) override;
};
