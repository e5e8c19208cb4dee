#pragma once

#include <string>

// The operators an operator button offers in turn, and the one it shows. The
// shown operator can be set without moving the position in the cycle, so the
// next step continues from where the cycle was.
class COperatorCycle {
public:
    void AddOperator(char chOperator);
    void RemoveOperators();
    // Shows the first operator; nothing while the list is empty.
    void ShowFirst();
    // Shows the operator after the current position, wrapping to the first.
    void ShowNext();
    // Shows chOperator; the position in the cycle stays.
    void SetOperator(char chOperator) { m_chShown = chOperator; }
    // The operator shown; 0 before anything was shown.
    char GetOperator() const { return m_chShown; }
    const std::string& Operators() const { return m_operators; }

private:
    std::string m_operators;
    int m_posCurrent = -1;  // -1 before the first ShowFirst
    char m_chShown = 0;
};
