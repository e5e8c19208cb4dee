#include "solver/CSolverCommand.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <sstream>

#include "game/CBoard.h"
#include "game/CCaseTable.h"
#include "game/GameNames.h"
#include "game/SetupRules.h"

const char* CSolverCommand::Usage() {
    return "usage: tallyfold-solve A B C OPERATORS SIGN [BOARD-FILE [--taken=CELLS]]\n"
           "  A B C       the three dealt numbers, whole numbers (a game deals 0 to 10)\n"
           "  OPERATORS   the allowed operators as letters (ASMD) or signs (+-*/), e.g. AM or +*\n"
           "  SIGN        P only positive, N only negative, A both positive and negative\n"
           "  BOARD-FILE  a board file, e.g. data/ASMD.A: also print the best piece and its case\n"
           "  --taken=CELLS  comma-separated cells 0..34 (7 * row + column) already taken\n"
           "example: tallyfold-solve 3 4 2 ASMD A data/ASMD.A --taken=16,17\n";
}

bool CSolverCommand::ParseNumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool CSolverCommand::ParseOperators(const std::string& text, CRequest& request) {
    for (char ch : text) {
        bool* flag = nullptr;
        COperatorSet& ops = request.m_operators;
        if (ch == 'A' || ch == 'a' || ch == '+') flag = &ops.m_bAdd;
        if (ch == 'S' || ch == 's' || ch == '-') flag = &ops.m_bSubtract;
        if (ch == 'M' || ch == 'm' || ch == '*') flag = &ops.m_bMultiply;
        if (ch == 'D' || ch == 'd' || ch == '/') flag = &ops.m_bDivide;
        if (flag == nullptr || *flag) return false;  // unknown or repeated
        *flag = true;
    }
    return !text.empty();
}

bool CSolverCommand::ParseTaken(const std::string& text, std::vector<int>& cells) {
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) {
        int cell = 0;
        if (!ParseNumber(item, cell) || !CBoard::IsIndex(cell)) return false;
        cells.push_back(cell);
    }
    return !cells.empty();
}

bool CSolverCommand::Parse(const std::vector<std::string>& args, CRequest& request,
                           std::string& error) {
    std::vector<std::string> positional;
    bool bTaken = false;
    for (const std::string& arg : args) {
        if (arg.rfind("--taken=", 0) == 0 && !bTaken) {
            bTaken = true;
            if (!ParseTaken(arg.substr(8), request.m_taken)) {
                error = "--taken needs cells 0..34 separated by commas";
                return false;
            }
        } else if (arg.rfind("--", 0) == 0) {  // "-" and "-/" are operators, "-3" a number
            error = "unknown option " + arg;
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() < 5 || positional.size() > 6) {
        error = "expected three numbers, the operators and the sign";
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (!ParseNumber(positional[i], request.m_nNumbers[i])) {
            error = "not a whole number: " + positional[i];
            return false;
        }
    }
    if (!ParseOperators(positional[3], request)) {
        error = "operators must be some of A S M D (or + - * /), each once: " + positional[3];
        return false;
    }
    request.m_nSignMode = positional[4].size() == 1 ? SignModeForLetter(positional[4][0]) : -1;
    if (request.m_nSignMode < 0) {
        error = "sign must be P, N or A: " + positional[4];
        return false;
    }
    if (positional.size() == 6) request.m_strBoard = positional[5];
    if (bTaken && request.m_strBoard.empty()) {
        error = "--taken needs a board file";
        return false;
    }
    return true;
}

int CSolverCommand::Run(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    CRequest request;
    std::string error;
    if (!Parse(args, request, error)) {
        err << "tallyfold-solve: " << error << "\n" << Usage();
        return 2;
    }
    CBoard board;
    if (!request.m_strBoard.empty() && !board.LoadFile(request.m_strBoard)) {
        err << "tallyfold-solve: cannot read board file " << request.m_strBoard << "\n";
        return 1;
    }
    for (int cell : request.m_taken) board.TakePiece(cell, kTakenByOne);
    board.RefreshCounts();
    board.SetOperators(request.m_operators);
    board.SetPositiveOnly(request.m_nSignMode == kSignPositive);

    const int a = request.m_nNumbers[0], b = request.m_nNumbers[1], c = request.m_nNumbers[2];
    const CBestPiece best = board.FindBestPiece(a, b, c);
    out << "Numbers a = " << a << ", b = " << b << ", c = " << c << "; operators "
        << request.m_operators.Text() << "; " << SignText(request.m_nSignMode) << " numbers.\n";
    if (BrokenSetupRule(request.m_operators, request.m_nSignMode) != ESetupRule::Valid) {
        out << "(A game cannot be set up with these operators and signs.)\n";
    }
    char line[128];
    std::snprintf(line, sizeof line, "%4s  %-13s  %-26s  %s\n", "Case", "Shape", "With the numbers",
                  "Result");
    out << line;
    for (int k = 1; k <= kCases; ++k) {
        const std::optional<int> result = board.CaseResult(k);
        const std::string shown = result ? std::to_string(*result) : "none";
        std::snprintf(line, sizeof line, "%4d  %-13s  %-26s  %s\n", k,
                      CCaseTable::ShapeText(k).c_str(),
                      CCaseTable::ExpressionText(k, a, b, c).c_str(), shown.c_str());
        out << line;
    }
    if (request.m_strBoard.empty()) return 0;
    if (!best.m_bFound) {
        out << "No obtainable piece on " << request.m_strBoard << ".\n";
        return 0;
    }
    const CPiece& piece = board.Piece(best.m_nBoardIndex);
    out << "Best piece: " << piece.m_nValue << " in row " << best.m_nBoardIndex / kColumns + 1
        << ", column " << best.m_nBoardIndex % kColumns + 1 << " (cell " << best.m_nBoardIndex
        << "), worth " << piece.m_nTakenNeighbours + 1 << " point"
        << (piece.m_nTakenNeighbours == 0 ? "" : "s") << ": case " << best.m_nCase << ", "
        << CCaseTable::ExpressionText(best.m_nCase, a, b, c) << " = " << piece.m_nValue << "\n";
    return 0;
}
