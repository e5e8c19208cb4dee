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

namespace {

// Appends the letter or character of each allowed operator, in the order + - * /.
template <typename F>
std::string Concatenate(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide, F symbol) {
    std::string text;
    if (bAdd) text += symbol(EOperator::Add);
    if (bSubtract) text += symbol(EOperator::Subtract);
    if (bMultiply) text += symbol(EOperator::Multiply);
    if (bDivide) text += symbol(EOperator::Divide);
    return text;
}

}  // namespace

std::string OperatorText(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide) {
    return Concatenate(bAdd, bSubtract, bMultiply, bDivide, OperatorChar);
}

std::string BoardKey(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide, int nSignMode) {
    return Concatenate(bAdd, bSubtract, bMultiply, bDivide, OperatorLetter) + "." +
           SignLetter(nSignMode);
}

std::string GameTitle(int nPieces, bool bAdd, bool bSubtract, bool bMultiply, bool bDivide,
                      int nSignMode) {
    return "A " + std::to_string(nPieces) + " piece game with " +
           OperatorText(bAdd, bSubtract, bMultiply, bDivide) + " operators and " +
           SignText(nSignMode) + " numbers allowed.";
}

bool IsPlayableSetup(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide, int nSignMode) {
    if (!bAdd && !bSubtract && !bMultiply && !bDivide) return false;
    if (bDivide && !bSubtract && !bMultiply && !bAdd) return false;
    if (!bSubtract) return nSignMode == kSignPositive;
    if (!bAdd && !bMultiply) return nSignMode != kSignPositive;  // S or S+D
    return true;
}

std::vector<std::string> AllBoardKeys() {
    std::vector<std::string> keys;
    for (int set = 1; set < 16; ++set) {
        for (int sign : {kSignPositive, kSignNegative, kSignBoth}) {
            keys.push_back(BoardKey(set & 1, set & 2, set & 4, set & 8, sign));
        }
    }
    return keys;
}

bool ParseBoardKey(const std::string& key, bool& bAdd, bool& bSubtract, bool& bMultiply,
                   bool& bDivide, int& nSignMode) {
    for (int set = 1; set < 16; ++set) {
        for (int sign : {kSignPositive, kSignNegative, kSignBoth}) {
            if (BoardKey(set & 1, set & 2, set & 4, set & 8, sign) != key) continue;
            bAdd = set & 1;
            bSubtract = set & 2;
            bMultiply = set & 4;
            bDivide = set & 8;
            nSignMode = sign;
            return true;
        }
    }
    return false;
}
