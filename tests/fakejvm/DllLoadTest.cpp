// The test jvm.dll variants through the real Windows loader and the real
// platform layer: the launcher's loading steps see them as it would see a
// JRE's VM library. Only the message box is replaced (it would wait for a
// click); everything else is Win32.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "jvm/VmHost.h"
#include "launcher/Launcher.h"
#include "launcher/win/WinPlatform.h"

namespace {

// The platform of the launcher with the message boxes recorded instead.
class RecordingPlatform : public WinPlatform {
public:
    RecordingPlatform() : WinPlatform(GetModuleHandleA(nullptr)) {}
    int ShowMessage(WindowHandle, const std::string& text, unsigned) override
    {
        messages.push_back(text);
        return IDOK;
    }
    std::vector<std::string> messages;
};

// The build's fakejvm folder as Wine's Z: drive shows it.
std::string BuiltDll(const std::string& relative)
{
    std::string path = std::string("Z:") + FAKEJVM_BUILD_DIR + "/" + relative;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

// A scratch folder that stands for a JRE home. A loaded VM library is
// never unloaded, so the folder can only go at the next run's start.
class DllLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root_ = std::string(temp) + "fakejvm-tests\\" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
        std::filesystem::create_directories(root_);
    }
    void TearDown() override { SetDllDirectoryA(nullptr); }

    // Copies a built file to root\relative, making the folders on the way.
    std::string Place(const std::string& built, const std::string& relative)
    {
        const std::string target = root_ + relative;
        std::filesystem::create_directories(std::filesystem::path(target).parent_path());
        EXPECT_TRUE(CopyFileA(BuiltDll(built).c_str(), target.c_str(), FALSE))
            << built << " -> " << target << ": " << GetLastError();
        return target;
    }

    std::string root_;
};

TEST_F(DllLoad, LibrariesWithoutAnExportAreRefused)
{
    struct Case {
        const char* built;
        const char* home;
        const char* message;
    };
    const Case cases[] = {
        {"nocreate/jvm.dll", "nocreate", "Windows exception: cannot find CreateJavaVM JNI (errno = 127).\n"},
        {"nodefaults/jvm.dll", "nodefaults", "Windows exception: cannot find CreateJavaVM JNI (errno = 127).\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.built);
        RecordingPlatform platform;
        Launcher launcher(platform);
        launcher.jvmPath = Place(c.built, std::string(c.home) + "\\bin\\client\\jvm.dll");
        EXPECT_FALSE(LoadVmLibrary(launcher));
        EXPECT_EQ(platform.messages, std::vector<std::string>{c.message});
    }
}

TEST_F(DllLoad, AMissingLibraryNamesItsPathAndTheSystemsCode)
{
    RecordingPlatform platform;
    Launcher launcher(platform);
    launcher.jvmPath = root_ + "bin\\client\\jvm.dll";
    EXPECT_FALSE(LoadVmLibrary(launcher));
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Failed to load Java VM library: " + launcher.jvmPath +
                                       " (errno = 126).\n"});
}

// A VM library that imports a DLL of its JRE's bin folder loads only when
// the launcher puts that folder on the search path; the plain load fails as
// it would for a real JRE.
TEST_F(DllLoad, TheVmLibraryFindsTheRuntimeInItsBinFolder)
{
    Place("needsrt/fakejvmrt.dll", "home\\bin\\fakejvmrt.dll");
    const std::string jvm = Place("needsrt/jvm.dll", "home\\bin\\client\\jvm.dll");

    RecordingPlatform platform;
    std::string error;
    EXPECT_EQ(platform.OpenLibrary(jvm, error), nullptr);
    EXPECT_EQ(error, "126");

    Launcher launcher(platform);
    launcher.jvmPath = jvm;
    EXPECT_TRUE(LoadVmLibrary(launcher));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_NE(launcher.createJavaVm, nullptr);
    EXPECT_NE(launcher.getDefaultJavaVmInitArgs, nullptr);
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The whole VM host across the DLL boundary, with the __stdcall tables and
// the record file that the end-to-end tests read.
TEST_F(DllLoad, ARunThroughTheDllIsRecorded)
{
    const std::string jvm = Place("jvm.dll", "home\\bin\\client\\jvm.dll");
    const std::string record = root_ + "record.txt";
    ASSERT_EQ(_putenv(("FAKEJVM_RECORD=" + record).c_str()), 0);
    ASSERT_EQ(_putenv("FAKEJVM_FAIL=throw"), 0);

    RecordingPlatform platform;
    {
        Launcher launcher(platform);
        launcher.jvmPath = jvm;
        launcher.vmOptions = {"-Djava.class.path=viewer.jar", "-Dtitle=A B"};
        launcher.mainClass = "com/example/App";
        launcher.arguments = {"", "\xe9"};
        EXPECT_EQ(launcher.Run(), 0);
    }
    _putenv("FAKEJVM_RECORD=");
    _putenv("FAKEJVM_FAIL=");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ReadAll(record),
              "create version=0x00010002 ignoreUnrecognized=0 nOptions=2\n"
              "option -Djava.class.path=viewer.jar\n"
              "option -Dtitle=A B\n"
              "findclass java/lang/String\n"
              "method <init> ([B)V\n"
              "findclass com/example/App\n"
              "method main ([Ljava/lang/String;)V\n"
              "findclass java/lang/String\n"
              "findclass java/lang/String\n"
              "method <init> ([B)V\n"
              "findclass java/lang/String\n"
              "method <init> ([B)V\n"
              "main com/example/App\n"
              "arg \n"
              "arg e9\n"
              "describe\n"
              "detach\n"
              "destroy\n"
              "leaks 0\n"
              "unreleased 0\n");
}

}  // namespace
