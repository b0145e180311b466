#include <gtest/gtest.h>

#include <array>

#include "jre/JavaVersion.h"

namespace {

using Components = std::array<int32_t, 4>;

Components Of(const JavaVersion& v)
{
    return {v.components[0], v.components[1], v.components[2], v.components[3]};
}

JavaVersion Make(Components c, int32_t count = 4)
{
    JavaVersion v;
    for (int i = 0; i < 4; ++i)
        v.components[i] = c[i];
    v.count = count;
    return v;
}

JavaVersion Parsed(const std::string& text, int32_t fill = 0)
{
    JavaVersion v;
    v.Parse(text, fill);
    return v;
}

struct ParseCase {
    const char* text;
    int32_t fill;
    Components components;
    int32_t count;
    bool result;
};

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, FillsTheRecord)
{
    const ParseCase& c = GetParam();
    JavaVersion v = Make({7, 7, 7, 7}, 3);  // Parse clears what was there
    EXPECT_EQ(v.Parse(c.text, c.fill), c.result);
    EXPECT_EQ(Of(v), c.components);
    EXPECT_EQ(v.count, c.count);
}

INSTANTIATE_TEST_SUITE_P(Table, ParseTest, ::testing::Values(
    ParseCase{"1.4.2_05", 0, {1, 4, 2, 5}, 4, true},
    ParseCase{"1.4.2_05", 65535, {1, 4, 2, 5}, 4, true},
    ParseCase{"1.5", 0, {1, 5, 0, 0}, 2, true},
    ParseCase{"1.5", 65535, {1, 5, 65535, 65535}, 2, true},
    ParseCase{"1.5.0-beta", 0, {1, 5, 0, 0}, 3, true},
    ParseCase{"1.5.0-beta", 65535, {1, 5, 0, 65535}, 3, true},
    ParseCase{"1.6.0-rc2", 0, {1, 6, 0, 2}, 4, true},
    ParseCase{"1.5.0_06-b05", 0, {1, 5, 0, 6}, 4, true},
    ParseCase{"ver1.4", 0, {1, 4, 0, 0}, 2, true},
    ParseCase{"10", 65535, {10, 65535, 65535, 65535}, 1, true},
    ParseCase{"0", 0, {0, 0, 0, 0}, 1, true},
    ParseCase{"1.2.3.4.5", 0, {1, 2, 3, 4}, 4, true},
    ParseCase{"any", 65535, {0, 0, 0, 0}, 0, false},
    ParseCase{"", 65535, {0, 0, 0, 0}, 0, false},
    // Too large for a signed 32-bit component: saturates, no overflow.
    ParseCase{"99999999999999999999.1", 0, {2147483647, 1, 0, 0}, 2, true},
    ParseCase{"2147483648", 0, {2147483647, 0, 0, 0}, 1, true},
    ParseCase{"2147483647", 0, {2147483647, 0, 0, 0}, 1, true}));

struct BoundCase {
    const char* text;
    bool isMaximum;
    Components components;
    int32_t count;
};

class BoundFromTextTest : public ::testing::TestWithParam<BoundCase> {};

TEST_P(BoundFromTextTest, GivesTheBound)
{
    const JavaVersion v = BoundFromText(GetParam().text, GetParam().isMaximum);
    EXPECT_EQ(Of(v), GetParam().components);
    EXPECT_EQ(v.count, GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Table, BoundFromTextTest, ::testing::Values(
    BoundCase{"any", false, {0, 0, 0, 0}, 4},
    BoundCase{"any", true, {65535, 65535, 65535, 65535}, 4},
    BoundCase{"ANY", true, {0, 0, 0, 0}, 0},  // the keyword is case-sensitive
    BoundCase{"1.4", false, {1, 4, 0, 0}, 2},
    BoundCase{"1.5", true, {1, 5, 65535, 65535}, 2},
    BoundCase{"", false, {0, 0, 0, 0}, 0},
    BoundCase{"", true, {0, 0, 0, 0}, 0},
    BoundCase{"65535", true, {65535, 65535, 65535, 65535}, 1}));

struct FormatCase {
    Components components;
    const char* text;
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, GivesTheText)
{
    EXPECT_EQ(Format(Make(GetParam().components)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatTest, ::testing::Values(
    FormatCase{{1, 4, 2, 5}, "1.4.2.5"},
    FormatCase{{1, 5, 0, 0}, "1.5"},
    FormatCase{{1, 5, 65535, 65535}, "1.5"},
    FormatCase{{1, 5, 0, 65535}, "1.5"},
    FormatCase{{1, 0, 0, 0}, "1"},
    FormatCase{{0, 5, 0, 0}, "0.5"},
    FormatCase{{1, 65535, 0, 3}, "1.65535.0.3"},
    FormatCase{{0, 0, 0, 0}, "0.0.0.0"},
    FormatCase{{65535, 65535, 65535, 65535}, "0.0.0.0"},
    FormatCase{{-1, 0, 0, 0}, "-1"}));

TEST(Compare, OrdersByComponentsAlone)
{
    EXPECT_EQ(Compare(Parsed("1.5"), Make({1, 5, 0, 0})), 0);
    EXPECT_EQ(Compare(Parsed("1.5", 65535), Parsed("1.5.0_06")), 1);
    EXPECT_EQ(Compare(Parsed("1.4.2_05"), Parsed("1.5")), -1);
    EXPECT_EQ(Compare(Parsed("1.10"), Parsed("1.9")), 1);
    EXPECT_EQ(Compare(Make({-1, 0, 0, 0}), Make({0, 0, 0, 0})), -1);  // signed
    EXPECT_TRUE(Equals(Parsed("1.5"), Parsed("1.5.0")));
    EXPECT_FALSE(Equals(BoundFromText("1.5", false), BoundFromText("1.5", true)));
}

TEST(IsUnbounded, AllZeroOrAllMaximum)
{
    EXPECT_TRUE(IsUnbounded(Make({0, 0, 0, 0})));
    EXPECT_TRUE(IsUnbounded(Make({65535, 65535, 65535, 65535})));
    EXPECT_FALSE(IsUnbounded(Make({0, 0, 0, 65535})));
    EXPECT_FALSE(IsUnbounded(Make({1, 0, 0, 0})));
    for (const char* text : {"any", "0", "0.0"})
        EXPECT_TRUE(IsUnbounded(BoundFromText(text, false))) << text;
}

struct MatchCase {
    const char* pattern;
    const char* candidate;
    bool result;
};

class MatchesTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchesTest, IsAPrefixMatch)
{
    EXPECT_EQ(Matches(Parsed(GetParam().candidate), Parsed(GetParam().pattern)), GetParam().result)
        << "pattern " << GetParam().pattern << ", candidate " << GetParam().candidate;
}

INSTANTIATE_TEST_SUITE_P(Table, MatchesTest, ::testing::Values(
    MatchCase{"1.5", "1.5.0_06", true},
    MatchCase{"1.5", "1.5", true},
    MatchCase{"1.5", "1.6", false},
    MatchCase{"1.4.2", "1.4.2_05", true},
    MatchCase{"1.5.0", "1.5", true},
    MatchCase{"1.5.0_06", "1.5", false},
    MatchCase{"no digits", "1.5", false},
    MatchCase{"", "jre", true},    // digitless both: equal records
    MatchCase{"1", "1.8.0_392", true},
    MatchCase{"1.5", "1.50", false}));

struct RequirementCase {
    const char* minimum;
    const char* maximum;
    const char* text;
};

class RequirementTest : public ::testing::TestWithParam<RequirementCase> {};

TEST_P(RequirementTest, NamesTheRange)
{
    EXPECT_EQ(VersionRequirementText(BoundFromText(GetParam().minimum, false),
                                     BoundFromText(GetParam().maximum, true)),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, RequirementTest, ::testing::Values(
    RequirementCase{"any", "any", "latest version"},
    RequirementCase{"any", "1.5", "maximum version 1.5"},
    RequirementCase{"1.4", "any", "minimum version 1.4"},
    RequirementCase{"1.4.2_05", "1.5", "version between 1.4.2.5 and 1.5"},
    RequirementCase{"1.5.0_06", "1.5.0_06", "version 1.5.0.6 is required"},
    RequirementCase{"1.5", "1.5", "version between 1.5 and 1.5"},
    RequirementCase{"0", "65535", "latest version"},
    RequirementCase{"0.0", "", "latest version"},
    RequirementCase{"1.6", "", "minimum version 1.6"}));

}  // namespace
