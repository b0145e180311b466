#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "launcher/Configuration.h"
#include "launcher/Launcher.h"

// The fake platform reads back what a test stores, cut like the profile API.
TEST(FakePlatform, ReadsIniValuesThroughTheLauncher)
{
    FakePlatform platform;
    platform.SetIni("Java Runtime Environment", "Main Class", std::string(300, 'x'));
    Launcher launcher(platform);
    std::string iniPath;
    ASSERT_TRUE(GetIniPath(launcher, iniPath));
    EXPECT_EQ(iniPath, "C:\\Apps\\Viewer\\viewer.ini");
    EXPECT_EQ(ReadIniString(platform, iniPath, "Java Runtime Environment", "Main Class"),
              std::string(300, 'x'));
}
