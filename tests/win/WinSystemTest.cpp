// File probes, the module path and library loading on the real system.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "launcher/win/WinPlatform.h"

namespace {

TEST(WinSystem, FileExistsSeesFilesAndFolders)
{
    TempFolder folder;
    WinPlatform platform(GetModuleHandleA(nullptr));
    folder.Write("jre\\bin\\java.dll");
    EXPECT_TRUE(platform.FileExists(folder.Path() + "jre\\bin\\java.dll"));
    EXPECT_TRUE(platform.FileExists(folder.Path() + "jre\\bin"));
    EXPECT_FALSE(platform.FileExists(folder.Path() + "jre\\bin\\client\\jvm.dll"));
    EXPECT_FALSE(platform.FileExists(folder.Path() + "none\\bin\\java.dll"));
}

TEST(WinSystem, ModulePathIsThisExecutable)
{
    WinPlatform platform(GetModuleHandleA(nullptr));
    std::string path;
    long error = 0;
    ASSERT_TRUE(platform.ModulePath(path, error));
    ASSERT_GT(path.size(), 22u);
    EXPECT_EQ(path.substr(path.size() - 22), "win_platform_tests.exe");
    EXPECT_EQ(path[1], ':');
}

TEST(WinSystem, LibraryFailuresGiveTheSystemErrorCode)
{
    TempFolder folder;
    WinPlatform platform(GetModuleHandleA(nullptr));
    std::string error;
    EXPECT_EQ(platform.OpenLibrary(folder.Path() + "missing\\jvm.dll", error), nullptr);
    EXPECT_TRUE(error == "126" || error == "3") << error;  // not found / path not found

    const std::string notALibrary = folder.Write("bin\\client\\jvm.dll", "not a library");
    error.clear();
    EXPECT_EQ(platform.OpenLibrary(notALibrary, error), nullptr);
    EXPECT_EQ(error, "193");  // ERROR_BAD_EXE_FORMAT

    void* kernel = platform.OpenLibrary("kernel32.dll", error);
    ASSERT_NE(kernel, nullptr);
    EXPECT_NE(platform.FindSymbol(kernel, "GetTickCount", error), nullptr);
    error.clear();
    EXPECT_EQ(platform.FindSymbol(kernel, "JNI_CreateJavaVM", error), nullptr);
    EXPECT_EQ(error, "127");  // ERROR_PROC_NOT_FOUND
}

}  // namespace
