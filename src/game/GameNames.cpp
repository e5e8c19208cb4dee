#include "game/GameNames.h"

char OperatorLetter(EOperator op) {
    switch (op) {
        case EOperator::Add:
            return 'A';
        case EOperator::Subtract:
            return 'S';
        case EOperator::Multiply:
            return 'M';
        case EOperator::Divide:
            return 'D';
    }
    return '?';
}

char OperatorChar(EOperator op) {
    switch (op) {
        case EOperator::Add:
            return '+';
        case EOperator::Subtract:
            return '-';
        case EOperator::Multiply:
            return '*';
        case EOperator::Divide:
            return '/';
    }
    return '?';
}

char SignLetter(int nSignMode) {
    if (nSignMode == kSignPositive) return 'P';
    if (nSignMode == kSignNegative) return 'N';
    return 'A';
}

std::string SignText(int nSignMode) {
    if (nSignMode == kSignPositive) return "only positive";
    if (nSignMode == kSignNegative) return "only negative";
    return "both positive and negative";
}

int SignModeForLetter(char letter) {
    if (letter == 'P') return kSignPositive;
    if (letter == 'N') return kSignNegative;
    if (letter == 'A') return kSignBoth;
    return -1;
}

std::string BoardKey(const COperatorSet& ops, int nSignMode) {
    return ops.Letters() + "." + SignLetter(nSignMode);
}

std::string GameTitle(int nPieces, const COperatorSet& ops, int nSignMode) {
    return "A " + std::to_string(nPieces) + " piece game with " + ops.Text() + " operators and " +
           SignText(nSignMode) + " numbers allowed.";
}

namespace {

// The 15 operator sets that are not empty, A as the lowest bit.
COperatorSet SetOfMask(int mask) {
    return {(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0};
}

}  // namespace

std::vector<std::string> AllBoardKeys() {
    std::vector<std::string> keys;
    for (int mask = 1; mask < 16; ++mask) {
        for (int sign : {kSignPositive, kSignNegative, kSignBoth}) {
            keys.push_back(BoardKey(SetOfMask(mask), sign));
        }
    }
    return keys;
}

bool ParseBoardKey(const std::string& key, COperatorSet& ops, int& nSignMode) {
    for (int mask = 1; mask < 16; ++mask) {
        for (int sign : {kSignPositive, kSignNegative, kSignBoth}) {
            if (BoardKey(SetOfMask(mask), sign) != key) continue;
            ops = SetOfMask(mask);
            nSignMode = sign;
            return true;
        }
    }
    return false;
}
