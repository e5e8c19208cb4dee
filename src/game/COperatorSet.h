#pragma once

#include <string>

enum class EOperator { Add, Subtract, Multiply, Divide };

// The operators a game allows. The setup dialog, the options, the board, the
// board key and the game title all pass this one value around.
struct COperatorSet {
    bool m_bAdd = true, m_bSubtract = true, m_bMultiply = true, m_bDivide = true;

    bool Has(EOperator op) const;
    bool IsEmpty() const { return !m_bAdd && !m_bSubtract && !m_bMultiply && !m_bDivide; }
    // The allowed operators in the order A, S, M, D: "ASMD", "SD", "" ...
    std::string Letters() const;
    // The same as characters: "+-*/", "-/", "" ...
    std::string Text() const;

    bool operator==(const COperatorSet& other) const {
        return m_bAdd == other.m_bAdd && m_bSubtract == other.m_bSubtract &&
               m_bMultiply == other.m_bMultiply && m_bDivide == other.m_bDivide;
    }
    bool operator!=(const COperatorSet& other) const { return !(*this == other); }
};
