#pragma once
#include <windows.h>

#include <utility>

// One move-only owner per kind of handle. Closing keeps the thread's last
// error, so a failure code read after a handle went out of scope is still
// the one of the call that failed.
template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }

    // The address of the handle for a function that fills it in.
    Handle* Put()
    {
        Reset();
        return &handle_;
    }

    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }

    void Reset(Handle handle = Traits::Invalid())
    {
        if (handle_ != Traits::Invalid()) {
            const DWORD lastError = GetLastError();
            Traits::Close(handle_);
            SetLastError(lastError);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};
using UniqueRegKey = UniqueHandle<HKEY, RegKeyTraits>;

struct FindFileTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { FindClose(handle); }
};
using UniqueFindHandle = UniqueHandle<HANDLE, FindFileTraits>;
