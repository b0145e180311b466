#pragma once
#include <jni.h>

#include <string>

#include "launcher/StringList.h"

class Launcher;

// The folder of jvmPath up to and including its last "bin" and separator,
// where a JRE keeps the runtime libraries its VM library imports; empty
// when there is none.
std::string RuntimeBinFolder(const std::string& jvmPath, char separator);

// Loads the VM library at jvmPath and resolves its two invocation entries.
bool LoadVmLibrary(Launcher& launcher);

// Creates the process's VM with the VM options; sets javaVm and jniEnv.
bool CreateVm(Launcher& launcher);

// A java.lang.String made from the bytes of text by the VM's default
// character set; null with the VM's exception pending on failure.
jstring NewPlatformString(Launcher& launcher, const std::string& text);

// A String[] with one element per item; null on failure.
jobjectArray NewArgumentArray(Launcher& launcher, const StringList& items);

// Calls the main class's static main(String[]) and detaches the thread.
bool InvokeMainClass(Launcher& launcher);

// Shuts the VM down; waits for the program's non-daemon threads.
void DestroyVm(Launcher& launcher);
