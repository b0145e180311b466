// JRE search and selection over the fake platform's registry and files (a
// test double; the real registry and file probes are tested under Wine).
#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "jre/JreSearch.h"
#include "launcher/Configuration.h"
#include "launcher/Launcher.h"

namespace {

void AddJre(FakePlatform& platform, const std::string& name, const std::string& home,
            const std::string& library = "bin\\client\\jvm.dll")
{
    platform.jreNames.push_back(name);
    platform.jreHomes[name] = home;
    std::string folder = home;
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    if (!library.empty())
        platform.files.insert(folder + library);
}

struct ChoiceCase {
    const char* minimum;
    const char* maximum;
    const char* preferred;
    const char* chosen;  // empty: the search fails
};

class WorkedExampleTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(WorkedExampleTest, ChoosesTheSubkey)
{
    FakePlatform platform;
    for (const char* name : {"1.4", "1.4.2_05", "1.5", "1.5.0_06", "1.6"})
        AddJre(platform, name, std::string("C:\\Java\\") + name);
    Launcher launcher(platform);
    launcher.minVersion = BoundFromText(GetParam().minimum, false);
    launcher.maxVersion = BoundFromText(GetParam().maximum, true);
    SplitAtSeparator(launcher.preferredVersions, GetParam().preferred, ";");

    std::string home;
    JavaVersion version;
    const bool found = FindRegistryJre(launcher, home, version);
    const std::string chosen = GetParam().chosen;
    ASSERT_EQ(found, !chosen.empty());
    if (found) {
        EXPECT_EQ(home, "C:\\Java\\" + chosen + "\\");
        JavaVersion expected;
        expected.Parse(chosen, 0);
        EXPECT_TRUE(Equals(version, expected));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedExampleTest, ::testing::Values(
    ChoiceCase{"1.4", "any", "", "1.6"},
    ChoiceCase{"1.4", "any", "1.5", "1.5.0_06"},
    ChoiceCase{"1.4", "any", "1.7;1.4", "1.4.2_05"},
    ChoiceCase{"1.4.2", "1.5", "", "1.5.0_06"},
    ChoiceCase{"1.5.0_06", "1.5.0_06", "", "1.5.0_06"},
    ChoiceCase{"1.6.1", "any", "", ""},
    // The first preferred entry that matches anything decides.
    ChoiceCase{"any", "any", "1.4;1.6", "1.4.2_05"},
    // A cleared maximum (no digits) is no bound, as in the requirement text.
    ChoiceCase{"1.4", "", "", "1.6"},
    ChoiceCase{"", "", "", "1.6"}));

TEST(FindRegistryJre, PassesOverHomesWithoutAVmLibrary)
{
    FakePlatform platform;
    AddJre(platform, "1.6", "C:\\Java\\broken", "");
    AddJre(platform, "1.5", "C:\\Java\\good");
    Launcher launcher(platform);
    std::string home;
    JavaVersion version;
    ASSERT_TRUE(FindRegistryJre(launcher, home, version));
    EXPECT_EQ(home, "C:\\Java\\good\\");
}

TEST(FindRegistryJre, AnEmptyOrUnreadableJavaHomeIsNoCandidate)
{
    FakePlatform platform;
    // An empty home would probe "\bin\client\jvm.dll": the root of the
    // current drive.
    AddJre(platform, "1.7", "");
    platform.jreNames.push_back("1.6");  // no JavaHome at all
    Launcher launcher(platform);
    std::string home;
    JavaVersion version;
    EXPECT_FALSE(FindRegistryJre(launcher, home, version));
    for (const std::string& probe : platform.probes)
        EXPECT_NE(probe.rfind("\\bin\\", 0), 0u) << probe;
}

TEST(FindRegistryJre, EqualVersionsKeepTheRegistryOrder)
{
    FakePlatform platform;
    AddJre(platform, "1.5", "C:\\first");
    AddJre(platform, "1.5.0", "C:\\second");
    AddJre(platform, "1.4", "C:\\older");
    Launcher launcher(platform);
    std::string home;
    JavaVersion version;
    ASSERT_TRUE(FindRegistryJre(launcher, home, version));
    EXPECT_EQ(home, "C:\\first\\");

    launcher.preferredVersions = {"1.5.0"};
    ASSERT_TRUE(FindRegistryJre(launcher, home, version));
    EXPECT_EQ(home, "C:\\first\\");
}

TEST(FindRegistryJre, ADigitlessNameCountsOnlyWithAnOpenMinimumAndSortsLast)
{
    FakePlatform platform;
    AddJre(platform, "jre", "C:\\plain");
    Launcher launcher(platform);
    launcher.minVersion = BoundFromText("1.4", false);
    std::string home;
    JavaVersion version;
    EXPECT_FALSE(FindRegistryJre(launcher, home, version));

    AddJre(platform, "1.4", "C:\\j14");
    launcher.minVersion = BoundFromText("any", false);
    ASSERT_TRUE(FindRegistryJre(launcher, home, version));
    EXPECT_EQ(home, "C:\\j14\\");
    launcher.preferredVersions = {""};  // an empty entry matches only "jre"
    ASSERT_TRUE(FindRegistryJre(launcher, home, version));
    EXPECT_EQ(home, "C:\\plain\\");
}

TEST(FindJvmLibrary, TakesTheFirstLocationThatExists)
{
    FakePlatform platform;
    EXPECT_EQ(FindJvmLibrary(platform, "C:\\j\\"), "");
    EXPECT_EQ(platform.probes, (std::vector<std::string>{
                                   "C:\\j\\bin\\client\\jvm.dll", "C:\\j\\bin\\server\\jvm.dll",
                                   "C:\\j\\bin\\classic\\jvm.dll", "C:\\j\\bin\\hotspot\\jvm.dll"}));
    platform.files = {"C:\\j\\bin\\hotspot\\jvm.dll"};
    EXPECT_EQ(FindJvmLibrary(platform, "C:\\j\\"), "C:\\j\\bin\\hotspot\\jvm.dll");
    platform.files.insert("C:\\j\\bin\\server\\jvm.dll");
    platform.files.insert("C:\\j\\bin\\client\\jvm.dll");
    EXPECT_EQ(FindJvmLibrary(platform, "C:\\j\\"), "C:\\j\\bin\\client\\jvm.dll");
}

struct LocalCase {
    std::vector<std::string> files;
    const char* home;
};

TEST(FindLocalJre, TheLauncherFolderThenItsJreSubfolder)
{
    for (const LocalCase& c : {
             LocalCase{{"C:\\App\\bin\\java.dll", "C:\\App\\jre\\bin\\java.dll"}, "C:\\App\\"},
             LocalCase{{"C:\\App\\jre\\bin\\java.dll"}, "C:\\App\\jre\\"},
             LocalCase{{"C:\\App\\bin\\client\\jvm.dll"}, ""},  // no marker: no JRE here
             LocalCase{{}, ""}}) {
        FakePlatform platform;
        platform.modulePath = "C:\\App\\viewer.exe";
        platform.files.insert(c.files.begin(), c.files.end());
        Launcher launcher(platform);
        std::string home = "stale";
        EXPECT_TRUE(FindLocalJre(launcher, home));
        EXPECT_EQ(home, c.home);
    }
}

}  // namespace
