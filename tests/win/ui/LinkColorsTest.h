#pragma once
#include <windows.h>

// Sets or removes the user's link colour values for one test and puts the
// previous state back afterwards.
class AnchorColorValues {
public:
    AnchorColorValues();
    ~AnchorColorValues();
    void Set(const char* name, DWORD type, const void* data, DWORD size);
    void SetText(const char* name, const char* text);
    void Remove(const char* name);

private:
    HKEY key_ = nullptr;
};
