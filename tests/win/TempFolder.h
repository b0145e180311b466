#pragma once
#include <windows.h>

#include <string>

// A fresh folder under the system's temporary folder, removed with its
// contents at the end of the test.
class TempFolder {
public:
    TempFolder()
    {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        static int counter = 0;
        path_ = std::string(base) + "launcher-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending with a backslash.
    const std::string& Path() const { return path_; }

    // Writes a file (creating its folders), bytes exactly as given.
    std::string Write(const std::string& relative, const std::string& bytes = "") const
    {
        const std::string full = path_ + relative;
        for (std::string::size_type slash = full.find('\\', path_.size()); slash != std::string::npos;
             slash = full.find('\\', slash + 1))
            CreateDirectoryA(full.substr(0, slash).c_str(), nullptr);
        HANDLE file = CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return full;
    }

    static std::string Read(const std::string& full)
    {
        std::string bytes;
        HANDLE file = CreateFileA(full.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return bytes;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
            bytes.append(buffer, read);
        CloseHandle(file);
        return bytes;
    }

private:
    static void RemoveTree(const std::string& folder)
    {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name == "." || name == "..")
                    continue;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(folder + name + "\\");
                else
                    DeleteFileA((folder + name).c_str());
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string path_;
};
