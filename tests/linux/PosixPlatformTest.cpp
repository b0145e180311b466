#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "launcher/Configuration.h"
#include "launcher/Launcher.h"
#include "launcher/posix/PosixPlatform.h"

namespace {

// A fresh folder under the build's temporary space, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/launcher-test-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

PosixPlatform MakePlatform(const std::string& jvmRoot = "/nonexistent")
{
    static char name[] = "launcher";
    static char* argv[] = {name, nullptr};
    return PosixPlatform(1, argv, jvmRoot);
}

TEST(PosixPaths, ConfigurationFileBesideTheExecutable)
{
    const struct {
        const char* module;
        const char* ini;
    } cases[] = {
        {"/opt/app/viewer", "/opt/app/viewer.ini"},
        {"/opt/app/viewer.bin", "/opt/app/viewer.ini"},
        {"/opt/app/viewer.x.y", "/opt/app/viewer.x.ini"},
        {"/opt/tools.old/launcher", "/opt/tools.old/launcher.ini"},
        {"/opt/app/.hidden", "/opt/app/.hidden.ini"},
    };
    PosixPlatform platform = MakePlatform();
    for (const auto& c : cases) {
        std::string ini;
        ASSERT_TRUE(platform.ConfigurationPath(c.module, ini)) << c.module;
        EXPECT_EQ(ini, c.ini) << c.module;
    }
    std::string ini;
    EXPECT_FALSE(platform.ConfigurationPath("/opt/app/", ini));
}

TEST(PosixPaths, ModulePathIsThisExecutable)
{
    PosixPlatform platform = MakePlatform();
    std::string path;
    long error = 0;
    ASSERT_TRUE(platform.ModulePath(path, error));
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "linux_unit_tests");
    EXPECT_EQ(path[0], '/');
}

TEST(PosixPaths, ArgumentsAreTakenAsGiven)
{
    char a0[] = "/x/launcher", a1[] = "", a2[] = "two words", a3[] = "\"q\"", a4[] = "\xc3\xa9";
    char* argv[] = {a0, a1, a2, a3, a4, nullptr};
    PosixPlatform platform(5, argv, "/nonexistent");
    EXPECT_EQ(platform.ProgramArguments(), (StringList{"", "two words", "\"q\"", "\xc3\xa9"}));
}

TEST(PosixIni, ReadFollowsTheProfileBufferContract)
{
    TempDir dir;
    const std::string ini = dir.Path() + "/app.ini";
    WriteText(ini, "[S]\nk=" + std::string(300, 'v') + "\nshort=abc\n");
    PosixPlatform platform = MakePlatform();

    char buffer[256];
    EXPECT_EQ(platform.ReadProfileString("S", "k", buffer, sizeof buffer, ini), 255u);
    EXPECT_EQ(std::string(buffer), std::string(255, 'v'));
    EXPECT_EQ(platform.ReadProfileString("S", "short", buffer, 4, ini), 3u);  // fills exactly
    EXPECT_EQ(platform.ReadProfileString("S", "short", buffer, 3, ini), 2u);
    EXPECT_STREQ(buffer, "ab");
    EXPECT_EQ(platform.ReadProfileString("S", "none", buffer, sizeof buffer, ini), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(platform.ReadProfileString("S", "k", buffer, sizeof buffer, dir.Path() + "/no.ini"),
              0u);
    // The growing reader gets the whole value.
    EXPECT_EQ(ReadIniString(platform, ini, "S", "k"), std::string(300, 'v'));
}

TEST(PosixIni, WriteReplacesTheFileAndKeepsItsMode)
{
    TempDir dir;
    const std::string ini = dir.Path() + "/app.ini";
    WriteText(ini, "[Java Runtime Environment]\nMain Class=M\n");
    chmod(ini.c_str(), 0600);
    PosixPlatform platform = MakePlatform();

    ASSERT_TRUE(platform.WriteProfileString("Java Runtime Environment", "JRE Path", "/j/", ini));
    EXPECT_EQ(ReadText(ini), "[Java Runtime Environment]\nMain Class=M\nJRE Path=/j/\n");
    struct stat info;
    ASSERT_EQ(stat(ini.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // No temporary file is left behind.
    EXPECT_EQ(std::system(("test $(ls -A '" + dir.Path() + "' | wc -l) -eq 1").c_str()), 0);
}

TEST(PosixIni, WriteCreatesAMissingFileAndFollowsLinks)
{
    TempDir dir;
    PosixPlatform platform = MakePlatform();
    const std::string ini = dir.Path() + "/new.ini";
    ASSERT_TRUE(platform.WriteProfileString("Java Runtime Environment", "JRE Path", "/j/", ini));
    EXPECT_EQ(ReadText(ini), "[Java Runtime Environment]\nJRE Path=/j/\n");

    const std::string link = dir.Path() + "/link.ini";
    ASSERT_EQ(symlink(ini.c_str(), link.c_str()), 0);
    ASSERT_TRUE(platform.WriteProfileString("Java Runtime Environment", "JRE Path", "/k/", link));
    struct stat info;
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadText(ini), "[Java Runtime Environment]\nJRE Path=/k/\n");
}

TEST(PosixIni, WriteFailsWithoutTouchingAnything)
{
    TempDir dir;
    PosixPlatform platform = MakePlatform();
    EXPECT_FALSE(platform.WriteProfileString("S", "k", "v", dir.Path() + "/missing/app.ini"));
    const std::string ini = dir.Path() + "/app.ini";
    EXPECT_FALSE(platform.WriteProfileString("S", "k", "a\nb", ini));
    EXPECT_FALSE(platform.FileExists(ini));
    // Nothing left behind in the folder either.
    EXPECT_EQ(std::system(("test -z \"$(ls -A '" + dir.Path() + "')\"").c_str()), 0);
}

TEST(PosixRuntimes, ReleaseFileVersion)
{
    const struct {
        const char* text;
        bool found;
        const char* version;
    } cases[] = {
        {"IMPLEMENTOR=\"Debian\"\nJAVA_VERSION=\"17.0.15\"\n", true, "17.0.15"},
        {"JAVA_VERSION=\"1.8.0_292\"\r\nOS_NAME=\"Linux\"\r\n", true, "1.8.0_292"},
        {"JAVA_VERSION_DATE=\"2025-04-15\"\n", false, ""},
        {"JAVA_VERSION=\"\"\n", false, ""},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        std::string version;
        EXPECT_EQ(ReleaseJavaVersion(c.text, version), c.found) << c.text;
        if (c.found) {
            EXPECT_EQ(version, c.version);
        }
    }
}

TEST(PosixRuntimes, InstalledRuntimesUnderTheRoot)
{
    TempDir root;
    const std::string r = root.Path();
    mkdir((r + "/jdk-b").c_str(), 0755);
    WriteText(r + "/jdk-b/release", "JAVA_VERSION=\"11.0.2\"\n");
    mkdir((r + "/jdk-a").c_str(), 0755);
    WriteText(r + "/jdk-a/release", "JAVA_VERSION=\"17.0.1\"\n");
    mkdir((r + "/jdk-c").c_str(), 0755);                    // no release file
    mkdir((r + "/jdk-d").c_str(), 0755);
    WriteText(r + "/jdk-d/release", "JAVA_VERSION=\"17.0.1\"\n");  // same version again
    ASSERT_EQ(symlink("jdk-b", (r + "/jdk-b-alias").c_str()), 0);  // jdk-b again
    WriteText(r + "/release", "JAVA_VERSION=\"9\"\n");           // a file, not a folder
    TempDir elsewhere;                                              // linked in from outside
    WriteText(elsewhere.Path() + "/release", "JAVA_VERSION=\"21\"\n");
    ASSERT_EQ(symlink(elsewhere.Path().c_str(), (r + "/jdk-e").c_str()), 0);

    PosixPlatform platform = MakePlatform(r);
    EXPECT_EQ(platform.InstalledJreNames(), (StringList{"17.0.1", "11.0.2", "21"}));
    std::string home;
    ASSERT_TRUE(platform.InstalledJreHome("11.0.2", home));
    EXPECT_EQ(home, r + "/jdk-b/");
    ASSERT_TRUE(platform.InstalledJreHome("17.0.1", home));
    EXPECT_EQ(home, r + "/jdk-a/");
    ASSERT_TRUE(platform.InstalledJreHome("21", home));
    EXPECT_EQ(home, r + "/jdk-e/");
    EXPECT_FALSE(platform.InstalledJreHome("9", home));

    PosixPlatform empty = MakePlatform(r + "/missing");
    EXPECT_TRUE(empty.InstalledJreNames().empty());
}

TEST(PosixLibraries, ErrorTextsComeFromTheLoader)
{
    PosixPlatform platform = MakePlatform();
    std::string error;
    EXPECT_EQ(platform.OpenLibrary("/nonexistent/libjvm.so", error), nullptr);
    EXPECT_NE(error.find("/nonexistent/libjvm.so"), std::string::npos) << error;

    error.clear();
    void* self = platform.OpenLibrary("libc.so.6", error);
    ASSERT_NE(self, nullptr) << error;
    EXPECT_NE(platform.FindSymbol(self, "strlen", error), nullptr);
    EXPECT_EQ(platform.FindSymbol(self, "JNI_CreateJavaVM", error), nullptr);
    EXPECT_NE(error.find("JNI_CreateJavaVM"), std::string::npos) << error;
}

TEST(PosixFiles, ProbeSeesFilesAndFolders)
{
    TempDir dir;
    WriteText(dir.Path() + "/f", "");
    PosixPlatform platform = MakePlatform();
    EXPECT_TRUE(platform.FileExists(dir.Path() + "/f"));
    EXPECT_TRUE(platform.FileExists(dir.Path()));
    EXPECT_FALSE(platform.FileExists(dir.Path() + "/g"));
}

}  // namespace
