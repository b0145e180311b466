// Scans over text in a double-byte code page (Shift-JIS, code page 932):
// the second byte of a character may be a backslash or a letter and must
// never be taken for one. These cases need the system's own character
// stepping in such a code page, so they run under Wine with a Japanese
// locale (ctest entry unit_tests_cp932, which sets LAUNCHER_EXPECT_DBCS);
// elsewhere they are skipped.
#include <gtest/gtest.h>

#include <cstdlib>

#include "jvm/VmHost.h"
#include "launcher/Chars.h"
#include "launcher/CommandLine.h"

namespace {

// 0x95 0x5C is one character whose second byte is a backslash; 0x95 0x62
// one whose second byte is 'b'.
const std::string kBackslashTrail = "\x95\x5C";
const std::string kLetterTrail = "\x95\x62";

class DoubleByte : public ::testing::Test {
protected:
    void SetUp() override
    {
        const bool dbcs = NextChar(kBackslashTrail.c_str()) == kBackslashTrail.c_str() + 2;
        if (std::getenv("LAUNCHER_EXPECT_DBCS")) {
            ASSERT_TRUE(dbcs) << "the code page is not double-byte";
        } else if (!dbcs) {
            GTEST_SKIP() << "single-byte code page";
        }
    }
};

TEST_F(DoubleByte, ATrailBackslashIsNoSeparator)
{
    const std::string folder = "C:\\" + kBackslashTrail;
    EXPECT_FALSE(EndsWithSeparator(folder, '\\'));
    EXPECT_TRUE(EndsWithSeparator(folder + "\\", '\\'));
    EXPECT_EQ(FindLastChar(folder + "x", '\\'), 2u);
}

TEST_F(DoubleByte, ATrailLetterStartsNoBinFolder)
{
    EXPECT_EQ(RuntimeBinFolder("C:\\" + kLetterTrail + "in\\x\\jvm.dll", '\\'), "");
    EXPECT_EQ(RuntimeBinFolder("C:\\" + kLetterTrail + "in\\bin\\client\\jvm.dll", '\\'),
              "C:\\" + kLetterTrail + "in\\bin\\");
}

TEST_F(DoubleByte, SplittingStepsOverWholeCharacters)
{
    // 0x81 0x40 is the ideographic space; its bytes are no blank. A quote
    // inside a double-byte character cannot exist (trail bytes start at
    // 0x40), so the blank is what matters.
    StringList items;
    SplitParameters("\"" + kBackslashTrail + " a\" " + kBackslashTrail + "\x81\x40" + "b", items);
    EXPECT_EQ(items, (StringList{kBackslashTrail + " a", kBackslashTrail + "\x81\x40" + "b"}));
}

TEST_F(DoubleByte, DotsAreReplacedOnlyAsWholeCharacters)
{
    EXPECT_EQ(ReplaceChar("a." + kBackslashTrail + ".b", '.', '/'), "a/" + kBackslashTrail + "/b");
}

}  // namespace
