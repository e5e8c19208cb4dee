#pragma once

#include <string>
#include <vector>

#include "game/CBoardFigures.h"

// One designed board: its 35 values in board-index order and its figures.
struct CBoardDesign {
    std::string m_strKey;
    bool m_bPlayable = false;
    std::string m_strNote;  // why a board cannot be played, or how it was made
    std::vector<int> m_values;
    CBoardFigures m_figures;
};

// Chooses the values of a board: values of the board's sign that the board's
// operators reach, as many different ones as the thresholds allow, easiest
// first; a value is taken only when every three pieces still give a deal at
// least an even chance. Cells left over repeat the easiest values. The values
// are then spread over the grid in a fixed pseudo-random order with equal
// values kept apart.
class CBoardDesigner {
public:
    static CBoardDesign Design(const std::string& key);
    // Whether the setup rules let a game use the board's operators and sign;
    // when not and pReason is given, it gets the reason.
    static bool IsPlayable(const std::string& key, std::string* pReason = nullptr);
    // "12 ,0": the caption, a filler blank, the comma, the unused second number.
    static std::string Line(int nValue);

private:
    static std::vector<int> ChooseValues(const CDealOdds& odds, std::vector<int> candidates,
                                         bool bBalanceSigns);
    // Whether a piece reaching `added` keeps every three pieces at an even chance.
    static bool KeepsHardestThree(const CDealOdds& odds,
                                  const std::vector<CDealOdds::CSetMask>& masks,
                                  const CDealOdds::CSetMask& added);
    static std::vector<int> Arrange(std::vector<int> values, const std::string& key);
    static std::vector<int> MirrorSigns(const std::vector<int>& values, int nSignMode);
};
