#include <gtest/gtest.h>

#include <ostream>

#include "common/MaskMatch.h"

using namespace kf;

struct MaskCase {
    const char *name;
    const char *mask;
    bool matches;
};

inline std::ostream &operator<<(std::ostream &o, const MaskCase &c) { return o << c.name << " ~ " << c.mask; }

class MaskMatchTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskMatchTest, Matches)
{
    const auto &c = GetParam();
    EXPECT_EQ(MaskMatch(c.name, c.mask), c.matches) << c.name << " vs " << c.mask;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MaskMatchTest,
    ::testing::Values(MaskCase{"report.doc", "*.DOC", true}, MaskCase{"README", "*.*", false},
                      MaskCase{"Beta.txt", "[a-c]*", true}, MaskCase{"delta.txt", "[a-c]*", false},
                      MaskCase{"delta.txt", "[!a-c]*", true}, MaskCase{"abc", "a?c", true},
                      MaskCase{"ac", "a?c", false}, MaskCase{"x.tar.gz", "*.gz", true},
                      MaskCase{"OLD.BAK", "*.bak", true}, MaskCase{"ab", "*b*", true},
                      MaskCase{"aaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*b", true},
                      // "?" is one character, also beyond ASCII; letters beyond a-z keep their case.
                      MaskCase{"\xc3\xa9t\xc3\xa9", "?t?", true}, MaskCase{"\xc3\xa9", "\xc3\x89", false},
                      // A byte that is not UTF-8 is a character of its own.
                      MaskCase{"a\xff.txt", "a?.txt", true},
                      // A malformed set never throws: its "[" stands for itself.
                      MaskCase{"[a-", "[a-", true}, MaskCase{"x", "[a-", false}, MaskCase{"[]", "[]", true},
                      MaskCase{"", "*", true}, MaskCase{"", "?", false}));

TEST(MaskMatch, MalformedMasksAreReported)
{
    EXPECT_FALSE(MaskError(std::string_view("[a-")).isEmpty());
    EXPECT_FALSE(MaskError(std::string_view("[]")).isEmpty());
    EXPECT_FALSE(MaskError(std::string_view("[-a]")).isEmpty());
    EXPECT_TRUE(MaskError(std::string_view("*.[ch]")).isEmpty());
    EXPECT_TRUE(MaskError(std::string_view("*.txt")).isEmpty());
}
