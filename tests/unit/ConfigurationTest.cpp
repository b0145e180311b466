// The configuration mapping, driven through the fake platform (a test
// double: the real profile functions are tested under Wine).
#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "launcher/Configuration.h"
#include "launcher/Launcher.h"

namespace {

const char* const kJre = "Java Runtime Environment";

class ReadConfigurationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.SetIni("Class Path", "Class Path", "lib\\app.jar;lib\\util.jar");
        platform.SetIni(kJre, "Main Class", "com.example.app.Main");
    }

    FakePlatform platform;
};

TEST_F(ReadConfigurationTest, MapsEveryKeyToItsField)
{
    platform.SetIni(kJre, "Virtual Machine Parameters", "-Xmx256m  \"-Dapp.home=C:\\My Apps\" -Dx=1");
    platform.SetIni(kJre, "Minimum Version", "1.4");
    platform.SetIni(kJre, "Maximum Version", "1.5");
    platform.SetIni(kJre, "Preferred versions", "1.6;;1.5;");
    platform.SetIni(kJre, "JRE Path", "C:\\Java\\jre");
    Launcher launcher(platform);
    ASSERT_TRUE(ReadConfiguration(launcher));

    EXPECT_EQ(launcher.vmOptions,
              (StringList{"-Djava.class.path=lib\\app.jar;lib\\util.jar", "-Xmx256m",
                          "-Dapp.home=C:\\My Apps", "-Dx=1"}));
    EXPECT_EQ(launcher.mainClass, "com/example/app/Main");
    EXPECT_EQ(Format(launcher.minVersion), "1.4");
    EXPECT_EQ(launcher.maxVersion.components[2], 65535);
    EXPECT_EQ(launcher.preferredVersions, (StringList{"1.6", "", "1.5", ""}));
    EXPECT_EQ(launcher.jrePath, "C:\\Java\\jre");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ReadConfigurationTest, MissingOptionalKeysTakeTheirDefaults)
{
    Launcher launcher(platform);
    ASSERT_TRUE(ReadConfiguration(launcher));
    EXPECT_EQ(launcher.vmOptions, (StringList{"-Djava.class.path=lib\\app.jar;lib\\util.jar"}));
    EXPECT_EQ(launcher.preferredVersions, (StringList{""}));
    EXPECT_EQ(launcher.minVersion.count, 0);
    EXPECT_EQ(launcher.maxVersion.count, 0);
    EXPECT_TRUE(launcher.jrePath.empty());
}

TEST_F(ReadConfigurationTest, KeywordsAreCaseSensitive)
{
    platform.SetIni(kJre, "Minimum Version", "any");
    platform.SetIni(kJre, "Maximum Version", "Any");
    Launcher launcher(platform);
    ASSERT_TRUE(ReadConfiguration(launcher));
    EXPECT_EQ(launcher.minVersion.count, 4);
    EXPECT_EQ(launcher.maxVersion.count, 0);  // not the keyword: no digits, cleared
}

struct MissingKeyCase {
    const char* section;
    const char* key;
    const char* message;
};

class MissingRequiredKeyTest : public ::testing::TestWithParam<MissingKeyCase> {};

TEST_P(MissingRequiredKeyTest, ShowsItsMessageWithTheOwner)
{
    FakePlatform platform;
    platform.SetIni("Class Path", "Class Path", "app.jar");
    platform.SetIni(kJre, "Main Class", "Main");
    platform.SetIni(GetParam().section, GetParam().key, "");
    Launcher launcher(platform);
    launcher.messageOwner = platform.splashWindow;
    EXPECT_FALSE(ReadConfiguration(launcher));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, GetParam().message);
    EXPECT_EQ(platform.messages[0].owner, platform.splashWindow);
    EXPECT_EQ(platform.messages[0].style, 0x10u);
}

INSTANTIATE_TEST_SUITE_P(Keys, MissingRequiredKeyTest, ::testing::Values(
    MissingKeyCase{"Class Path", "Class Path", "Java Class Path was not specified in INI file."},
    MissingKeyCase{kJre, "Main Class", "Main class was not specified in INI file."}));

TEST(ReadConfiguration, MissingFileReadsAsEmpty)
{
    FakePlatform platform;
    Launcher launcher(platform);
    EXPECT_FALSE(ReadConfiguration(launcher));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Java Class Path was not specified in INI file.");
    EXPECT_EQ(platform.messages[0].owner, nullptr);
}

TEST(GetIniPath, ReplacesWhatFollowsTheLastDotOfTheWholePath)
{
    struct Case {
        const char* module;
        bool ok;
        const char* ini;
    };
    for (const Case& c : {Case{"C:\\Apps\\Viewer\\viewer.exe", true, "C:\\Apps\\Viewer\\viewer.ini"},
                          Case{"C:\\Tools.old\\launcher", true, "C:\\Tools.ini"},
                          Case{"C:\\a.b\\c.d.exe", true, "C:\\a.b\\c.d.ini"},
                          Case{"C:\\Tools\\launcher", false, ""}}) {
        FakePlatform platform;
        platform.modulePath = c.module;
        Launcher launcher(platform);
        std::string ini;
        EXPECT_EQ(GetIniPath(launcher, ini), c.ok) << c.module;
        if (c.ok) {
            EXPECT_EQ(ini, c.ini);
        }
        EXPECT_TRUE(platform.messages.empty());  // no dot: no message of its own
    }
}

TEST(GetModulePath, ReportsTheSystemErrorCode)
{
    FakePlatform platform;
    platform.hasModulePath = false;
    platform.modulePathError = 122;
    Launcher launcher(platform);
    std::string path;
    EXPECT_FALSE(GetModulePath(launcher, path));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Windows exception: failed to get the module path (errno = 122).\n");
}

TEST(ReadIniString, GrowsItsBufferUntilTheValueFits)
{
    for (std::size_t length : {0u, 1u, 254u, 255u, 256u, 300u, 511u, 1100u}) {
        FakePlatform platform;
        const std::string value(length, 'v');
        platform.SetIni("S", "K", value);
        std::string ini;
        platform.ConfigurationPath(platform.modulePath, ini);
        EXPECT_EQ(ReadIniString(platform, ini, "S", "K"), value) << "length " << length;
    }
}

struct SplitCase {
    const char* text;
    StringList items;
};

TEST(SplitAtSeparator, KeepsEveryPieceAsItIs)
{
    for (const SplitCase& c : {SplitCase{"", {""}}, SplitCase{"1.6;1.5", {"1.6", "1.5"}},
                               SplitCase{"1.6;;1.5;", {"1.6", "", "1.5", ""}},
                               SplitCase{" 1.6 ; 1.5", {" 1.6 ", " 1.5"}},
                               SplitCase{";", {"", ""}}}) {
        StringList list{"stale"};
        SplitAtSeparator(list, c.text, ";");
        EXPECT_EQ(list, c.items) << c.text;
    }
}

}  // namespace
