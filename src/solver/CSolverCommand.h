#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "game/COperatorSet.h"

// tallyfold-solve: prints the 104-case table for three numbers under chosen
// operators and sign mode and, given a board file, the best piece and its case.
// Kept apart from main() so tests can run it on strings.
class CSolverCommand {
public:
    // Runs with the arguments after the program name; returns the exit code
    // (0 done, 1 a board file that cannot be read, 2 bad arguments).
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
    static const char* Usage();

private:
    struct CRequest {
        int m_nNumbers[3] = {0, 0, 0};
        COperatorSet m_operators{false, false, false, false};
        int m_nSignMode = 0;
        std::string m_strBoard;    // empty: no board
        std::vector<int> m_taken;  // cells to mark taken before the search
    };

    // Fills the request; on failure returns false with the reason in error.
    static bool Parse(const std::vector<std::string>& args, CRequest& request, std::string& error);
    static bool ParseNumber(const std::string& text, int& value);
    static bool ParseOperators(const std::string& text, CRequest& request);
    static bool ParseTaken(const std::string& text, std::vector<int>& cells);
};
