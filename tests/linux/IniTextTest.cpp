#include <gtest/gtest.h>

#include "launcher/posix/IniText.h"

namespace {

struct ReadCase {
    const char* what;
    const char* text;
    const char* section;
    const char* key;
    bool found;
    const char* value;
};

const ReadCase kReadCases[] = {
    {"plain", "[Class Path]\nClass Path=app.jar\n", "Class Path", "Class Path", true, "app.jar"},
    {"names ignore case", "[class PATH]\nCLASS path=a.jar\n", "Class Path", "Class Path", true,
     "a.jar"},
    {"blanks around names and value", "  [ Display ]  \n  Splash Screen  =  s.bmp  \n",
     "Display", "Splash Screen", true, "s.bmp"},
    {"blanks inside a value stay", "[S]\nk=a  b\n", "S", "k", true, "a  b"},
    {"double quotes dropped", "[S]\nk=\" spaced \"\n", "S", "k", true, " spaced "},
    {"single quotes dropped", "[S]\nk='x'\n", "S", "k", true, "x"},
    {"unmatched quotes stay", "[S]\nk=\"x'\n", "S", "k", true, "\"x'"},
    {"lone quote stays", "[S]\nk=\"\n", "S", "k", true, "\""},
    {"first key wins", "[S]\nk=1\nk=2\n", "S", "k", true, "1"},
    {"first section wins", "[S]\na=1\n[S]\nk=2\n", "S", "k", false, ""},
    {"comment line", "[S]\n;k=1\nk=2\n", "S", "k", true, "2"},
    {"indented comment", "[S]\n   ;k=1\n", "S", "k", false, ""},
    {"key in another section", "[T]\nk=1\n[S]\nj=2\n", "S", "k", false, ""},
    {"key before any section", "k=1\n[S]\n", "S", "k", false, ""},
    {"CRLF line ends", "[S]\r\nk=v\r\n", "S", "k", true, "v"},
    {"no line end at the end", "[S]\nk=v", "S", "k", true, "v"},
    {"empty value", "[S]\nk=\n", "S", "k", true, ""},
    {"value with '='", "[S]\nk=a=b\n", "S", "k", true, "a=b"},
    {"line without '='", "[S]\nk\n", "S", "k", false, ""},
    {"missing section", "", "S", "k", false, ""},
    {"bytes outside ASCII", "[S]\nk=C:\\\xc3\xa9t\xc3\xa9\n", "S", "k", true, "C:\\\xc3\xa9t\xc3\xa9"},
};

TEST(IniTextRead, FollowsTheProfileRules)
{
    for (const ReadCase& c : kReadCases) {
        std::string value = "unchanged";
        EXPECT_EQ(IniText::FindValue(c.text, c.section, c.key, value), c.found) << c.what;
        if (c.found) {
            EXPECT_EQ(value, c.value) << c.what;
        }
    }
}

struct WriteCase {
    const char* what;
    const char* before;
    const char* value;
    const char* after;
};

const WriteCase kWriteCases[] = {
    {"empty file", "", "/opt/jre/", "[Java Runtime Environment]\nJRE Path=/opt/jre/\n"},
    {"replaces the key only, keeps the rest byte for byte",
     "; comment\n[Class Path]\nClass Path = a.jar\n\n[java runtime environment]\n"
     "Main Class=M\n  jre path = \"old\"  \nMinimum Version=1.6\n",
     "/new/",
     "; comment\n[Class Path]\nClass Path = a.jar\n\n[java runtime environment]\n"
     "Main Class=M\nJRE Path=/new/\nMinimum Version=1.6\n"},
    {"adds the key after the section's last line, before the blank lines",
     "[Java Runtime Environment]\nMain Class=M\n\n[Display]\nSplash Screen=s.bmp\n", "/j/",
     "[Java Runtime Environment]\nMain Class=M\nJRE Path=/j/\n\n[Display]\nSplash Screen=s.bmp\n"},
    {"adds the section at the end",
     "[Class Path]\nClass Path=a.jar", "/j/",
     "[Class Path]\nClass Path=a.jar\n[Java Runtime Environment]\nJRE Path=/j/\n"},
    {"section as the last line without a line end",
     "[Java Runtime Environment]", "/j/", "[Java Runtime Environment]\nJRE Path=/j/"},
    {"keeps CRLF line ends",
     "[Java Runtime Environment]\r\nJRE Path=old\r\nMain Class=M\r\n", "/j/",
     "[Java Runtime Environment]\r\nJRE Path=/j/\r\nMain Class=M\r\n"},
    {"adds with CRLF", "[Java Runtime Environment]\r\nMain Class=M\r\n", "/j/",
     "[Java Runtime Environment]\r\nMain Class=M\r\nJRE Path=/j/\r\n"},
    {"a commented key is not the key",
     "[Java Runtime Environment]\n;JRE Path=x\n", "/j/",
     "[Java Runtime Environment]\n;JRE Path=x\nJRE Path=/j/\n"},
    {"only the first of two equal sections changes",
     "[Java Runtime Environment]\nA=1\n[Java Runtime Environment]\nJRE Path=x\n", "/j/",
     "[Java Runtime Environment]\nA=1\nJRE Path=/j/\n[Java Runtime Environment]\nJRE Path=x\n"},
    {"a value with blanks at its ends is quoted", "", " /j ",
     "[Java Runtime Environment]\nJRE Path=\" /j \"\n"},
};

TEST(IniTextWrite, ChangesOnlyTheOneValue)
{
    for (const WriteCase& c : kWriteCases) {
        std::string result;
        ASSERT_TRUE(IniText::SetValue(c.before, "Java Runtime Environment", "JRE Path", c.value,
                                      result))
            << c.what;
        EXPECT_EQ(result, c.after) << c.what;
    }
}

// Whatever is written reads back as the same value.
TEST(IniTextWrite, ReadsBackWhatItWrote)
{
    const char* values[] = {"/opt/jre/", "", " lead", "trail ", "\"quoted\"", "'x'",
                            "a;b=c", "/f\xc3\xa9/"};
    for (const char* value : values) {
        std::string text;
        ASSERT_TRUE(IniText::SetValue("[S]\nk=old\n", "S", "k", value, text)) << value;
        std::string read;
        ASSERT_TRUE(IniText::FindValue(text, "S", "k", read)) << value;
        EXPECT_EQ(read, value);
    }
}

// A line break in a folder name would add lines of its own to the file.
TEST(IniTextWrite, RefusesValuesThatSpanLines)
{
    for (const std::string& value : {std::string("/a\n[Class Path]"), std::string("/a\r"),
                                    std::string("/a\0b", 4)}) {
        std::string result = "untouched";
        EXPECT_FALSE(IniText::SetValue("[S]\n", "S", "k", value, result));
        EXPECT_EQ(result, "untouched");
    }
}

}  // namespace
