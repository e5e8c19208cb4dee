#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "players/CPlayerFileName.h"

namespace {

using SNameCase = std::pair<std::string, std::string>;

class PlayerFileStem : public testing::TestWithParam<SNameCase> {};

TEST_P(PlayerFileStem, IsTheNameMadeSafeAndCutToFiveCharactersAtMost) {
    EXPECT_EQ(CPlayerFileName::Stem(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PlayerFileStem,
    testing::Values(SNameCase{"Mary Ann", "Mary"}, SNameCase{"Jonathan", "Jona"},
                    SNameCase{"Bob's", "Bob_s"}, SNameCase{"Alice", "Alice"},
                    SNameCase{"Alicia", "Alic"}, SNameCase{"Annabel", "Annab"},
                    SNameCase{"a.b", "a_b"}, SNameCase{"a*?b", "a*?b"}, SNameCase{"", ""},
                    // The 18 replaced characters, five at a time so that none is cut.
                    SNameCase{" {}[]", "_____"}, SNameCase{";~`!.", "_____"},
                    SNameCase{"/+=\\|", "_____"}, SNameCase{":\"'", "___"},
                    // Characters, not bytes: a cut never splits a UTF-8 character.
                    SNameCase{"\xC3\x89lo\xC3\xAFse", "\xC3\x89lo\xC3\xAF"},
                    SNameCase{
                        "\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99\xE5\xA4\xA7\xE5\xB8\x88\xE5\x82\x85",
                        "\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99\xE5\xA4\xA7"},
                    SNameCase{"\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80x\xF0\x9F\x98\x80y",
                              "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80x"},
                    // Bytes that start no well-formed character count one each.
                    SNameCase{"\xFF\xFE\xC3\x61\x62\x63", "\xFF\xFE\xC3\x61"}));

}  // namespace
