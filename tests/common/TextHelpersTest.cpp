#include <gtest/gtest.h>

#include <ostream>

#include "common/SizeText.h"
#include "common/TextHelpers.h"

using namespace kf;

struct SizeCase {
    const char *unit;
    const char *decimals;
    double value;
    const char *expected;
};

inline std::ostream &operator<<(std::ostream &o, const SizeCase &c) { return o << c.unit << ' ' << c.decimals << ' ' << c.value; }

class SizeTextTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeTextTest, FormatsInUnit)
{
    const auto &c = GetParam();
    EXPECT_EQ(SizeText(QString::fromLatin1(c.unit), QStringLiteral("##########0"), QString::fromLatin1(c.decimals),
                       c.value)
                  .toStdString(),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Units, SizeTextTest,
    ::testing::Values(SizeCase{"GEN", "2", 500, "500 bytes"}, SizeCase{"GEN", "2", 1024, "1.00 KB"},
                      SizeCase{"GEN", "2", 1536, "1.50 KB"}, SizeCase{"GEN", "2", 1048576, "1.00 MB"},
                      SizeCase{"GEN", "2", 5.0 * 1024 * 1024 * 1024 * 1024, "5120.00 GB"},
                      SizeCase{"KB", "0", 1536, "2 KB"}, SizeCase{"B", "2", 1536, "1536 bytes"},
                      // The automatic unit is chosen before rounding.
                      SizeCase{"GEN", "2", 1023.996 * 1024, "1024.00 KB"},
                      // Exact halves go away from zero, not to the even neighbour.
                      SizeCase{"KB", "2", 0.125 * 1024, "0.13 KB"}, SizeCase{"KB", "0", 2.5 * 1024, "3 KB"},
                      SizeCase{"KB", "1", 0.25 * 1024, "0.3 KB"}, SizeCase{"MB", "2", 0, "0.00 MB"},
                      // A decimals text that is not a number falls back to two.
                      SizeCase{"KB", "x", 1536, "1.50 KB"}, SizeCase{"GEN", "0", 1023, "1023 bytes"},
                      SizeCase{"GB", "3", 1073741824.0 * 1.0625, "1.063 GB"}));

TEST(TextHelpers, AttrLettersInFixedOrder)
{
    EXPECT_EQ(AttrLetters(33).toStdString(), "RA");
    EXPECT_EQ(AttrLetters(0).toStdString(), "");
    EXPECT_EQ(AttrLetters(1 | 2 | 4 | 32 | 2048 | 4096 | 256 | 16).toStdString(), "RHSACOT");
}

TEST(TextHelpers, PadTextNeverCuts)
{
    EXPECT_EQ(PadText("abc", 8, "LEFT").toStdString(), "abc     ");
    EXPECT_EQ(PadText("abc", 8, "RIGHT").toStdString(), "     abc");
    EXPECT_EQ(PadText("abc", 8, "CENTER").toStdString(), "  abc   ");
    for (const char *a : {"LEFT", "RIGHT", "CENTER"})
        EXPECT_EQ(PadText("abc", 2, a).toStdString(), "abc") << a;
    EXPECT_EQ(PadText("abc", 8, "MIDDLE").toStdString(), "");
}

TEST(TextHelpers, SplitListKeepsEntriesWhole)
{
    EXPECT_EQ(SplitList("*.doc *.docx", " ", true), (QStringList{"*.doc", "*.docx"}));
    EXPECT_EQ(SplitList("/a/;/b/;", ";", false), (QStringList{"/a/", "/b/"}));
    EXPECT_EQ(SplitList("/a/;/b/", ";", false), (QStringList{"/a/"}));
    EXPECT_EQ(SplitList(" x | y |  ", "|", true), (QStringList{"x", "y"}));
    EXPECT_EQ(SplitList("/data/|/home/u/data/|", "|", false), (QStringList{"/data/", "/home/u/data/"}));
    EXPECT_TRUE(SplitList("", "|", true).isEmpty());
}
