// Real folders, profile files and registry values whose names hold a
// Shift-JIS character with a backslash as its second byte (0x95 0x5C). Run
// under Wine in code page 932 (ctest entry win_platform_tests_cp932, which
// sets LAUNCHER_EXPECT_DBCS); skipped in other code pages.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TempFolder.h"
#include "jre/JreSearch.h"
#include "launcher/Configuration.h"
#include "launcher/win/WinPlatform.h"

namespace {

const std::string kName = "\x95\x5C";  // one character
const char* const kJreKey = "Software\\JavaSoft\\Java Runtime Environment";

class WinDoubleByte : public ::testing::Test {
protected:
    void SetUp() override
    {
        const bool dbcs = IsDBCSLeadByte(static_cast<BYTE>(kName[0])) != FALSE;
        if (std::getenv("LAUNCHER_EXPECT_DBCS")) {
            ASSERT_TRUE(dbcs) << "code page " << GetACP() << " is not double-byte";
        } else if (!dbcs) {
            GTEST_SKIP() << "single-byte code page";
        }
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kJreKey);
    }
    void TearDown() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kJreKey); }

    TempFolder folder;
    WinPlatform platform{GetModuleHandleA(nullptr)};
};

TEST_F(WinDoubleByte, ProfileFilesInSuchAFolder)
{
    const std::string ini =
        folder.Write(kName + "\\app.ini", "[Class Path]\r\nClass Path=" + kName + ".jar\r\n");
    EXPECT_EQ(ReadIniString(platform, ini, "Class Path", "Class Path"), kName + ".jar");
    ASSERT_TRUE(platform.WriteProfileString("Java Runtime Environment", "JRE Path",
                                            folder.Path() + kName + "\\", ini));
    EXPECT_EQ(ReadIniString(platform, ini, "Java Runtime Environment", "JRE Path"),
              folder.Path() + kName + "\\");
}

TEST_F(WinDoubleByte, ARegistryHomeEndingInSuchACharacterGetsItsBackslash)
{
    const std::string home = folder.Path() + kName;  // ends in 0x5C, but no separator
    folder.Write(kName + "\\bin\\client\\jvm.dll");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (std::string(kJreKey) + "\\1.6").c_str(), 0,
                              nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "JavaHome", 0, REG_SZ, reinterpret_cast<const BYTE*>(home.c_str()),
                   static_cast<DWORD>(home.size() + 1));
    RegCloseKey(key);

    std::string found;
    ASSERT_TRUE(ReadJavaHome(platform, "1.6", found));
    EXPECT_EQ(found, home + "\\");
    EXPECT_EQ(FindJvmLibrary(platform, found), home + "\\bin\\client\\jvm.dll");
}

}  // namespace
