#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "solver/CSolverCommand.h"

namespace {

using Args = std::vector<std::string>;
using testing::HasSubstr;

struct CRun {
    int m_nCode = -1;
    std::string m_strOut, m_strErr;
};

CRun Solve(const Args& args) {
    std::ostringstream out, err;
    const int code = CSolverCommand::Run(args, out, err);
    return {code, out.str(), err.str()};
}

class BadArguments : public testing::TestWithParam<Args> {};

TEST_P(BadArguments, GetTheUsageAndExitCodeTwo) {
    const CRun run = Solve(GetParam());
    EXPECT_EQ(run.m_nCode, 2);
    EXPECT_THAT(run.m_strErr, HasSubstr("usage: tallyfold-solve"));
    EXPECT_EQ(run.m_strOut, "");
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BadArguments,
    testing::Values(Args{}, Args{"3", "4", "2"}, Args{"3", "4", "2.5", "ASMD", "A"},
                    Args{"3", "4", "99999999999", "A", "P"}, Args{"3", "4", "2", "ASX", "A"},
                    Args{"3", "4", "2", "AA", "A"}, Args{"3", "4", "2", "ASMD", "PA"},
                    Args{"3", "4", "2", "ASMD", "A", "board", "--taken=35"}));

TEST(Solver, PrintsEveryCaseWithItsShapeNumbersAndResult) {
    const CRun run = Solve({"6", "5", "2", "-/", "A"});
    EXPECT_EQ(run.m_nCode, 0);
    EXPECT_THAT(run.m_strOut, HasSubstr(" 104  a / (b - c)    6 / (5 - 2)                 2\n"));
    EXPECT_THAT(run.m_strOut, HasSubstr("   1  c + (a + b)    2 + (6 + 5)                 none\n"));
    EXPECT_EQ(std::count(run.m_strOut.begin(), run.m_strOut.end(), '\n'), 2 + 104);
    EXPECT_THAT(run.m_strOut, testing::Not(HasSubstr("cannot be set up")));
    EXPECT_THAT(Solve({"1", "2", "3", "D", "P"}).m_strOut, HasSubstr("cannot be set up"));
    // A positive game drops the negative first row 2 - 5.
    EXPECT_THAT(Solve({"2", "5", "1", "S", "P"}).m_strOut,
                HasSubstr("   3  (a - b) - c    (2 - 5) - 1                 none\n"));
    EXPECT_THAT(Solve({"2", "5", "1", "S", "A"}).m_strOut,
                HasSubstr("   3  (a - b) - c    (2 - 5) - 1                 -4\n"));
    // -1000 is a result, not the absence of one.
    EXPECT_THAT(Solve({"0", "10", "100", "SM", "A"}).m_strOut,
                HasSubstr("  66  a - (c * b)    0 - (100 * 10)              -1000\n"));
}

TEST(Solver, NamesTheBestPieceOfABoardFileAndCountsTakenCells) {
    const std::string path = "solver_test_board";  // in the build tree, apart from other builds
    {
        std::ofstream file(path);
        for (int i = 0; i < 35; ++i) file << (i == 20 || i == 30 ? "9" : "500") << " ,0\n";
    }
    EXPECT_THAT(Solve({"2", "3", "4", "A", "P", path}).m_strOut,
                HasSubstr("Best piece: 9 in row 3, column 7 (cell 20), worth 1 point: case 1, "
                          "4 + (2 + 3) = 9\n"));
    EXPECT_THAT(Solve({"2", "3", "4", "A", "P", path, "--taken=22,23,24"}).m_strOut,
                HasSubstr("Best piece: 9 in row 5, column 3 (cell 30), worth 4 points"));
    EXPECT_THAT(Solve({"0", "0", "1", "A", "P", path}).m_strOut, HasSubstr("No obtainable piece"));
    std::remove(path.c_str());

    const CRun missing = Solve({"1", "2", "3", "A", "P", "/nonexistent/board"});
    EXPECT_EQ(missing.m_nCode, 1);
    EXPECT_THAT(missing.m_strErr, HasSubstr("cannot read board file /nonexistent/board"));
}

}  // namespace
