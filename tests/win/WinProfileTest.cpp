// Reading and writing real INI files through the Windows profile functions.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "launcher/Configuration.h"
#include "launcher/win/WinPlatform.h"

namespace {

bool UnderWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// Windows rewrites only the changed line. Wine writes the file anew from
// what it parsed and leaves out empty lines, so under Wine those are not
// compared; every other line still must be as it was.
std::string ComparableLines(std::string text)
{
    if (!UnderWine())
        return text;
    for (std::string::size_type at; (at = text.find("\r\n\r\n")) != std::string::npos;)
        text.erase(at, 2);
    return text;
}

class WinProfileTest : public ::testing::Test {
protected:
    TempFolder folder;
    WinPlatform platform{GetModuleHandleA(nullptr)};
};

TEST_F(WinProfileTest, ReadsValuesOfAnyLength)
{
    for (std::size_t length : {0u, 1u, 254u, 255u, 256u, 300u, 600u}) {
        const std::string value(length, 'x');
        const std::string ini =
            folder.Write("app.ini", "[Java Runtime Environment]\r\nMain Class=" + value + "\r\n");
        EXPECT_EQ(ReadIniString(platform, ini, "Java Runtime Environment", "Main Class"), value)
            << "length " << length;
    }
}

TEST_F(WinProfileTest, AMissingFileSectionOrKeyReadsAsEmpty)
{
    const std::string ini = folder.Write("app.ini", "[Class Path]\r\nClass Path=app.jar\r\n");
    EXPECT_EQ(ReadIniString(platform, folder.Path() + "none.ini", "Class Path", "Class Path"), "");
    EXPECT_EQ(ReadIniString(platform, ini, "Display", "Splash Screen"), "");
    EXPECT_EQ(ReadIniString(platform, ini, "Class Path", "Main Class"), "");
    EXPECT_EQ(ReadIniString(platform, ini, "Class Path", "Class Path"), "app.jar");
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* after;
};

class WriteBackTest : public WinProfileTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteBackTest, ChangesOnlyTheJrePath)
{
    const std::string ini = folder.Path() + "app.ini";
    if (*GetParam().before)
        folder.Write("app.ini", GetParam().before);
    ASSERT_TRUE(platform.WriteProfileString("Java Runtime Environment", "JRE Path",
                                            "C:\\Java\\jre\\", ini));
    EXPECT_EQ(ComparableLines(TempFolder::Read(ini)), ComparableLines(GetParam().after));
    EXPECT_EQ(ReadIniString(platform, ini, "Java Runtime Environment", "JRE Path"),
              "C:\\Java\\jre\\");
}

INSTANTIATE_TEST_SUITE_P(Files, WriteBackTest, ::testing::Values(
    WriteCase{"replaces", 
              "; the viewer\r\n[Class Path]\r\nClass Path=app.jar\r\n\r\n"
              "[Java Runtime Environment]\r\nMain Class=Main\r\nJRE Path=C:\\Old\r\n"
              "Minimum Version=1.4\r\n",
              "; the viewer\r\n[Class Path]\r\nClass Path=app.jar\r\n\r\n"
              "[Java Runtime Environment]\r\nMain Class=Main\r\nJRE Path=C:\\Java\\jre\\\r\n"
              "Minimum Version=1.4\r\n"},
    WriteCase{"adds_the_key",
              "[Java Runtime Environment]\r\nMain Class=Main\r\n[Display]\r\nSplash Screen=s.bmp\r\n",
              "[Java Runtime Environment]\r\nMain Class=Main\r\nJRE Path=C:\\Java\\jre\\\r\n"
              "[Display]\r\nSplash Screen=s.bmp\r\n"},
    WriteCase{"adds_the_section",
              "[Class Path]\r\nClass Path=app.jar\r\n",
              "[Class Path]\r\nClass Path=app.jar\r\n[Java Runtime Environment]\r\n"
              "JRE Path=C:\\Java\\jre\\\r\n"},
    WriteCase{"creates_the_file", "",
              "[Java Runtime Environment]\r\nJRE Path=C:\\Java\\jre\\\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

}  // namespace
