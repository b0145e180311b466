#include <gtest/gtest.h>

#include "launcher/CommandLine.h"

namespace {

StringList Split(const std::string& text)
{
    StringList items;
    SplitParameters(text, items);
    return items;
}

StringList Arguments(const std::string& commandLine)
{
    StringList items;
    BuildArgumentList(commandLine, items);
    return items;
}

struct SplitCase {
    const char* text;
    StringList items;
};

class SplitParametersTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitParametersTest, GivesTheItems)
{
    EXPECT_EQ(Split(GetParam().text), GetParam().items) << "text: [" << GetParam().text << "]";
}

INSTANTIATE_TEST_SUITE_P(Rules, SplitParametersTest, ::testing::Values(
    SplitCase{"", {}},
    SplitCase{"a", {"a"}},
    SplitCase{"a  b", {"a", "b"}},                          // runs of blanks: no empty item
    SplitCase{"a b   ", {"a", "b"}},                        // trailing blanks: none either
    SplitCase{" a", {"", "a"}},                             // a leading blank: one empty item
    SplitCase{"   ", {""}},
    SplitCase{"-Dname=\"a b\"", {"-Dname=\"a", "b\""}},     // a quote inside an item is plain
    SplitCase{"\"-Dname=a b\"", {"-Dname=a b"}},
    SplitCase{"\"\"", {""}},
    SplitCase{"\"C:\\Data\\\" next", {"C:\\Data\\", "next"}},  // no escapes
    SplitCase{"\"open ended  text", {"open ended  text"}},
    SplitCase{"\"", {""}},
    SplitCase{"\"a\"b", {"a", "b"}},                        // no blank needed after a close
    SplitCase{"\"a\"   \"b c\" d", {"a", "b c", "d"}},
    SplitCase{"one\ttwo", {"one\ttwo"}},                    // only the blank separates
    SplitCase{"-Xmx256m \"-Dapp.home=C:\\My Apps\" -Dx=1",
              {"-Xmx256m", "-Dapp.home=C:\\My Apps", "-Dx=1"}}));

TEST(SplitParameters, AppendsToWhatTheListHolds)
{
    StringList items{"-Djava.class.path=app.jar"};
    SplitParameters("-Xmx64m  -Dy=2", items);
    EXPECT_EQ(items, (StringList{"-Djava.class.path=app.jar", "-Xmx64m", "-Dy=2"}));
}

struct CommandLineCase {
    const char* commandLine;
    StringList arguments;
};

class BuildArgumentListTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(BuildArgumentListTest, GivesTheArguments)
{
    EXPECT_EQ(Arguments(GetParam().commandLine), GetParam().arguments)
        << "command line: [" << GetParam().commandLine << "]";
}

INSTANTIATE_TEST_SUITE_P(Rules, BuildArgumentListTest, ::testing::Values(
    CommandLineCase{"\"C:\\Program Files\\Viewer\\viewer.exe\" -nosplash  report.txt",
                    {"-nosplash", "report.txt"}},
    CommandLineCase{"viewer.exe \"two words\" plain", {"two words", "plain"}},
    CommandLineCase{"viewer.exe", {}},
    CommandLineCase{"", {}},
    CommandLineCase{"viewer.exe \"unterminated text", {"unterminated text"}},
    CommandLineCase{"viewer.exe a\"b c\"", {"a\"b", "c\""}},
    CommandLineCase{"viewer.exe \"a\"b", {"a", "b"}},
    CommandLineCase{"viewer.exe \"\"", {""}},
    CommandLineCase{"viewer.exe one\ttwo", {"one\ttwo"}},
    // White space around the whole line is trimmed before splitting.
    CommandLineCase{"  \t viewer.exe a \t ", {"a"}},
    // An unquoted launcher path with blanks leaves its later parts.
    CommandLineCase{"C:\\Program Files\\viewer.exe x", {"Files\\viewer.exe", "x"}}));

TEST(FindInList, IsExactAndCaseSensitive)
{
    const StringList items{"report.txt", "-nosplash", "/NoSplash", "-nosplash"};
    EXPECT_EQ(FindInList(items, "-nosplash"), 1);
    EXPECT_EQ(FindInList(items, "/nosplash"), -1);
    EXPECT_EQ(FindInList(items, "-NOSPLASH"), -1);
    EXPECT_EQ(FindInList(items, "-nosplas"), -1);
    EXPECT_EQ(FindInList(StringList{}, "-nosplash"), -1);
}

}  // namespace
