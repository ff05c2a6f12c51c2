#pragma once
// Drives the real Torvane.exe in a Wine prefix: installs stand-in applications
// at the catalogue's paths, starts the panel, reads its window and message
// boxes, and clicks and types as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

namespace e2e {
using namespace std::chrono_literals;

inline const std::wstring kTitle = L"Torvane 0.3.0 - by Quennavo";
// Keys under Software32().
inline const wchar_t kSettingsKey[] = L"Merovi\\Torvane";
inline const wchar_t kRunKey[] = L"Microsoft\\Windows\\CurrentVersion\\Run";
inline const wchar_t kLog[] = L"C:\\torvane-standins.log";  // written by standin.exe
// Task Manager's records of the 32-bit Run values, in the 64-bit view.
inline const wchar_t kStartRecords[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run32";

template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = 60s) {
    for (const auto end = std::chrono::steady_clock::now() + timeout; !condition(); Sleep(20)) {
        if (std::chrono::steady_clock::now() > end) return false;
    }
    return true;
}

// A file of the build tree, relative to this driver's folder.
inline std::wstring BuildFile(const std::wstring& relative) {
    wchar_t path[MAX_PATH], full[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    GetFullPathNameW((std::wstring(path) + L"\\..\\" + relative).c_str(), MAX_PATH, full, nullptr);
    return full;
}

inline void InstallStandin(const std::wstring& path) {
    for (auto slash = path.find(L'\\', 3); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1)) {
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
    }
    CopyFileW(BuildFile(L"standin.exe").c_str(), path.c_str(), FALSE);
}

// Where catalogue entry `index` (its first candidate) is looked for under a
// program-files folder such as "C:\Programmi", or at that drive's root.
inline std::wstring EntryPath(int index, const std::wstring& folder = L"C:\\Programmi") {
    const torvane::CatalogueEntry& entry = *torvane::CatalogueEntryAt(static_cast<std::int16_t>(index));
    return torvane::InstallPath(entry, entry.candidates[0], folder.substr(0, 3), folder.substr(3));
}

inline std::wstring InstallEntry(int index, const std::wstring& folder = L"C:\\Programmi") {
    InstallStandin(EntryPath(index, folder));
    return EntryPath(index, folder);
}

struct StandinRun {
    DWORD pid;
    std::wstring path, folder, commandLine;
};

inline std::vector<StandinRun> StandinLog() {
    std::vector<StandinRun> runs;
    std::ifstream log(kLog);
    for (std::string line; std::getline(log, line);) {
        std::wstringstream stream(std::wstring(line.begin(), line.end()));
        std::vector<std::wstring> f;
        for (std::wstring field; std::getline(stream, field, L'|');) f.push_back(field);
        if (f.size() >= 4) runs.push_back({static_cast<DWORD>(std::stoul(f[0])), f[1], f[2], f[3]});
    }
    return runs;
}

// HKEY_LOCAL_MACHINE\SOFTWARE as the panel, a 32-bit program, sees it (this driver may be 64-bit).
inline HKEY Software32() {
    static const HKEY key = [] {
        HKEY software = nullptr;
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &software);
        return software;
    }();
    return key;
}

// A text value under Software32(), or under HKEY_LOCAL_MACHINE in the registry view asked for.
inline std::optional<std::wstring> ReadValue(const wchar_t* subKey, const wchar_t* name, REGSAM view = 0) {
    wchar_t data[2048];
    DWORD size = sizeof(data);
    HKEY key;
    if (RegOpenKeyExW(view ? HKEY_LOCAL_MACHINE : Software32(), subKey, 0, KEY_READ | view, &key)) return {};
    const LSTATUS status = RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, data, &size);
    RegCloseKey(key);
    return status ? std::nullopt : std::optional(std::wstring(data));
}

inline std::wstring Text(HWND hwnd) {
    wchar_t text[1024];
    return std::wstring(text, static_cast<std::size_t>(GetWindowTextW(hwnd, text, 1024)));
}

inline BOOL CALLBACK CheckPainted(HWND child, LPARAM all) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(all) = false;
    return TRUE;
}

// Whether a window and every control in it have painted all they were asked to.
inline bool Painted(HWND window) {
    bool painted = !GetUpdateRect(window, nullptr, FALSE);
    EnumChildWindows(window, CheckPainted, reinterpret_cast<LPARAM>(&painted));
    return painted && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr);
}

// The client area's pixels on the screen, once all is painted, row by row.
inline std::vector<DWORD> Pixels(HWND window) {
    WaitUntil([&] { return Painted(window); });
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const int width = client.right, height = client.bottom;
    std::vector<DWORD> pixels(static_cast<std::size_t>(width * height));
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    const HDC screen = GetDC(nullptr), copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(copy, old);
    GetDIBits(copy, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The screen's DPI for the panels started from now on.
inline void SetScreenDpi(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, 4);
    // Wine 10 gives the screen the DPI its desktop process started with (once
    // there is one); without that value each program takes LogPixels as it starts.
    wchar_t screen[MAX_PATH] = {};
    DWORD size = sizeof(screen);
    RegGetValueW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\VIDEO", L"\\Device\\Video0", RRF_RT_REG_SZ, nullptr, screen,
                 &size);
    RegDeleteKeyValueW(HKEY_CURRENT_CONFIG, screen + std::size(L"\\Registry\\Machine"), L"Dpi");
}

// A program run, killed at the end if still running.
class Process {
public:
    explicit Process(const std::wstring& exe, const std::wstring& arguments = L"") {
        std::wstring line = L"\"" + exe + L"\" " + arguments;
        STARTUPINFOW startup{sizeof(startup)};
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_);
    }
    ~Process() {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool Ended(std::chrono::milliseconds timeout = 60s) const {
        return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const { DWORD code = 0; return GetExitCodeProcess(info_.hProcess, &code), code; }
    // A visible top-level window of this process, of a class, once there.
    HWND TopLevel(const std::wstring& className, std::chrono::milliseconds timeout) const {
        HWND found = nullptr;
        WaitUntil([&] {
            for (found = GetTopWindow(nullptr); found; found = GetWindow(found, GW_HWNDNEXT)) {
                DWORD pid = 0;
                wchar_t name[64];
                GetWindowThreadProcessId(found, &pid);
                GetClassNameW(found, name, 64);
                if (pid == info_.dwProcessId && IsWindowVisible(found) && className == name) return true;
            }
            return false;
        }, timeout);
        return found;
    }

private:
    PROCESS_INFORMATION info_{};
};

// One run of Torvane.exe.
class Panel : public Process {
public:
    explicit Panel(const std::wstring& exe = BuildFile(L"..\\..\\Torvane.exe")) : Process(exe) {}
    HWND Window(std::chrono::milliseconds timeout = 120s) {
        return window_ ? window_ : window_ = TopLevel(L"TorvaneFrmTorvane", timeout);
    }
    HWND Frame() { return FindWindowExW(Window(), nullptr, L"TorvaneFraBase", nullptr); }
    HWND Button(int index) { return GetDlgItem(Frame(), 1000 + index); }
    std::wstring Title() { return Text(Window()); }
    bool TitleBecomes(const std::wstring& end) { return WaitUntil([&] { return Title() == kTitle + end; }); }
    void Click(int index) { PostMessageW(Button(index), BM_CLICK, 0, 0); }
    void Menu(int id) { PostMessageW(Window(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

    // A message box: its window, title and text.
    std::tuple<HWND, std::wstring, std::wstring> Box(std::chrono::milliseconds timeout = 60s) {
        const HWND box = TopLevel(L"#32770", timeout);
        WaitUntil([&] { return !Text(GetDlgItem(box, 0xFFFF)).empty(); }, box ? 5s : 0s);
        return {box, Text(box), Text(GetDlgItem(box, 0xFFFF))};
    }
    // Expects a box with this title and text, and presses one of its buttons.
    void Answer(const std::wstring& title, const std::wstring& text, int button, std::chrono::milliseconds wait = 60s) {
        const auto [box, boxTitle, boxText] = Box(wait);
        ASSERT_TRUE(box) << "no box";
        EXPECT_EQ(boxTitle, title);
        EXPECT_EQ(boxText, text);
        PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        WaitUntil([&] { return !IsWindow(box); });
    }

private:
    HWND window_ = nullptr;
};

// Every test starts with nothing installed, no stand-in running and no settings.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        for (const StandinRun& run : StandinLog()) {
            const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, run.pid);
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
        DeleteFileW(kLog);
        for (const std::wstring drive : {L"C:\\", L"D:\\"}) {
            for (const wchar_t* folder : {L"Programmi", L"Program Files", L"Program Files (x86)", L"Programme"}) {
                for (int index = 0; index < torvane::kEntryCount; ++index) {
                    const std::wstring path = EntryPath(index, drive + folder);
                    DeleteFileW(path.c_str());  // and the folders left empty
                    for (auto s = path.rfind(L'\\'); RemoveDirectoryW(path.substr(0, s).c_str());) {
                        s = path.rfind(L'\\', s - 1);
                    }
                }
            }
        }
        RegDeleteTreeW(Software32(), L"Merovi");
        RegDeleteKeyW(Software32(), L"Merovi");
        RegDeleteKeyValueW(Software32(), kRunKey, L"Torvane");
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kStartRecords, L"Torvane");
    }
};

}  // namespace e2e
