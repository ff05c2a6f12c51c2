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
    T release() { return std::exchange(value_, Traits::Invalid()); }
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

struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static bool Valid(HMENU m) { return m != nullptr; }
    static void Close(HMENU m) { DestroyMenu(m); }
};
struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static bool Valid(HWND w) { return w != nullptr; }
    static void Close(HWND w) { DestroyWindow(w); }
};

using UniqueHandle = Unique<HANDLE, KernelHandleTraits>;
using UniqueKey = Unique<HKEY, KeyTraits>;
using UniqueIcon = Unique<HICON, IconTraits>;
using UniqueFont = Unique<HFONT, FontTraits>;
using UniqueMenu = Unique<HMENU, MenuTraits>;
using UniqueWindow = Unique<HWND, WindowTraits>;

// A device context of a window for the scope: GetDC and ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() { ReleaseDC(hwnd_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint and EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintScope() { EndPaint(hwnd_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a DC for the scope; the old one comes back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace torvane::win32
