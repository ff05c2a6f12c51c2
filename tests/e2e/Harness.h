#pragma once
// Drives the real Torvane.exe in a Wine prefix: installs stand-in
// applications, sets the registry, starts the panel, reads its window and
// message boxes, and clicks as a user would.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

inline const std::wstring kTitle = L"Torvane 0.3.0 - by Quennavo";
inline const std::wstring kSettingsKey = L"SOFTWARE\\Merovi\\Torvane";
inline const std::wstring kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The value of an environment variable, "" when unset.
std::wstring Env(const wchar_t* name);

// Files of the prefix.
void InstallStandin(const std::wstring& path);
// Installs catalogue entry `index` (its first candidate) under a program-files
// folder such as "C:\Programmi", or at a drive root for VCDS ("C:\").
std::wstring InstallEntry(int index, const std::wstring& root = L"C:\\Programmi");
void RemoveInstalled();
// The stand-ins installed and not yet removed.
const std::vector<std::wstring>& InstalledFiles();
std::wstring StandinPath();

struct StandinRun {
    DWORD pid;
    std::wstring path, folder, commandLine;
};
std::vector<StandinRun> StandinLog();
// Stops the stand-ins the panel started (by the ids they logged) and
// forgets the log.
void StopLoggedStandins();

// HKEY_LOCAL_MACHINE in the panel's own view.
void ResetSettings();
std::optional<std::wstring> ReadValue(const std::wstring& subKey, const std::wstring& name);
void WriteValue(const std::wstring& subKey, const std::wstring& name, const std::wstring& data);
// Denies everyone the right to write values or create sub-keys in a key,
// as Windows does for a standard user under HKEY_LOCAL_MACHINE.
void DenyWrites(const std::wstring& subKey);

// Polls until the condition holds or the time is up.
template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = 10s) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        Sleep(20);
    }
    return true;
}

struct Box {
    HWND hwnd;
    std::wstring title, text;
};

struct ButtonInfo {
    int index;
    bool visible;
    RECT rect;  // pixels, relative to the frame's client area
    std::wstring caption;
};

// One run of Torvane.exe, killed at the end of the test if still running.
class Panel {
public:
    // Starts the panel built by the tests, or the executable given.
    explicit Panel(const std::wstring& exe = Env(L"TORVANE_EXE"));
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    DWORD Pid() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }
    // The main window, once shown.
    HWND Window(std::chrono::milliseconds timeout = 15s);
    bool Exited(std::chrono::milliseconds timeout = 10s);

    std::wstring Title();
    RECT WindowRect();  // screen pixels
    RECT FrameRect();   // pixels, relative to the window's client area
    std::vector<ButtonInfo> Buttons();

    void Click(int index);
    void Menu(int id);
    void DoubleClickBackground();
    void DoubleClickFrame();
    void Close();

    std::optional<Box> WaitForBox(std::chrono::milliseconds timeout = 10s);
    void Answer(const Box& box, int buttonId);

private:
    HWND Frame();
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// Pixels for twips at the screen's DPI.
int Px(double twips);

}  // namespace e2e
