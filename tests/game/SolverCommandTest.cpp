#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "solver/CSolverCommand.h"

namespace {

using Args = std::vector<std::string>;
using testing::HasSubstr;

// What the solver wrote to its output, then to its errors, then "exit N".
std::string Solve(const Args& args) {
    std::ostringstream out, err;
    const int code = CSolverCommand::Run(args, out, err);
    return out.str() + "|" + err.str() + "|exit " + std::to_string(code);
}

TEST(Solver, RefusesBadArgumentsWithTheUsageAndExitCodeTwo) {
    for (const Args& args :
         {Args{}, Args{"3", "4", "2"}, Args{"3", "4", "2.5", "ASMD", "A"},
          Args{"3", "4", "2", "AA", "A"}, Args{"3", "4", "2", "ASMD", "A", "board", "--taken=35"}})
        EXPECT_THAT(Solve(args), testing::AllOf(testing::StartsWith("|"),  // nothing on the output
                                                HasSubstr("usage: tallyfold-solve"),
                                                testing::EndsWith("|exit 2")))
            << testing::PrintToString(args);
}

TEST(Solver, PrintsNoneForACaseTheSignRuleDropsAndMinusOneThousandAsAResult) {
    // A positive game drops the negative first row 2 - 5.
    EXPECT_THAT(Solve({"2", "5", "1", "S", "P"}),
                HasSubstr("   3  (a - b) - c    (2 - 5) - 1                 none\n"));
    // -1000 is a result, not the absence of one.
    EXPECT_THAT(Solve({"0", "10", "100", "SM", "A"}),
                HasSubstr("  66  a - (c * b)    0 - (100 * 10)              -1000\n"));
}

TEST(Solver, NamesTheBestPieceOfABoardFileAndCountsTakenCells) {
    const std::string path = "solver_test_board";  // in the build tree, apart from other builds
    {
        std::ofstream file(path);
        for (int i = 0; i < 35; ++i) file << (i == 20 || i == 30 ? "9" : "500") << " ,0\n";
    }
    EXPECT_THAT(Solve({"2", "3", "4", "A", "P", path}),
                HasSubstr("Best piece: 9 in row 3, column 7 (cell 20), worth 1 point: case 1, "
                          "4 + (2 + 3) = 9\n"));
    EXPECT_THAT(Solve({"2", "3", "4", "A", "P", path, "--taken=22,23,24"}),
                HasSubstr("Best piece: 9 in row 5, column 3 (cell 30), worth 4 points"));
    std::remove(path.c_str());
}

}  // namespace
