// The installed-JRE search against the real registry (Wine's) and real
// folders. Each test builds its own HKLM\Software\JavaSoft\Java Runtime
// Environment and removes it again.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TempFolder.h"
#include "jre/JreSearch.h"
#include "launcher/Configuration.h"
#include "launcher/Launcher.h"
#include "launcher/win/Registry.h"
#include "launcher/win/WinPlatform.h"

namespace {

const char* const kJreKey = "Software\\JavaSoft\\Java Runtime Environment";

class WinRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kJreKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kJreKey); }

    // A version subkey with a value "JavaHome" of the given type and bytes.
    static void SetValue(const std::string& version, DWORD type, const std::string& bytes,
                         const char* name = "JavaHome")
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (std::string(kJreKey) + "\\" + version).c_str(),
                                  0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // A JRE home with a VM library, registered under version.
    std::string AddJre(const std::string& version, const std::string& library = "bin\\client\\jvm.dll")
    {
        const std::string home = folder.Path() + "jre-" + version;
        folder.Write("jre-" + version + "\\" + library);
        SetValue(version, REG_SZ, home + std::string(1, '\0'));
        return home + "\\";
    }

    TempFolder folder;
    WinPlatform platform{GetModuleHandleA(nullptr)};
};

struct ChoiceCase {
    const char* minimum;
    const char* maximum;
    const char* preferred;
    const char* chosen;
};

class WorkedExample : public WinRegistryTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(WorkedExample, ChoosesTheSubkey)
{
    for (const char* version : {"1.4", "1.4.2_05", "1.5", "1.5.0_06", "1.6"})
        AddJre(version);
    Launcher launcher(platform);
    launcher.minVersion = BoundFromText(GetParam().minimum, false);
    launcher.maxVersion = BoundFromText(GetParam().maximum, true);
    SplitAtSeparator(launcher.preferredVersions, GetParam().preferred, ";");
    std::string home;
    JavaVersion version;
    const std::string chosen = GetParam().chosen;
    ASSERT_EQ(FindRegistryJre(launcher, home, version), !chosen.empty());
    if (!chosen.empty()) {
        EXPECT_EQ(home, folder.Path() + "jre-" + chosen + "\\");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedExample, ::testing::Values(
    ChoiceCase{"1.4", "any", "", "1.6"},
    ChoiceCase{"1.4", "any", "1.5", "1.5.0_06"},
    ChoiceCase{"1.4", "any", "1.7;1.4", "1.4.2_05"},
    ChoiceCase{"1.4.2", "1.5", "", "1.5.0_06"},
    ChoiceCase{"1.5.0_06", "1.5.0_06", "", "1.5.0_06"},
    ChoiceCase{"1.6.1", "any", "", ""}));

TEST_F(WinRegistryTest, ListsEveryVersionSubkey)
{
    AddJre("1.6");
    AddJre("1.5.0_06");
    SetValue("jre", REG_SZ, std::string("C:\\x") + '\0');
    StringList names = platform.InstalledJreNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (StringList{"1.5.0_06", "1.6", "jre"}));
}

TEST_F(WinRegistryTest, WithoutTheKeyThereAreNoJres)
{
    EXPECT_TRUE(platform.InstalledJreNames().empty());
    Launcher launcher(platform);
    std::string home;
    JavaVersion version;
    EXPECT_FALSE(FindRegistryJre(launcher, home, version));
}

struct ValueCase {
    const char* name;
    DWORD type;
    std::string bytes;
    bool read;
    std::string text;
};

TEST_F(WinRegistryTest, JavaHomeIsTakenAsTextWhateverItsType)
{
    const ValueCase cases[] = {
        {"sz", REG_SZ, std::string("C:\\Java") + '\0', true, "C:\\Java"},
        {"expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\j") + '\0', true, "%SystemRoot%\\j"},
        {"binary without NUL", REG_BINARY, "C:\\J", true, "C:\\J"},
        {"dword", REG_DWORD, std::string("AB\0\0", 4), true, "AB"},
        {"empty", REG_SZ, std::string(1, '\0'), true, ""},
        {"no data", REG_SZ, "", false, ""},
    };
    for (const ValueCase& c : cases) {
        SetValue("1.5", c.type, c.bytes);
        std::string text = "stale";
        EXPECT_EQ(platform.InstalledJreHome("1.5", text), c.read) << c.name;
        if (c.read) {
            EXPECT_EQ(text, c.text) << c.name;
        }
    }
    SetValue("1.6", REG_SZ, std::string("C:\\J") + '\0', "Other");
    std::string text;
    EXPECT_FALSE(platform.InstalledJreHome("1.6", text));
    EXPECT_FALSE(platform.InstalledJreHome("9.9", text));
}

TEST_F(WinRegistryTest, HomesThatCannotServeArePassedOver)
{
    AddJre("1.5");
    SetValue("1.8", REG_SZ, std::string(1, '\0'));              // empty home
    SetValue("1.7", REG_SZ, folder.Path() + "nothing" + '\0');  // no VM library
    folder.Write("nothing\\bin\\java.dll");
    const std::string hotspot = AddJre("1.6", "bin\\hotspot\\jvm.dll");
    Launcher launcher(platform);
    std::string home;
    JavaVersion version;
    ASSERT_TRUE(FindRegistryJre(launcher, home, version));
    EXPECT_EQ(home, hotspot);
    EXPECT_EQ(FindJvmLibrary(platform, home), hotspot + "bin\\hotspot\\jvm.dll");
}

TEST_F(WinRegistryTest, AHomeGetsItsTrailingBackslash)
{
    const std::string withSlash = folder.Path() + "slashed\\";
    folder.Write("slashed\\bin\\server\\jvm.dll");
    SetValue("1.6", REG_SZ, withSlash + '\0');
    std::string home;
    ASSERT_TRUE(ReadJavaHome(platform, "1.6", home));
    EXPECT_EQ(home, withSlash);
}

}  // namespace
