#include "launcher/posix/PosixPlatform.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "launcher/Messages.h"
#include "launcher/posix/IniText.h"

namespace {

// The whole file; false when it cannot be opened.
bool ReadFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

bool WriteAll(int fd, const std::string& text)
{
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = write(fd, p, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Replaces the file with text: a temporary file beside it, then a rename,
// so that a reader sees the old or the new file and never half of one.
bool ReplaceFile(const std::string& path, const std::string& text)
{
    // Through a symbolic link the file it points to is replaced, not the link.
    std::string target = path;
    if (char* resolved = realpath(path.c_str(), nullptr)) {
        target = resolved;
        std::free(resolved);
    }
    mode_t mode = 0644;
    struct stat existing;
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists)
        mode = existing.st_mode & 07777;

    std::string temporary = target + ".XXXXXX";
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0)
        return false;
    const bool ok = WriteAll(fd, text) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    if (close(fd) != 0 || !ok || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

PosixPlatform::PosixPlatform(int argc, char** argv, std::string jvmRoot)
    : jvmRoot_(std::move(jvmRoot))
{
    // The arguments exactly as the system handed them over.
    for (int i = 1; i < argc; ++i)
        arguments_.push_back(argv[i]);
}

std::string PosixPlatform::DefaultJvmRoot()
{
    const char* root = std::getenv("LAUNCHER_JVM_ROOT");
    return root && *root ? root : "/usr/lib/jvm";
}

bool PosixPlatform::InitializeModule()
{
    return true;
}

void PosixPlatform::TerminateModule() {}

StringList PosixPlatform::ProgramArguments()
{
    return arguments_;
}

bool PosixPlatform::ModulePath(std::string& path, long& error)
{
    // readlink gives no hint of a cut result but a full buffer: grow until
    // the link fits with room to spare.
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            error = errno;
            return false;
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            path.assign(buffer.data(), static_cast<std::size_t>(length));
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool PosixPlatform::ConfigurationPath(const std::string& modulePath, std::string& iniPath)
{
    // Only a dot in the file name starts an extension: a dot in a folder
    // name would put the file beside another folder, and a leading dot
    // only marks a hidden file.
    const std::size_t slash = modulePath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = modulePath.rfind('.');
    if (nameStart >= modulePath.size())
        return false;
    if (dot != std::string::npos && dot > nameStart)
        iniPath = modulePath.substr(0, dot + 1) + "ini";
    else
        iniPath = modulePath + ".ini";
    return true;
}

std::size_t PosixPlatform::ReadProfileString(const std::string& section, const std::string& key,
                                             char* buffer, std::size_t size,
                                             const std::string& iniPath)
{
    if (size == 0)
        return 0;
    std::string text;
    std::string value;
    if (!ReadFile(iniPath, text) || !IniText::FindValue(text, section, key, value))
        value.clear();
    const std::size_t length = std::min(value.size(), size - 1);
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return length;
}

bool PosixPlatform::WriteProfileString(const std::string& section, const std::string& key,
                                       const std::string& value, const std::string& iniPath)
{
    std::string text;
    if (!ReadFile(iniPath, text)) {
        struct stat existing;
        if (stat(iniPath.c_str(), &existing) == 0)
            return false;  // there but unreadable: never overwrite it blind
    }
    std::string updated;
    if (!IniText::SetValue(text, section, key, value, updated))
        return false;
    return ReplaceFile(iniPath, updated);
}

bool PosixPlatform::FileExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool ReleaseJavaVersion(const std::string& releaseText, std::string& version)
{
    std::istringstream lines(releaseText);
    std::string line;
    const std::string prefix = "JAVA_VERSION=";
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::string value = line.substr(prefix.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.empty())
            return false;
        version = value;
        return true;
    }
    return false;
}

std::vector<PosixPlatform::Installed> PosixPlatform::ScanJvmRoot() const
{
    std::vector<std::string> folders;
    if (DIR* dir = opendir(jvmRoot_.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                folders.push_back(name);
        }
        closedir(dir);
    }
    // readdir's order is the file system's; a fixed order makes the
    // tie-break between equal versions repeatable.
    std::sort(folders.begin(), folders.end());

    std::vector<Installed> installed;
    for (const std::string& folder : folders) {
        // Links count: a JDK unpacked elsewhere may be linked in. Debian's
        // aliases of one JDK (java-1.17.0-openjdk-amd64 ->
        // java-17-openjdk-amd64) carry its release file and so its name,
        // which is listed once below.
        struct stat info;
        const std::string path = jvmRoot_ + "/" + folder;
        if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            continue;
        const std::string home = path + "/";
        std::string release;
        std::string version;
        if (!ReadFile(home + "release", release) || !ReleaseJavaVersion(release, version))
            continue;
        // Names identify a runtime: the first folder of a version keeps it,
        // whether the others are aliases or other installations.
        const bool listed = std::any_of(installed.begin(), installed.end(),
                                        [&](const Installed& i) { return i.name == version; });
        if (!listed)
            installed.push_back({version, home});
    }
    return installed;
}

StringList PosixPlatform::InstalledJreNames()
{
    // The homes are looked up by name right after the listing: keep them.
    installed_ = ScanJvmRoot();
    StringList names;
    for (const Installed& runtime : installed_)
        names.push_back(runtime.name);
    return names;
}

bool PosixPlatform::InstalledJreHome(const std::string& name, std::string& home)
{
    for (const Installed& runtime : installed_) {
        if (runtime.name == name) {
            home = runtime.home;
            return true;
        }
    }
    return false;
}

StringList PosixPlatform::VmLibraryLocations() const
{
    // A JDK 9 or later, then the Java 8 layout of a JRE inside a JDK.
    return {"lib/server/libjvm.so", "lib/client/libjvm.so", "jre/lib/amd64/server/libjvm.so"};
}

std::string PosixPlatform::RuntimeLibraryMarker() const
{
    return "lib/libjava.so";
}

void PosixPlatform::UseLibraryFolder(const std::string&)
{
    // libjvm finds the libraries of its runtime through its own location.
}

void* PosixPlatform::OpenLibrary(const std::string& path, std::string& error)
{
    dlerror();
    // Never closed: the VM library stays with the process.
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (!library) {
        const char* text = dlerror();
        error = text ? text : "unknown error";
    }
    return library;
}

void* PosixPlatform::FindSymbol(void* library, const char* name, std::string& error)
{
    dlerror();
    void* symbol = dlsym(library, name);
    if (!symbol) {
        const char* text = dlerror();
        error = text ? text : std::string("no symbol ") + name;
    }
    return symbol;
}

int PosixPlatform::ShowMessage(WindowHandle, const std::string& text, unsigned)
{
    std::string line = text;
    if (line.empty() || line.back() != '\n')
        line += '\n';
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    return 1;  // as if OK had been pressed
}

std::unique_ptr<Splash> PosixPlatform::OpenSplash(const std::string&, bool)
{
    return nullptr;
}

JreDialogResult PosixPlatform::ShowJreNotFound(const std::string& message)
{
    // Nothing to choose from without a window: the message and the
    // download address, then the run ends as if cancelled.
    std::fprintf(stderr, "%s\n%s\n", message.c_str(), Messages::kJreDownloadAddress);
    std::fflush(stderr);
    JreDialogResult result;
    result.endCode = 2;
    return result;
}
