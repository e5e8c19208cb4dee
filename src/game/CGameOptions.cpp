#include "game/CGameOptions.h"

namespace {
constexpr int kPiecesBySize[] = {10, 16, 26, 32};
}

const char* CGameOptions::LevelName(int nLevel) {
    return nLevel == kLevelBeginner ? "beginner" : nLevel == kLevelIntermediate ? "intermediate" : "expert";
}

int CGameOptions::PiecesForSize(int nSize) {
    return nSize >= 0 && nSize < 4 ? kPiecesBySize[nSize] : 26;
}

int CGameOptions::SizeForPieces(int nPieces) {
    for (int size = 0; size < 4; ++size) {
        if (kPiecesBySize[size] == nPieces) return size;
    }
    return 2;
}
