// The VM host driven against the fake VM (FakeJvm.h) and the fake platform:
// the failures here cannot be produced with the real JVM on purpose (a
// GetStringUTFChars that returns null, a failing detach, a library without
// an export), and the whole run needs a platform that can be told what it
// holds. The real JVM has its own tests on Linux.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FakeJvm.h"
#include "FakePlatform.h"
#include "jvm/VmHost.h"
#include "launcher/ErrorReport.h"
#include "launcher/Launcher.h"

namespace {

const char* const kJvmPath = "C:\\jre\\bin\\client\\jvm.dll";
const WindowHandle kOwner = reinterpret_cast<WindowHandle>(0x5150);

void* CreateEntry()
{
    return reinterpret_cast<void*>(&fakejvm::CreateJavaVM);
}

void* DefaultsEntry()
{
    return reinterpret_cast<void*>(&fakejvm::GetDefaultJavaVMInitArgs);
}

// Both exports, as a VM library has them.
void InstallVmLibrary(FakePlatform& platform, const std::string& path = kJvmPath)
{
    platform.libraries[path] = {{"JNI_CreateJavaVM", CreateEntry()},
                                {"JNI_GetDefaultJavaVMInitArgs", DefaultsEntry()}};
}

fakejvm::Settings Failing(const std::string& step)
{
    fakejvm::Settings settings;
    if (!step.empty()) {
        const bool known = fakejvm::ParseFailure(step, settings);
        EXPECT_TRUE(known) << step;
    }
    return settings;
}

std::vector<std::string> EventsStartingWith(const std::string& prefix)
{
    std::vector<std::string> found;
    for (const std::string& event : fakejvm::Events()) {
        if (event.compare(0, prefix.size(), prefix) == 0)
            found.push_back(event);
    }
    return found;
}

// The fake VM's events go into the platform's event list too, so that the
// order of VM calls and window operations can be seen in one place.
FakePlatform* g_eventPlatform = nullptr;
void ToPlatformEvents(const std::string& line)
{
    if (g_eventPlatform)
        g_eventPlatform->events.push_back("vm " + line);
}

class VmHost : public ::testing::Test {
protected:
    void TearDown() override
    {
        fakejvm::SetEventSink(nullptr);
        g_eventPlatform = nullptr;
        fakejvm::Reset();
    }

    // A launcher ready to run, with the main class and arguments as the
    // configuration would give them.
    void PrepareRun(Launcher& launcher, const std::string& failure,
                 const StringList& arguments = {"first", "second", "third"})
    {
        fakejvm::Reset(Failing(failure));
        InstallVmLibrary(static_cast<FakePlatform&>(launcher.platform));
        launcher.jvmPath = kJvmPath;
        launcher.messageOwner = kOwner;
        launcher.vmOptions = {"-Djava.class.path=viewer.jar"};
        launcher.mainClass = "com/example/App";
        launcher.arguments = arguments;
    }

    FakePlatform platform;
};

// --- The folder handed to the library search --------------------------------

TEST(RuntimeBinFolder, IsThePathUpToTheLastBinFolder)
{
    struct Case {
        const char* jvmPath;
        char separator;
        const char* folder;
    };
    const Case cases[] = {
        {"C:\\jre\\bin\\client\\jvm.dll", '\\', "C:\\jre\\bin\\"},
        {"C:\\bin\\jre\\bin\\server\\jvm.dll", '\\', "C:\\bin\\jre\\bin\\"},
        {"C:\\tools\\bin\\jre\\bin\\hotspot\\jvm.dll", '\\', "C:\\tools\\bin\\jre\\bin\\"},
        {"C:\\jre\\jvm.dll", '\\', ""},
        {"C:\\jre\\bin", '\\', ""},
        {"", '\\', ""},
        {"/usr/lib/jvm/bin/server/libjvm.so", '/', "/usr/lib/jvm/bin/"},
        {"/usr/lib/jvm/bin\\server\\libjvm.so", '/', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RuntimeBinFolder(c.jvmPath, c.separator), c.folder) << c.jvmPath;
}

// --- Loading the library --------------------------------------------------------

TEST_F(VmHost, LoadingFailuresShowTheirMessageAndCallNoVm)
{
    struct Case {
        const char* name;
        bool library, create, defaults;
        const char* message;
    };
    const Case cases[] = {
        {"no library", false, false, false,
         "Failed to load Java VM library: C:\\jre\\bin\\client\\jvm.dll (errno = 126).\n"},
        {"no JNI_CreateJavaVM", true, false, true,
         "Windows exception: cannot find CreateJavaVM JNI (errno = 127).\n"},
        {"no JNI_GetDefaultJavaVMInitArgs", true, true, false,
         "Windows exception: cannot find CreateJavaVM JNI (errno = 127).\n"},
        {"neither export", true, false, false,
         "Windows exception: cannot find CreateJavaVM JNI (errno = 127).\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        fakejvm::Reset();
        if (c.library) {
            auto& symbols = platform.libraries[kJvmPath];
            if (c.create)
                symbols["JNI_CreateJavaVM"] = CreateEntry();
            if (c.defaults)
                symbols["JNI_GetDefaultJavaVMInitArgs"] = DefaultsEntry();
        }
        {
            Launcher launcher(platform);
            launcher.jvmPath = kJvmPath;
            launcher.messageOwner = kOwner;
            launcher.vmOptions = {"-Djava.class.path=viewer.jar"};
            launcher.mainClass = "com/example/App";
            EXPECT_EQ(launcher.Run(), -1);
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0].text, c.message);
            EXPECT_EQ(platform.messages[0].owner, kOwner);
            EXPECT_EQ(platform.messages[0].style, kErrorBoxStyle);
            // The one export that was found is kept, as the library stays loaded.
            EXPECT_EQ(reinterpret_cast<void*>(launcher.createJavaVm),
                      c.library && c.create ? CreateEntry() : nullptr);
            EXPECT_EQ(launcher.javaVm, nullptr);
        }
        // Not even at teardown: there is no VM.
        EXPECT_TRUE(fakejvm::Events().empty());
        EXPECT_EQ(platform.libraryFolder, "C:\\jre\\bin\\");
    }
}

// --- Creating the VM ------------------------------------------------------------

TEST_F(VmHost, CreationGetsTheOptionsInOrderWithVersionOneTwo)
{
    const std::vector<StringList> optionLists = {
        {"-Djava.class.path=viewer.jar"},
        {"-Djava.class.path=a.jar;b.jar", "-Xmx64m", "-Dtitle=My Viewer", "-Dempty="},
    };
    for (const StringList& options : optionLists) {
        fakejvm::Reset();
        FakePlatform platform;
        InstallVmLibrary(platform);
        Launcher launcher(platform);
        launcher.jvmPath = kJvmPath;
        launcher.vmOptions = options;
        ASSERT_TRUE(LoadVmLibrary(launcher));
        ASSERT_TRUE(CreateVm(launcher));
        EXPECT_NE(launcher.javaVm, nullptr);
        EXPECT_NE(launcher.jniEnv, nullptr);

        std::vector<std::string> expected = {
            "create version=0x00010002 ignoreUnrecognized=0 nOptions=" +
            std::to_string(options.size())};
        for (const std::string& option : options)
            expected.push_back("option " + option);
        EXPECT_EQ(fakejvm::Events(), expected);
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(VmHost, FailedCreationShowsItsMessageAndLeavesNoVmToDestroy)
{
    struct Case {
        const char* failure;
        StringList options;
    };
    const Case cases[] = {
        {"create", {"-Djava.class.path=viewer.jar"}},
        // An option the VM does not know is not ignored.
        {"", {"-Djava.class.path=viewer.jar", "-Xbogus:1", "-Xmx64m"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failure);
        fakejvm::Reset(Failing(c.failure));
        FakePlatform platform;
        InstallVmLibrary(platform);
        {
            Launcher launcher(platform);
            launcher.jvmPath = kJvmPath;
            launcher.messageOwner = kOwner;
            launcher.vmOptions = c.options;
            launcher.mainClass = "com/example/App";
            EXPECT_EQ(launcher.Run(), -1);
            // The fake leaves its pointers set on failure; the launcher must not
            // take them for a VM.
            EXPECT_EQ(launcher.javaVm, nullptr);
            EXPECT_EQ(launcher.jniEnv, nullptr);
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0].text, "JNI exception: failed to create the Java VM.\n");
            EXPECT_EQ(platform.messages[0].owner, kOwner);
        }
        EXPECT_EQ(fakejvm::CurrentCounts().destroys, 0);
        EXPECT_TRUE(EventsStartingWith("findclass").empty());
        EXPECT_TRUE(EventsStartingWith("misuse").empty());
        // Tried once: no second creation without the option.
        EXPECT_EQ(EventsStartingWith("create").size(), 1u);
    }
}

// --- Calling main -----------------------------------------------------------------

TEST_F(VmHost, EachFailureOfTheMainCallEndsAsItShould)
{
    struct Case {
        const char* failure;
        const char* message;  // "" for no message box
        int describes;
        bool pendingAfter;    // an exception still pending when it returns
        bool calledMain;
        int exitCode;
    };
    const Case cases[] = {
        {"", "", 0, false, true, 0},
        // The class name's string cannot be made: its exception stays pending.
        {"stringclass", "Failed to load Main Class: com/example/App.\n", 0, true, false, -1},
        {"stringinit", "Failed to load Main Class: com/example/App.\n", 0, true, false, -1},
        {"newbytearray", "Failed to load Main Class: com/example/App.\n", 0, true, false, -1},
        {"newobject", "Failed to load Main Class: com/example/App.\n", 0, true, false, -1},
        {"newobject_exception", "Failed to load Main Class: com/example/App.\n", 0, true, false,
         -1},
        {"utfchars", "", 1, false, false, -1},
        {"findclass", "Could not find the main class com/example/App.\n", 1, false, false, -1},
        {"nomain_exception", "", 1, false, false, -1},
        {"nomain", "No main method found in specified class.\n", 0, false, false, -1},
        // The argument array, and each step of an argument's string.
        {"newobjectarray", "", 1, false, false, -1},
        {"stringclass:2", "", 1, false, false, -1},
        {"stringclass:4", "", 1, false, false, -1},
        {"stringinit:3", "", 1, false, false, -1},
        {"newbytearray:2", "", 1, false, false, -1},
        {"newobject_exception:4", "", 1, false, false, -1},
        {"argstring:1", "", 1, false, false, -1},
        {"argstring:3", "", 1, false, false, -1},
        // An exception out of main does not change the result.
        {"throw", "", 1, false, true, 0},
        {"detach", "", 0, false, true, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failure);
        FakePlatform platform;
        {
            Launcher launcher(platform);
            PrepareRun(launcher, c.failure);
            EXPECT_EQ(launcher.Run(), c.exitCode);

            if (*c.message) {
                ASSERT_EQ(platform.messages.size(), 1u);
                EXPECT_EQ(platform.messages[0].text, c.message);
                EXPECT_EQ(platform.messages[0].owner, kOwner);
                EXPECT_EQ(platform.messages[0].style, kErrorBoxStyle);
            } else {
                EXPECT_TRUE(platform.messages.empty());
            }
            const fakejvm::Counts counts = fakejvm::CurrentCounts();
            EXPECT_EQ(counts.describes, c.describes);
            EXPECT_EQ(counts.exceptionPending, c.pendingAfter);
            EXPECT_EQ(EventsStartingWith("main ").size(), c.calledMain ? 1u : 0u);
            // Only a main that returned is followed by the detach.
            EXPECT_EQ(counts.detaches, c.calledMain ? 1 : 0);
            // The byte arrays and argument strings are deleted on every path,
            // and the class name's UTF-8 is given back.
            EXPECT_EQ(counts.leaked, 0);
            EXPECT_EQ(counts.utfChars, counts.utfCharsReleased);
            EXPECT_EQ(counts.destroys, 0);
        }
        // The teardown destroys the VM once, whatever happened.
        EXPECT_EQ(fakejvm::CurrentCounts().destroys, 1);
        EXPECT_TRUE(EventsStartingWith("misuse").empty());
        EXPECT_TRUE(EventsStartingWith("defaults").empty());
    }
}

TEST_F(VmHost, MainIsLookedUpAndCalledOnTheConfiguredClass)
{
    Launcher launcher(platform);
    PrepareRun(launcher, "", {});
    ASSERT_EQ(launcher.Run(), 0);
    const std::vector<std::string> expected = {
        "findclass java/lang/String",
        "method <init> ([B)V",
        "findclass com/example/App",
        "method main ([Ljava/lang/String;)V",
        "findclass java/lang/String",
        "main com/example/App",
        "detach",
    };
    std::vector<std::string> calls;
    for (const std::string& event : fakejvm::Events()) {
        if (event.compare(0, 7, "create ") != 0 && event.compare(0, 7, "option ") != 0)
            calls.push_back(event);
    }
    EXPECT_EQ(calls, expected);
}

TEST_F(VmHost, ArgumentsArriveAsTheirBytes)
{
    struct Case {
        StringList arguments;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{}, {}},
        {{""}, {"arg "}},
        {{"a b", "", "-nosplash"}, {"arg 612062", "arg ", "arg 2d6e6f73706c617368"}},
        // Code-page bytes go through untouched: no UTF-8 conversion on the way.
        {{"\xe9t\xe9", "\x95\x5c", "\xff"}, {"arg e974e9", "arg 955c", "arg ff"}},
    };
    for (const Case& c : cases) {
        fakejvm::Reset();
        FakePlatform platform;
        Launcher launcher(platform);
        PrepareRun(launcher, "", c.arguments);
        ASSERT_EQ(launcher.Run(), 0);
        EXPECT_EQ(EventsStartingWith("arg"), c.expected);
        EXPECT_EQ(fakejvm::CurrentCounts().leaked, 0);
    }
}

TEST_F(VmHost, NoVmNoDestroy)
{
    fakejvm::Reset();
    Launcher launcher(platform);
    DestroyVm(launcher);
    EXPECT_TRUE(fakejvm::Events().empty());
}

// --- The whole run ------------------------------------------------------------------

class WholeRun : public VmHost {
protected:
    void Configure(const std::string& failure, bool splash)
    {
        fakejvm::Reset(Failing(failure));
        g_eventPlatform = &platform;
        fakejvm::SetEventSink(&ToPlatformEvents);
        platform.SetIni("Class Path", "Class Path", "viewer.jar");
        platform.SetIni("Java Runtime Environment", "Main Class", "com.example.App");
        platform.SetIni("Java Runtime Environment", "JRE Path", "C:\\jre");
        if (splash)
            platform.SetIni("Display", "Splash Screen", "splash.bmp");
        platform.files.insert(kJvmPath);
        platform.arguments = {"open", "file.txt"};
        InstallVmLibrary(platform);
    }

    std::vector<std::string> Events(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (const std::string& event : platform.events) {
            if (event.compare(0, prefix.size(), prefix) == 0)
                found.push_back(event);
        }
        return found;
    }

    std::ptrdiff_t IndexOf(const std::string& event) const
    {
        auto found = std::find(platform.events.begin(), platform.events.end(), event);
        return found == platform.events.end() ? -1 : found - platform.events.begin();
    }
};

TEST_F(WholeRun, ExitCodeAndTeardownForEachOutcome)
{
    struct Case {
        const char* failure;
        int exitCode;
        int destroys;
    };
    const Case cases[] = {
        {"", 0, 1},        {"throw", 0, 1},     {"detach", -1, 1},
        {"findclass", -1, 1}, {"nomain", -1, 1}, {"utfchars", -1, 1},
        {"argstring:2", -1, 1}, {"create", -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failure);
        platform = FakePlatform();
        Configure(c.failure, true);
        EXPECT_EQ(RunLauncher(platform), c.exitCode);
        EXPECT_EQ(Events("vm destroy").size(), static_cast<std::size_t>(c.destroys));
        EXPECT_TRUE(Events("vm misuse").empty());
        EXPECT_EQ(platform.libraryFolder, "C:\\jre\\bin\\");
        // Messages are owned by the splash while it is up.
        for (const FakePlatform::Message& message : platform.messages)
            EXPECT_EQ(message.owner, platform.splashWindow);
        // The splash stays up while main runs and closes before the VM goes.
        const std::ptrdiff_t closed = IndexOf("splash closed");
        ASSERT_GE(closed, 0);
        const std::ptrdiff_t main = IndexOf("vm main com/example/App");
        if (main >= 0) {
            EXPECT_LT(main, closed);
        }
        if (c.destroys) {
            EXPECT_LT(closed, IndexOf("vm destroy"));
        }
        EXPECT_EQ(platform.events.back(), "terminate");
    }
}

TEST_F(WholeRun, ConfiguredParametersFollowTheClassPathAsOptions)
{
    struct Case {
        const char* parameters;
        std::vector<std::string> options;
        int exitCode;
    };
    const Case cases[] = {
        {"", {"vm option -Djava.class.path=viewer.jar"}, 0},
        {"-Xmx64m \"-Dtitle=My Viewer\"",
         {"vm option -Djava.class.path=viewer.jar", "vm option -Xmx64m",
          "vm option -Dtitle=My Viewer"},
         0},
        // A misspelt option fails the creation; nothing is retried without it.
        {"-Xbogusgc -Xmx64m",
         {"vm option -Djava.class.path=viewer.jar", "vm option -Xbogusgc", "vm option -Xmx64m"},
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameters);
        platform = FakePlatform();
        Configure("", false);
        platform.SetIni("Java Runtime Environment", "Virtual Machine Parameters", c.parameters);
        EXPECT_EQ(RunLauncher(platform), c.exitCode);
        EXPECT_EQ(Events("vm create"),
                  std::vector<std::string>{"vm create version=0x00010002 ignoreUnrecognized=0 nOptions=" +
                                           std::to_string(c.options.size())});
        EXPECT_EQ(Events("vm option"), c.options);
        if (c.exitCode == 0) {
            EXPECT_TRUE(platform.messages.empty());
        } else {
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0].text, "JNI exception: failed to create the Java VM.\n");
            EXPECT_EQ(platform.messages[0].owner, nullptr);
            EXPECT_TRUE(Events("vm destroy").empty());
        }
    }
}

TEST_F(WholeRun, TheCommandLineReachesMainWithTheSplashSwitch)
{
    Configure("", false);
    platform.arguments = {"-nosplash", "x"};
    EXPECT_EQ(RunLauncher(platform), 0);
    EXPECT_EQ(Events("vm arg"), (std::vector<std::string>{"vm arg 2d6e6f73706c617368", "vm arg 78"}));
    EXPECT_EQ(Events("vm option"), (std::vector<std::string>{"vm option -Djava.class.path=viewer.jar"}));
    EXPECT_EQ(IndexOf("splash closed"), -1);
}

}  // namespace
