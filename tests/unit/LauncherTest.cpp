// The run sequence over the fake platform (a test double): the order of the
// steps, which failure shows which text with which owner, the exit codes
// and the write-back.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakePlatform.h"
#include "launcher/Launcher.h"

namespace {

const char* const kJre = "Java Runtime Environment";

class RunSequenceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.modulePath = "C:\\App\\viewer.exe";
        platform.SetIni("Class Path", "Class Path", "app.jar");
        platform.SetIni(kJre, "Main Class", "Main");
        platform.SetIni("Display", "Splash Screen", "splash.bmp");
    }

    // A new platform with the fixture's executable and configuration, for
    // tests that run the launcher once per case.
    FakePlatform Configured() const
    {
        FakePlatform fresh;
        fresh.modulePath = platform.modulePath;
        fresh.ini = platform.ini;
        return fresh;
    }

    bool HasEvent(const std::string& event) const
    {
        return std::find(platform.events.begin(), platform.events.end(), event) !=
               platform.events.end();
    }

    // Index of the first event starting with prefix, or -1.
    int EventIndex(const std::string& prefix) const
    {
        for (std::size_t i = 0; i < platform.events.size(); ++i) {
            if (platform.events[i].rfind(prefix, 0) == 0)
                return static_cast<int>(i);
        }
        return -1;
    }

    FakePlatform platform;
};

TEST_F(RunSequenceTest, SplashSwitchesSuppressTheSplashAndStayAmongTheArguments)
{
    struct Case {
        StringList arguments;
        bool splash;
    };
    for (const Case& c : {Case{{}, true}, Case{{"report.txt", "-nosplash"}, false},
                          Case{{"/nosplash"}, false}, Case{{"-NOSPLASH"}, true},
                          Case{{"/NoSplash"}, true}}) {
        FakePlatform p = Configured();
        p.arguments = c.arguments;
        Launcher launcher(p);
        launcher.Prepare();
        EXPECT_EQ(!p.openedSplashImage.empty(), c.splash);
        EXPECT_EQ(launcher.arguments, c.arguments);
    }
}

TEST_F(RunSequenceTest, TheSplashOpensBeforeTheConfigurationIsReadAndOwnsItsMessages)
{
    platform.SetIni("Display", "Splash Screen Shadow", "true");
    platform.SetIni("Class Path", "Class Path", "");
    EXPECT_EQ(RunLauncher(platform), -1);
    EXPECT_EQ(platform.openedSplashImage, "splash.bmp");
    EXPECT_TRUE(platform.openedSplashShadow);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].owner, platform.splashWindow);
    // The box is shown, then the splash closes, then the module ends.
    EXPECT_LT(EventIndex("splash splash.bmp"), EventIndex("message"));
    EXPECT_LT(EventIndex("message"), EventIndex("splash closed"));
    EXPECT_LT(EventIndex("splash closed"), EventIndex("terminate"));
}

TEST_F(RunSequenceTest, ShadowNeedsExactlyTrue)
{
    platform.SetIni("Display", "Splash Screen Shadow", "TRUE");
    Launcher launcher(platform);
    launcher.Prepare();
    EXPECT_FALSE(platform.openedSplashShadow);
}

TEST_F(RunSequenceTest, WithoutASplashMessagesHaveNoOwner)
{
    for (const char* image : {"", "missing-window"}) {
        FakePlatform p;
        p.modulePath = platform.modulePath;
        p.SetIni("Display", "Splash Screen", image);
        p.splashHasWindow = false;  // an image that could not be loaded
        EXPECT_EQ(RunLauncher(p), -1);
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_EQ(p.messages[0].owner, nullptr) << image;
    }
}

TEST_F(RunSequenceTest, FailingComShowsOneBoxWithoutOwnerAndSkipsTheRun)
{
    platform.comFails = true;
    platform.comError = static_cast<int32_t>(0x8001010E);  // RPC_E_WRONG_THREAD
    EXPECT_EQ(RunLauncher(platform), -1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].owner, nullptr);
    EXPECT_EQ(platform.messages[0].text, "COM error: failed to initialize (errno = -2147417842).\n");
    EXPECT_TRUE(platform.openedSplashImage.empty());
    EXPECT_TRUE(platform.profileReads.empty());
    EXPECT_TRUE(HasEvent("terminate"));
}

TEST_F(RunSequenceTest, AConfiguredFolderIsProbedFirstWhateverItsVersion)
{
    for (const char* configured : {"C:\\Java\\jre", "C:\\Java\\jre\\"}) {
        FakePlatform p = Configured();
        p.SetIni(kJre, "JRE Path", configured);
        p.SetIni(kJre, "Minimum Version", "99");
        p.files = {"C:\\Java\\jre\\bin\\server\\jvm.dll", "C:\\App\\bin\\java.dll",
                   "C:\\App\\bin\\client\\jvm.dll"};
        Launcher launcher(p);
        ASSERT_TRUE(launcher.Prepare());
        EXPECT_EQ(launcher.jvmPath, "C:\\Java\\jre\\bin\\server\\jvm.dll");
    }
}

TEST_F(RunSequenceTest, TheLookupFallsThroughToTheJreBesideAndThenTheRegistry)
{
    platform.SetIni(kJre, "JRE Path", "C:\\Gone");
    platform.files = {"C:\\App\\jre\\bin\\java.dll", "C:\\App\\jre\\bin\\client\\jvm.dll",
                      "C:\\Reg\\bin\\client\\jvm.dll"};
    platform.jreNames = {"1.6"};
    platform.jreHomes["1.6"] = "C:\\Reg";
    {
        Launcher launcher(platform);
        ASSERT_TRUE(launcher.Prepare());
        EXPECT_EQ(launcher.jvmPath, "C:\\App\\jre\\bin\\client\\jvm.dll");
        EXPECT_EQ(launcher.jreVersion.count, 0);  // the registry was not searched
    }
    platform.files.erase("C:\\App\\jre\\bin\\client\\jvm.dll");
    {
        Launcher launcher(platform);
        ASSERT_TRUE(launcher.Prepare());
        EXPECT_EQ(launcher.jvmPath, "C:\\Reg\\bin\\client\\jvm.dll");
        EXPECT_EQ(Format(launcher.jreVersion), "1.6");
    }
    EXPECT_FALSE(HasEvent("write Java Runtime Environment/JRE Path=C:\\Gone"));
    EXPECT_EQ(platform.ini["C:\\App\\viewer.ini"][kJre]["JRE Path"], "C:\\Gone");
}

TEST_F(RunSequenceTest, TheCurrentDirectoryIsNeverProbed)
{
    // No JRE beside the launcher: relative VM-library paths would resolve
    // against whatever folder the launcher was started in.
    platform.files = {"bin\\client\\jvm.dll"};
    Launcher launcher(platform);
    EXPECT_FALSE(launcher.Prepare());
    for (const std::string& probe : platform.probes)
        EXPECT_NE(probe.rfind("bin\\", 0), 0u) << probe;
    EXPECT_EQ(platform.dialogShown, 1);
}

TEST_F(RunSequenceTest, NoJreShowsTheDialogWithTheRequirement)
{
    platform.SetIni(kJre, "Minimum Version", "1.4");
    platform.SetIni(kJre, "Maximum Version", "1.5");
    platform.dialogResult.endCode = 2;
    EXPECT_EQ(RunLauncher(platform), -1);
    EXPECT_EQ(platform.dialogMessage,
              "The Java Runtime Environment (JRE) was not found. Please download and install a "
              "JRE (version between 1.4 and 1.5) from:");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(EventIndex("write"), -1);
}

TEST_F(RunSequenceTest, AFolderChosenInTheDialogIsUsedAndRemembered)
{
    platform.dialogResult = {1, "C:\\Java\\jre\\", "C:\\Java\\jre\\bin\\client\\jvm.dll"};
    platform.libraries["C:\\Java\\jre\\bin\\client\\jvm.dll"] = {};  // no exports
    EXPECT_EQ(RunLauncher(platform), -1);
    EXPECT_TRUE(HasEvent("write Java Runtime Environment/JRE Path=C:\\Java\\jre\\"));
    EXPECT_TRUE(HasEvent("load C:\\Java\\jre\\bin\\client\\jvm.dll"));
    EXPECT_LT(EventIndex("write"), EventIndex("load"));
}

TEST_F(RunSequenceTest, VmLibraryFailuresShowTheirMessages)
{
    struct Case {
        std::map<std::string, void*> exports;
        bool loads;
        const char* message;
    };
    void* const some = reinterpret_cast<void*>(&RunLauncher);
    const Case cases[] = {
        {{}, false, "Failed to load Java VM library: C:\\App\\jre\\bin\\client\\jvm.dll (errno = 126).\n"},
        {{{"JNI_GetDefaultJavaVMInitArgs", some}}, true,
         "Windows exception: cannot find CreateJavaVM JNI (errno = 127).\n"},
        {{{"JNI_CreateJavaVM", some}}, true,
         "Windows exception: cannot find CreateJavaVM JNI (errno = 127).\n"},
    };
    for (const Case& c : cases) {
        FakePlatform p = Configured();
        p.files = {"C:\\App\\jre\\bin\\java.dll", "C:\\App\\jre\\bin\\client\\jvm.dll"};
        if (c.loads)
            p.libraries["C:\\App\\jre\\bin\\client\\jvm.dll"] = c.exports;
        EXPECT_EQ(RunLauncher(p), -1);
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_EQ(p.messages[0].text, c.message);
        EXPECT_EQ(p.messages[0].owner, p.splashWindow);
        EXPECT_EQ(p.libraryFolder, "C:\\App\\jre\\bin\\");
    }
}

}  // namespace
