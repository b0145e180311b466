#pragma once

// Every text the launcher shows the user. "\n" at the end is part of the text.
namespace Messages {

constexpr const char* kComError = "COM error: %s (errno = %d).\n";
constexpr const char* kFailedToInitialize = "failed to initialize";
constexpr const char* kFailedToInitializeModule = "failed to initialize module";

constexpr const char* kWindowsException = "Windows exception: %s (errno = %d).\n";
constexpr const char* kNoModulePath = "failed to get the module path";
constexpr const char* kNoCreateJavaVm = "cannot find CreateJavaVM JNI";

constexpr const char* kNoClassPath = "Java Class Path was not specified in INI file.";
constexpr const char* kNoMainClass = "Main class was not specified in INI file.";

constexpr const char* kVmLibraryLoad = "Failed to load Java VM library: %s (errno = %d).\n";
constexpr const char* kJniException = "JNI exception: %s.\n";
constexpr const char* kVmCreation = "failed to create the Java VM";

constexpr const char* kMainClassLoad = "Failed to load Main Class: %s.\n";
constexpr const char* kMainClassNotFound = "Could not find the main class %s.\n";
constexpr const char* kNoMainMethod = "No main method found in specified class.\n";

constexpr const char* kJreNotFound =
    "The Java Runtime Environment (JRE) was not found. "
    "Please download and install a JRE (%s) from:";
// Where the JRE-not-found message sends the user.
constexpr const char* kJreDownloadAddress = "https://www.java.com/en/download/manual.jsp";

}  // namespace Messages
