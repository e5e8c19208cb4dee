#include <gtest/gtest.h>

#include <string>

#include "game/COperatorCycle.h"

// Each step is ShowNext (">") or SetOperator with that character; shown is the
// operator after ShowFirst and after each step. The list of an earlier game is
// replaced first, as a new game does.
TEST(OperatorCycle, StepsThroughItsListAndSetOperatorKeepsThePosition) {
    for (auto [steps, shown] : {std::pair<std::string, std::string>(">>>>", "+-*/+"),
                                {"/>", "+/-"},
                                {">>>*>", "+-*/*+"}}) {
        COperatorCycle cycle;
        for (char op : std::string("-/")) cycle.AddOperator(op);
        cycle.ShowNext();
        cycle.RemoveOperators();
        for (char op : std::string("+-*/")) cycle.AddOperator(op);
        cycle.ShowFirst();
        std::string seen(1, cycle.GetOperator());
        for (char step : steps) {
            if (step == '>') cycle.ShowNext();
            if (step != '>') cycle.SetOperator(step);
            seen += cycle.GetOperator();
        }
        EXPECT_EQ(seen, shown) << steps;
    }
}
