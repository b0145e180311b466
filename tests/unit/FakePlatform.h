#pragma once
// A test double of the platform: an in-memory file system, INI files,
// registry and message boxes, recording what the launcher asked for. Used
// where a run must be driven through every branch without a real system;
// the Win32 and POSIX layers have their own tests against the real thing.

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "launcher/ErrorReport.h"
#include "launcher/Messages.h"
#include "launcher/Platform.h"

class FakePlatform : public Platform {
public:
    struct Message {
        WindowHandle owner;
        std::string text;
        unsigned style;
    };

    class FakeSplash : public Splash {
    public:
        FakeSplash(FakePlatform& platform, WindowHandle window) : platform_(platform), window_(window) {}
        ~FakeSplash() override { platform_.events.push_back("splash closed"); }
        WindowHandle Window() const override { return window_; }

    private:
        FakePlatform& platform_;
        WindowHandle window_;
    };

    // What the fake system holds.
    bool comFails = false;
    int32_t comError = static_cast<int32_t>(0x80004005);
    StringList arguments;
    bool hasModulePath = true;
    long modulePathError = 5;
    std::string modulePath = "C:\\Apps\\Viewer\\viewer.exe";
    // INI files: path -> section -> key -> value (exact names).
    std::map<std::string, std::map<std::string, std::map<std::string, std::string>>> ini;
    std::set<std::string> files;
    // Installed JREs in listing order, and their homes (absent: unreadable).
    StringList jreNames;
    std::map<std::string, std::string> jreHomes;
    // Library path -> exported symbol names; absent paths fail to load.
    std::map<std::string, std::map<std::string, void*>> libraries;
    std::string loadError = "126";
    std::string symbolError = "127";
    WindowHandle splashWindow = reinterpret_cast<WindowHandle>(0x5150);
    bool splashHasWindow = true;
    JreDialogResult dialogResult;

    // What the launcher did.
    std::vector<std::string> events;
    std::vector<Message> messages;
    std::vector<std::string> profileReads;  // "section/key"
    std::vector<std::string> probes;
    std::string libraryFolder;
    std::string openedSplashImage;
    bool openedSplashShadow = false;
    std::string dialogMessage;
    int dialogShown = 0;

    void SetIni(const std::string& section, const std::string& key, const std::string& value)
    {
        std::string path;
        ConfigurationPath(modulePath, path);
        ini[path][section][key] = value;
    }

    bool InitializeModule() override
    {
        events.push_back("initialize");
        if (comFails) {
            // As the Windows platform reports it.
            ReportErrorCode(*this, nullptr, Messages::kComError, Messages::kFailedToInitialize,
                            comError);
            return false;
        }
        return true;
    }
    void TerminateModule() override { events.push_back("terminate"); }
    StringList ProgramArguments() override { return arguments; }
    bool ModulePath(std::string& path, long& error) override
    {
        if (!hasModulePath) {
            error = modulePathError;
            return false;
        }
        path = modulePath;
        return true;
    }
    std::size_t ReadProfileString(const std::string& section, const std::string& key, char* buffer,
                                  std::size_t size, const std::string& iniPath) override
    {
        profileReads.push_back(section + "/" + key);
        std::string value;
        auto file = ini.find(iniPath);
        if (file != ini.end()) {
            auto s = file->second.find(section);
            if (s != file->second.end()) {
                auto k = s->second.find(key);
                if (k != s->second.end())
                    value = k->second;
            }
        }
        // As the profile API: cut to size - 1 bytes.
        const std::size_t length = value.size() < size - 1 ? value.size() : size - 1;
        value.copy(buffer, length);
        buffer[length] = '\0';
        return length;
    }
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value, const std::string& iniPath) override
    {
        events.push_back("write " + section + "/" + key + "=" + value);
        ini[iniPath][section][key] = value;
        return true;
    }
    bool FileExists(const std::string& path) override
    {
        probes.push_back(path);
        return files.count(path) != 0;
    }
    StringList InstalledJreNames() override { return jreNames; }
    bool InstalledJreHome(const std::string& name, std::string& home) override
    {
        auto found = jreHomes.find(name);
        if (found == jreHomes.end())
            return false;
        home = found->second;
        return true;
    }
    StringList VmLibraryLocations() const override
    {
        return {"bin\\client\\jvm.dll", "bin\\server\\jvm.dll", "bin\\classic\\jvm.dll",
                "bin\\hotspot\\jvm.dll"};
    }
    std::string RuntimeLibraryMarker() const override { return "bin\\java.dll"; }
    void UseLibraryFolder(const std::string& folder) override { libraryFolder = folder; }
    void* OpenLibrary(const std::string& path, std::string& error) override
    {
        events.push_back("load " + path);
        auto found = libraries.find(path);
        if (found == libraries.end()) {
            error = loadError;
            return nullptr;
        }
        return &found->second;
    }
    void* FindSymbol(void* library, const char* name, std::string& error) override
    {
        auto& symbols = *static_cast<std::map<std::string, void*>*>(library);
        auto found = symbols.find(name);
        if (found == symbols.end()) {
            error = symbolError;
            return nullptr;
        }
        return found->second;
    }
    int ShowMessage(WindowHandle owner, const std::string& text, unsigned style) override
    {
        events.push_back("message " + text);
        messages.push_back({owner, text, style});
        return 1;
    }
    std::unique_ptr<Splash> OpenSplash(const std::string& imagePath, bool shadow) override
    {
        events.push_back("splash " + imagePath);
        openedSplashImage = imagePath;
        openedSplashShadow = shadow;
        return std::make_unique<FakeSplash>(*this, splashHasWindow ? splashWindow : nullptr);
    }
    JreDialogResult ShowJreNotFound(const std::string& message) override
    {
        events.push_back("dialog");
        ++dialogShown;
        dialogMessage = message;
        return dialogResult;
    }
};
