#pragma once

#include <array>
#include <functional>
#include <string>

#include "game/COperatorCycle.h"

class IGameView;

// The two chained equations of a move and the number buttons that feed them:
// which number sits in each slot, the operators, both results, and what every
// button shows and whether it is enabled. No widgets: the window draws this.
//
// Slots 0..3 are the window's 2001, 2002 (first row) and 2003, 2004 (second
// row); numbers 0..2 are the dealt ones (buttons 1000..1002), number 3 is the
// first row's result (button 1008).
class CEquations {
public:
    static constexpr int kSlots = 4;
    static constexpr int kNumbers = 4;
    static constexpr int kFirstResult = 3;

    // onResult(true, v) when the second row gives v, onResult(false, 0) when it
    // gives nothing; the game decides which pieces blink.
    using FnResult = std::function<void(bool bHasResult, int nResult)>;

    CEquations(IGameView& view, FnResult onResult);

    // A number button: into the first free slot (the first row's result only
    // into the second row). Nothing when no slot is free.
    void PlaceNumber(int k);
    // A slot button, or the program emptying a slot: its number goes back to
    // its button and both rows are evaluated again.
    void EmptySlot(int s);
    // The next operator of row 0 (button 1006) or row 1 (1007).
    void StepOperator(int nRow);
    COperatorCycle& Operator(int nRow) { return m_operator[nRow == 0 ? 0 : 1]; }
    const COperatorCycle& Operator(int nRow) const { return m_operator[nRow == 0 ? 0 : 1]; }

    void Evaluate();
    // Writes a whole move: numbers i0..i3 into the four slots, both rows
    // computed with the operators shown, every number button locked.
    void FillEquation(int i0, int i1, int i2, int i3);

    // Deal: the three numbers shown on their buttons.
    void ShowDealt(int a, int b, int c);
    void EnableDealtNumbers();
    // Clears slots, numbers, results and caret for the next turn; both
    // operators back to their first.
    void Clear();
    // One blink of the caret in the first empty slot.
    void CaretTick();

    // ---- state (names as the game's design uses them) ----------------------
    std::array<int, kSlots> m_nSlot{-1, -1, -1, -1};
    std::array<int, kNumbers> m_nNumber{-1, -1, -1, -1};
    int m_nResult = -1;
    bool m_bCaretOn = false;

    // What the controls show.
    std::array<std::string, kNumbers> m_strNumber{"?", "?", "?", "?"};
    std::array<bool, kNumbers> m_bNumberEnabled{true, true, true, false};
    std::array<std::string, kSlots> m_strSlot{};
    std::array<bool, kSlots> m_bSlotEnabled{};
    std::string m_strFirstResult = "?";   // static 1016
    std::string m_strSecondResult = "?";  // static 1013

private:
    // x op y of one row; a rejected division shows its message and gives false.
    bool Compute(char chOperator, int x, int y, int& nResult);
    void PutInSlot(int s, int k);

    IGameView& m_view;
    FnResult m_onResult;
    std::array<COperatorCycle, 2> m_operator;
};
