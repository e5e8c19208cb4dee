#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "CBoardDesigner.h"
#include "game/CBoard.h"
#include "game/GameNames.h"

// Writes the 45 board files (or, with --check, measures the files already
// there) and prints each board's figures.
namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: tallyfold-boardgen [--check] DATA-DIRECTORY\n"
                 "  Designs and writes the 45 board files (A.P ... ASMD.A) and prints, per\n"
                 "  board, how likely a deal finds a piece. --check only measures the files.\n");
    return 2;
}

bool Write(const std::string& path, const std::vector<int>& values) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (int v : values) file << CBoardDesigner::Line(v) << '\n';
    return static_cast<bool>(file);
}

bool ReadValues(const std::string& path, std::vector<int>& values) {
    CBoard board;
    if (!board.LoadFile(path)) return false;
    values.clear();
    for (int i = 0; i < kCells; ++i) {
        if (board.HasPiece(i)) values.push_back(board.Piece(i).m_nValue);
    }
    return true;
}

bool MeetsThresholds(const CBoardFigures& f) {
    return f.m_unreachable.empty() && f.MeetsFullBoard() && f.MeetsHardestThree();
}

void Print(const CBoardDesign& d) {
    const CBoardFigures& f = d.m_figures;
    const bool bOk = MeetsThresholds(f);
    std::string hardest;
    for (int i : f.m_nHardest) {
        if (i >= 0) hardest += (hardest.empty() ? "" : " ") + std::to_string(d.m_values[i]);
    }
    std::printf("%-7s %-10s distinct %2d  full board %8.4f%%  hardest three %8.4f%% (%s)%s\n",
                d.m_strKey.c_str(), d.m_bPlayable ? "playable" : "unplayable", f.m_nDistinct,
                100.0 * f.FullDeal(), 100.0 * f.HardestDeal(), hardest.c_str(),
                !d.m_bPlayable ? ""
                : bOk          ? "  meets thresholds"
                               : "  SHORT OF THRESHOLDS");
    if (!f.m_unreachable.empty())
        std::printf("        %zu values no deal reaches\n", f.m_unreachable.size());
    if (!d.m_strNote.empty()) std::printf("        %s\n", d.m_strNote.c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    bool bCheck = false;
    std::string directory;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0 && !bCheck) {
            bCheck = true;
        } else if (directory.empty() && argv[i][0] != '-') {
            directory = argv[i];
        } else {
            return Usage();
        }
    }
    if (directory.empty()) return Usage();
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        std::fprintf(stderr, "tallyfold-boardgen: %s is not a directory\n", directory.c_str());
        return 1;
    }

    int failures = 0;
    int playable = 0;
    int short_of = 0;
    std::string unplayable;
    for (const std::string& key : AllBoardKeys()) {
        const std::string path = directory + "/" + key;
        CBoardDesign design;
        if (bCheck) {
            // Reads and measures the file there; designs and writes nothing.
            design.m_strKey = key;
            design.m_bPlayable = CBoardDesigner::IsPlayable(key, &design.m_strNote);
            if (!ReadValues(path, design.m_values)) {
                std::fprintf(stderr, "cannot read %s\n", path.c_str());
                ++failures;
                continue;
            }
            COperatorSet ops;
            int sign = kSignBoth;
            ParseBoardKey(key, ops, sign);
            design.m_figures =
                CBoardFigures::Measure(CDealOdds(ops, sign == kSignPositive), design.m_values);
        } else {
            design = CBoardDesigner::Design(key);
            if (!Write(path, design.m_values)) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                ++failures;
                continue;
            }
        }
        Print(design);
        if (design.m_bPlayable) {
            ++playable;
            if (!MeetsThresholds(design.m_figures)) ++short_of;
        } else {
            unplayable += " " + key;
        }
    }
    std::printf(
        "\n%d playable boards, %d short of the thresholds (full board >= %.0f%%, "
        "hardest three >= %.0f%%).\nUnplayable by the setup rules, %s all the same:%s\n",
        playable, short_of, 100 * CBoardFigures::kFullBoardTarget,
        100 * CBoardFigures::kHardestThreeTarget, bCheck ? "checked" : "written",
        unplayable.c_str());
    return failures == 0 && short_of == 0 ? 0 : 1;
}
