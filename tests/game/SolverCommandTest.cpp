#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "solver/CSolverCommand.h"

namespace {

struct CRun {
    int m_nCode = -1;
    std::string m_strOut;
    std::string m_strErr;
};

CRun Solve(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CRun run;
    run.m_nCode = CSolverCommand::Run(args, out, err);
    run.m_strOut = out.str();
    run.m_strErr = err.str();
    return run;
}

class BadArguments : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BadArguments, GetTheUsageAndExitCodeTwo) {
    const CRun run = Solve(GetParam());
    EXPECT_EQ(run.m_nCode, 2);
    EXPECT_NE(run.m_strErr.find("usage: tallyfold-solve"), std::string::npos);
    EXPECT_TRUE(run.m_strOut.empty());
}

using Args = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(
    Lists, BadArguments,
    testing::Values(Args{}, Args{"3", "4", "2"}, Args{"3", "4", "x", "ASMD", "A"},
                    Args{"3", "4", "2.5", "ASMD", "A"}, Args{"3", "4", "99999999999", "A", "P"},
                    Args{"3", "4", "2", "", "A"}, Args{"3", "4", "2", "AA", "A"},
                    Args{"3", "4", "2", "ASX", "A"}, Args{"3", "4", "2", "ASMD", "Q"},
                    Args{"3", "4", "2", "ASMD", "PA"}, Args{"3", "4", "2", "ASMD", "A", "b", "c"},
                    Args{"3", "4", "2", "ASMD", "A", "--taken=1"},
                    Args{"3", "4", "2", "ASMD", "A", "board", "--taken=35"},
                    Args{"3", "4", "2", "ASMD", "A", "--verbose"}));

TEST(Solver, PrintsEveryCaseWithItsShapeNumbersAndResult) {
    const CRun run = Solve({"6", "5", "2", "-/", "A"});
    EXPECT_EQ(run.m_nCode, 0);
    EXPECT_NE(run.m_strOut.find(" 104  a / (b - c)    6 / (5 - 2)                 2\n"),
              std::string::npos)
        << run.m_strOut;
    EXPECT_NE(run.m_strOut.find("   1  c + (a + b)    2 + (6 + 5)                 none\n"),
              std::string::npos);
    EXPECT_EQ(std::count(run.m_strOut.begin(), run.m_strOut.end(), '\n'), 2 + 104);
}

TEST(Solver, SaysWhenTheOperatorsAndSignsCannotBeAGame) {
    EXPECT_NE(Solve({"1", "2", "3", "D", "P"}).m_strOut.find("cannot be set up"),
              std::string::npos);
    EXPECT_EQ(Solve({"1", "2", "3", "+*", "P"}).m_strOut.find("cannot be set up"),
              std::string::npos);
}

class SolverBoard : public testing::Test {
protected:
    void SetUp() override {
        m_path = (std::filesystem::temp_directory_path() /
                  ("tallyfold_solver_" +
                   std::string(testing::UnitTest::GetInstance()->current_test_info()->name())))
                     .string();
        std::ofstream file(m_path);
        for (int i = 0; i < 35; ++i) file << (i == 20 || i == 30 ? "9" : "500") << " ,0\n";
    }
    void TearDown() override { std::remove(m_path.c_str()); }
    std::string m_path;
};

TEST_F(SolverBoard, NamesTheBestPieceAndTheCaseThatReachesIt) {
    const CRun run = Solve({"2", "3", "4", "A", "P", m_path});
    EXPECT_EQ(run.m_nCode, 0);
    EXPECT_NE(
        run.m_strOut.find("Best piece: 9 in row 3, column 7 (cell 20), worth 1 point: case 1, "
                          "4 + (2 + 3) = 9\n"),
        std::string::npos)
        << run.m_strOut;
}

TEST_F(SolverBoard, CountsTakenCellsGivenOnTheCommandLine) {
    const CRun run = Solve({"2", "3", "4", "A", "P", m_path, "--taken=22,23,24"});
    EXPECT_NE(run.m_strOut.find("Best piece: 9 in row 5, column 3 (cell 30), worth 4 points"),
              std::string::npos)
        << run.m_strOut;
}

TEST_F(SolverBoard, SaysSoWhenNoPieceIsObtainable) {
    const CRun run = Solve({"0", "0", "1", "A", "P", m_path});
    EXPECT_NE(run.m_strOut.find("No obtainable piece"), std::string::npos);
}

TEST(Solver, ReportsABoardFileThatCannotBeReadWithExitCodeOne) {
    const CRun run = Solve({"1", "2", "3", "A", "P", "/nonexistent/board"});
    EXPECT_EQ(run.m_nCode, 1);
    EXPECT_NE(run.m_strErr.find("cannot read board file /nonexistent/board"), std::string::npos);
}

}  // namespace
