#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "players/CPlayerFileName.h"

namespace {

struct SStemCase {
    std::string name;
    std::string stem;
    friend void PrintTo(const SStemCase& c, std::ostream* os) { *os << c.name << " -> " << c.stem; }
};

class PlayerFileStem : public testing::TestWithParam<SStemCase> {};

TEST_P(PlayerFileStem, IsTheNameMadeSafeAndCutToFiveCharactersAtMost) {
    EXPECT_EQ(CPlayerFileName::Stem(GetParam().name), GetParam().stem) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, PlayerFileStem,
    testing::Values(SStemCase{"Ann", "Ann"}, SStemCase{"Mary Ann", "Mary"},
                    SStemCase{"Mary", "Mary"}, SStemCase{"Jonathan", "Jona"},
                    SStemCase{"Bob's", "Bob_s"}, SStemCase{"Alice", "Alice"},
                    SStemCase{"Alicia", "Alic"}, SStemCase{"Annabel", "Annab"},
                    SStemCase{"a.b", "a_b"}, SStemCase{"", ""},
                    SStemCase{" {}[]", "_____"}, SStemCase{";~`!./+", "_____"},
                    SStemCase{"=\\|:\"'", "____"}, SStemCase{"a*?b", "a*?b"},
                    SStemCase{"../..", "_____"},
                    // Characters, not bytes: two-byte letters stay whole.
                    SStemCase{"\xC3\x89lo\xC3\xAFse", "\xC3\x89lo\xC3\xAF"},
                    SStemCase{"J\xC3\xBCrgen", "J\xC3\xBCrg"},
                    SStemCase{"\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99\xE5\xA4\xA7\xE5\xB8\x88\xE5\x82\x85",
                              "\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99\xE5\xA4\xA7"},
                    SStemCase{"\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80x\xF0\x9F\x98\x80y",
                              "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80x"},
                    // Bytes that start no well-formed character count one each.
                    SStemCase{"\xFF\xFE\xC3" "abc", "\xFF\xFE\xC3" "a"}));

struct SPlainCase {
    std::string file;
    bool plain;
    friend void PrintTo(const SPlainCase& c, std::ostream* os) { *os << c.file; }
};

class PlayerFilePlainName : public testing::TestWithParam<SPlainCase> {};

TEST_P(PlayerFilePlainName, IsUsedOnlyWhenItCannotLeaveThePlayersDirectory) {
    EXPECT_EQ(CPlayerFileName::IsPlain(GetParam().file), GetParam().plain) << GetParam().file;
    EXPECT_EQ(CPlayerFileName::PathIn("players/", GetParam().file),
              GetParam().plain ? "players/" + GetParam().file : "");
}

INSTANTIATE_TEST_SUITE_P(
    Names, PlayerFilePlainName,
    testing::Values(SPlainCase{"Ann0.ply", true}, SPlainCase{"a*?b0.ply", true},
                    SPlainCase{"..ply", true}, SPlainCase{"", false}, SPlainCase{".", false},
                    SPlainCase{"..", false}, SPlainCase{"../Ann0.ply", false},
                    SPlainCase{"/etc/passwd", false}, SPlainCase{"..\\..\\x", false},
                    SPlainCase{"sub/x.ply", false},
                    SPlainCase{std::string("Ann0.ply\0/../x", 14), false}));

TEST(PlayerFileName, CandidatesNumberWithoutLeadingZeros) {
    EXPECT_EQ(CPlayerFileName::Candidate("Ann", 0), "Ann0.ply");
    EXPECT_EQ(CPlayerFileName::Candidate("Mary", 99), "Mary99.ply");
}

}  // namespace
