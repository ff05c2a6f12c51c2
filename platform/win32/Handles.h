#pragma once
#include <windows.h>

#include <utility>

namespace torvane::win32 {

// Owns one handle and releases it with its kind's call.
template <class T, class Traits>
class Unique {
public:
    Unique() = default;
    explicit Unique(T value) : value_(value) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, Traits::Invalid())) {}
    Unique& operator=(Unique&& other) noexcept {
        reset(std::exchange(other.value_, Traits::Invalid()));
        return *this;
    }
    ~Unique() { reset(); }

    T get() const { return value_; }
    T* out() {
        reset();
        return &value_;
    }
    explicit operator bool() const { return Traits::Valid(value_); }
    void reset(T value = Traits::Invalid()) {
        if (Traits::Valid(value_)) Traits::Close(value_);
        value_ = value;
    }

private:
    T value_ = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct KeyTraits {
    static HKEY Invalid() { return nullptr; }
    static bool Valid(HKEY k) { return k != nullptr; }
    static void Close(HKEY k) { RegCloseKey(k); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static bool Valid(HICON i) { return i != nullptr; }
    static void Close(HICON i) { DestroyIcon(i); }
};
struct FontTraits {
    static HFONT Invalid() { return nullptr; }
    static bool Valid(HFONT f) { return f != nullptr; }
    static void Close(HFONT f) { DeleteObject(f); }
};

using UniqueHandle = Unique<HANDLE, KernelHandleTraits>;
using UniqueKey = Unique<HKEY, KeyTraits>;
using UniqueIcon = Unique<HICON, IconTraits>;
using UniqueFont = Unique<HFONT, FontTraits>;

}  // namespace torvane::win32
