#pragma once
// Drives the real Torvane.exe in a Wine prefix: installs stand-in applications
// at the catalogue's paths, sets the registry, starts the panel, reads its
// window and message boxes, and clicks and types as a user would.
#include <windows.h>
#include <sddl.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/Catalogue.h"

namespace e2e {
using namespace std::chrono_literals;

inline const std::wstring kTitle = L"Torvane 0.3.0 - by Quennavo";
inline const wchar_t kSettingsKey[] = L"SOFTWARE\\Merovi\\Torvane";
inline const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const wchar_t kLog[] = L"C:\\torvane-standins.log";  // written by standin.exe

template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = 30s) {
    for (const auto end = std::chrono::steady_clock::now() + timeout; !condition(); Sleep(20)) {
        if (std::chrono::steady_clock::now() > end) return false;
    }
    return true;
}

// A file next to this driver in the build tree, e.g. "..\..\Torvane.exe".
inline std::wstring BuildFile(const std::wstring& relative) {
    wchar_t path[MAX_PATH], full[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring joined = std::wstring(path).substr(0, std::wstring(path).rfind(L'\\') + 1) + relative;
    GetFullPathNameW(joined.c_str(), MAX_PATH, full, nullptr);
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
inline std::wstring EntryPath(int index, const std::wstring& folder) {
    const torvane::CatalogueEntry& entry = *torvane::CatalogueEntryAt(static_cast<std::int16_t>(index));
    return (entry.kind == torvane::SearchKind::DriveRoot ? folder.substr(0, 3) : folder) + entry.candidates[0];
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

// A text value under HKEY_LOCAL_MACHINE, in this program's registry view or in another (KEY_WOW64_64KEY).
inline std::optional<std::wstring> ReadValue(const wchar_t* subKey, const wchar_t* name, REGSAM view = 0) {
    wchar_t data[2048];
    DWORD size = sizeof(data);
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey, 0, KEY_READ | view, &key)) return {};
    const LSTATUS status = RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, data, &size);
    RegCloseKey(key);
    return status ? std::nullopt : std::optional(std::wstring(data));
}

// A key's access for everyone, in SDDL: "D:(D;;0x6;;;WD)(A;;KA;;;WD)" refuses
// writing values and making sub-keys, as Windows does to a standard user.
inline void SetKeyAccess(const wchar_t* subKey, const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr);
    HKEY key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, subKey, 0, nullptr, 0, WRITE_DAC, nullptr, &key, nullptr);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    RegCloseKey(key);
    LocalFree(descriptor);
}

struct Box {
    HWND hwnd;
    std::wstring title, text;
};

inline std::wstring Text(HWND hwnd) {
    wchar_t text[1024];
    return std::wstring(text, static_cast<std::size_t>(GetWindowTextW(hwnd, text, 1024)));
}

// A visible top-level window of a process, of a class.
inline HWND TopLevel(DWORD pid, const std::wstring& className) {
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        DWORD owner = 0;
        wchar_t name[64];
        GetWindowThreadProcessId(hwnd, &owner);
        GetClassNameW(hwnd, name, 64);
        if (owner == pid && IsWindowVisible(hwnd) && className == name) return hwnd;
    }
    return nullptr;
}

// A program started with its folder as working folder, killed at the end if still running.
class Process {
public:
    explicit Process(const std::wstring& exe, const std::wstring& arguments = L"") {
        std::wstring line = L"\"" + exe + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_);
    }
    ~Process() {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool Ended(std::chrono::milliseconds timeout = 30s) const {
        return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
    }
    DWORD Pid() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

// One run of Torvane.exe.
class Panel : public Process {
public:
    explicit Panel(const std::wstring& exe = BuildFile(L"..\\..\\Torvane.exe")) : Process(exe) {}
    HWND Window(std::chrono::milliseconds timeout = 60s) {
        if (!window_) WaitUntil([&] { return (window_ = TopLevel(Pid(), L"TorvaneFrmTorvane")) != nullptr; }, timeout);
        return window_;
    }
    HWND Frame() { return FindWindowExW(Window(), nullptr, L"TorvaneFraBase", nullptr); }
    HWND Button(int index) { return GetDlgItem(Frame(), 1000 + index); }
    std::wstring Title() { return Text(Window()); }
    bool TitleBecomes(const std::wstring& suffix) { return WaitUntil([&] { return Title() == kTitle + suffix; }); }
    void Click(int index) { PostMessageW(Frame(), WM_COMMAND, 1000 + index, LPARAM(Button(index))); }
    void Menu(int id) { PostMessageW(Window(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

    std::optional<Box> WaitForBox(std::chrono::milliseconds timeout = 30s) {
        HWND box = nullptr, text = nullptr;
        if (!WaitUntil([&] { return (box = TopLevel(Pid(), L"#32770")) != nullptr; }, timeout)) return {};
        WaitUntil([&] { return (text = GetDlgItem(box, 0xFFFF)) && !Text(text).empty(); }, 5s);
        return Box{box, Text(box), Text(text)};
    }
    // Expects a box, then presses one of its buttons.
    void Answer(const std::wstring& title, const std::wstring& text, int button) {
        const auto box = WaitForBox();
        ASSERT_TRUE(box) << "no box: " << std::string(text.begin(), text.end());
        EXPECT_EQ(box->title, title);
        EXPECT_EQ(box->text, text);
        PostMessageW(box->hwnd, WM_COMMAND, static_cast<WPARAM>(button), LPARAM(GetDlgItem(box->hwnd, button)));
        WaitUntil([&] { return !IsWindow(box->hwnd); }, 10s);
    }

private:
    HWND window_ = nullptr;
};

}  // namespace e2e
