#pragma once

#include <algorithm>
#include <cerrno>
#include <cstddef>

#include "players/CDiskFileSystem.h"

// The real disk, but the device "fills up" after m_nBudget bytes, and writes
// may be cut into small pieces; m_bFailFlush makes the flush fail.
class CFailingDisk : public CDiskFileSystem {
public:
    long m_nBudget = -1;  // bytes left before writes fail; -1 for no limit
    std::size_t m_nPiece = 0;  // largest single write; 0 for no limit
    bool m_bFailFlush = false;

protected:
    long WriteSome(int fd, const char* data, std::size_t size) override {
        if (m_nPiece != 0) size = std::min(size, m_nPiece);
        if (m_nBudget >= 0) {
            if (m_nBudget == 0) {
                errno = ENOSPC;
                return -1;
            }
            size = std::min(size, static_cast<std::size_t>(m_nBudget));
        }
        const long wrote = CDiskFileSystem::WriteSome(fd, data, size);
        if (wrote > 0 && m_nBudget >= 0) m_nBudget -= wrote;
        return wrote;
    }
    bool Flush(int fd) override { return !m_bFailFlush && CDiskFileSystem::Flush(fd); }
};
