// Measures, under Wine, the time from process start to the finished first
// paint, for Torvane.exe, the floor program and a minimal one, in pairs whose
// order alternates; the time to the window being shown and the peak working
// set come with each run. Then the time from a click on a button of Torvane.exe
// to the application it starts being created. Every catalogue application is
// installed first, as a copy of the stand-in.
// Usage: startup.exe TORVANE_EXE MINIMAL_EXE FLOOR_EXE STANDIN_EXE [PAIRS]
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

namespace {

// Under C:\Programmi, VCDS at the root of C:.
void InstallCatalogue(const std::wstring& standin) {
    for (const torvane::CatalogueEntry& entry : torvane::Catalogue()) {
        const std::wstring path = torvane::InstallPath(entry, entry.candidates[0], L"C:\\", L"Programmi");
        for (auto slash = path.find(L'\\', 3); slash != std::wstring::npos;
             slash = path.find(L'\\', slash + 1)) {
            CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
        }
        CopyFileW(standin.c_str(), path.c_str(), FALSE);
    }
}

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD pid;
    HWND window;
};

BOOL CALLBACK FindTitled(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd) && GetWindowTextLengthW(hwnd) > 0) {
        search->window = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindUnpainted(HWND child, LPARAM param) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

// The user sees the finished window once its thread is back in the message
// loop and nothing in it waits to be painted.
bool FinishedPainting(HWND window) {
    DWORD_PTR result;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result)) return false;
    bool unpainted = GetUpdateRect(window, nullptr, FALSE);
    if (!unpainted) EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

struct Run {
    double visible = -1, painted = -1, peakMiB = 0;
};

// A started program, stopped when it goes out of scope.
class Started {
public:
    explicit Started(const std::wstring& exe) {
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        start_ = Now();
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_)) {
            process_ = {};
        }
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
    ~Started() {
        if (process_.hProcess == nullptr) return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    // Waits for the finished first paint; the main window, or null.
    HWND WaitForPaint(Run& run) {
        Search search{process_.dwProcessId, nullptr};
        while (process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            if (search.window == nullptr) {
                EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
                if (search.window != nullptr) run.visible = Now() - start_;
            }
            if (search.window != nullptr && FinishedPainting(search.window)) {
                run.painted = Now() - start_;
                PROCESS_MEMORY_COUNTERS memory{};
                memory.cb = sizeof(memory);
                GetProcessMemoryInfo(process_.hProcess, &memory, sizeof(memory));
                run.peakMiB = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
                return search.window;
            }
            Sleep(1);
        }
        return nullptr;
    }

    DWORD Pid() const { return process_.dwProcessId; }

private:
    PROCESS_INFORMATION process_{};
    double start_ = 0;
};

Run Measure(const std::wstring& exe) {
    Run run;
    Started(exe).WaitForPaint(run);
    return run;
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const std::size_t below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

struct Pairs {
    std::vector<Run> first, second;
};

// Which program of a pair starts first alternates, so that neither gains from
// its place in the run. A pair in which a program ended before it finished
// painting is not counted; false when that happens to more than one in ten.
bool RunPairs(const std::wstring& a, const std::wstring& b, int count, Pairs& pairs) {
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        Run runA, runB;
        if (i % 2 == 0) {
            runA = Measure(a);
            runB = Measure(b);
        } else {
            runB = Measure(b);
            runA = Measure(a);
        }
        if (runA.painted < 0 || runB.painted < 0) {
            ++failed;
            continue;
        }
        pairs.first.push_back(runA);
        pairs.second.push_back(runB);
    }
    return failed * 10 <= count;
}

void PrintSpread(const char* label, const std::vector<double>& values) {
    std::printf("  %-34s %8.3f  (middle half %.3f to %.3f)\n", label, Quantile(values, 0.5), Quantile(values, 0.25),
                Quantile(values, 0.75));
}

void Report(const char* names, const Pairs& pairs) {
    std::vector<double> painted[2], visible[2], peak[2], paintedRatio, visibleRatio, peakRatio;
    for (std::size_t i = 0; i < pairs.first.size(); ++i) {
        const Run& a = pairs.first[i];
        const Run& b = pairs.second[i];
        for (int side = 0; side < 2; ++side) {
            const Run& run = side == 0 ? a : b;
            painted[side].push_back(run.painted);
            visible[side].push_back(run.visible);
            peak[side].push_back(run.peakMiB);
        }
        paintedRatio.push_back(a.painted / b.painted);
        visibleRatio.push_back(a.visible / b.visible);
        peakRatio.push_back(a.peakMiB / b.peakMiB);
    }
    std::printf("%s, %zu pairs\n", names, pairs.first.size());
    std::printf("  median ms to painted (visible): first %.1f (%.1f), second %.1f (%.1f)\n",
                Quantile(painted[0], 0.5), Quantile(visible[0], 0.5), Quantile(painted[1], 0.5),
                Quantile(visible[1], 0.5));
    std::printf("  median peak working set MiB: first %.2f, second %.2f\n", Quantile(peak[0], 0.5),
                Quantile(peak[1], 0.5));
    PrintSpread("ratio to the finished paint", paintedRatio);
    PrintSpread("ratio to the window shown", visibleRatio);
    PrintSpread("ratio of peak working sets", peakRatio);
}

// A running child process of `parent`, once there is one.
HANDLE WaitForChild(DWORD parent, double until) {
    while (Now() < until) {
        const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof(entry);
        HANDLE child = nullptr;
        for (BOOL more = Process32FirstW(snapshot, &entry); more && child == nullptr;
             more = Process32NextW(snapshot, &entry)) {
            if (entry.th32ParentProcessID != parent) continue;
            child = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                                entry.th32ProcessID);
            // Process ids come back soon under Wine: skip one that has ended.
            if (child != nullptr && WaitForSingleObject(child, 0) != WAIT_TIMEOUT) {
                CloseHandle(child);
                child = nullptr;
            }
        }
        CloseHandle(snapshot);
        if (child != nullptr) return child;
        Sleep(1);
    }
    return nullptr;
}

// Milliseconds from a click on the first button (ESI[tronic], started
// without stopping anything first) to its application's process being seen,
// which ShellExecuteW creates: an upper bound of the time to the call. The
// pointer comes over the button a moment before, as a user's does.
double ClickToLaunch(const std::wstring& torvane) {
    Started panel(torvane);
    Run run;
    const HWND window = panel.WaitForPaint(run);
    const HWND frame = window != nullptr ? GetWindow(window, GW_CHILD) : nullptr;
    const HWND button = frame != nullptr ? GetDlgItem(frame, 1000) : nullptr;
    if (button == nullptr) return -1;
    PostMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    Sleep(300);
    const double click = Now();
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    const HANDLE child = WaitForChild(panel.Pid(), click + 5000);
    const double launched = Now();
    if (child == nullptr) return -1;
    // Stopping either program while the child is still being set up has
    // brought the Wine server down.
    Sleep(500);
    TerminateProcess(child, 0);
    WaitForSingleObject(child, 10000);
    CloseHandle(child);
    return launched - click;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: startup.exe TORVANE_EXE MINIMAL_EXE FLOOR_EXE STANDIN_EXE [PAIRS]\n");
        return 2;
    }
    const std::wstring torvane = argv[1], minimal = argv[2], floorExe = argv[3];
    InstallCatalogue(argv[4]);
    // The pointer away from where the windows appear, so that start-up alone
    // is measured and not what the pointer over a button sets off.
    INPUT away{};
    away.type = INPUT_MOUSE;
    away.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &away, sizeof(away));
    const int count = argc > 5 ? _wtoi(argv[5]) : 40;
    // The first start writes the settings; not counted.
    Measure(torvane);
    Measure(floorExe);
    Measure(minimal);
    Pairs panelFloor, panelMinimal, floorMinimal, yardstick;
    // The minimal program against itself shows how far a ratio wanders by chance alone.
    if (!RunPairs(torvane, floorExe, count, panelFloor) || !RunPairs(torvane, minimal, count, panelMinimal) ||
        !RunPairs(floorExe, minimal, count, floorMinimal) || !RunPairs(minimal, minimal, count, yardstick)) {
        std::fprintf(stderr, "a program did not finish its first paint\n");
        return 1;
    }
    std::printf("Start-up to the finished first paint (window visible and titled, its thread back in the message\n"
                "loop, nothing in it left to paint); in brackets, to the window shown.\n");
    Report("Torvane.exe / floor.exe", panelFloor);
    Report("Torvane.exe / minimal.exe", panelMinimal);
    Report("floor.exe / minimal.exe", floorMinimal);
    Report("minimal.exe / minimal.exe", yardstick);

    std::vector<double> clicks;
    for (int i = 0; i < std::max(count / 2, 10); ++i) {
        const double ms = ClickToLaunch(torvane);
        if (ms >= 0) clicks.push_back(ms);
    }
    if (clicks.empty()) {
        std::fprintf(stderr, "no click started an application\n");
        return 1;
    }
    std::printf("Click on ESI[tronic] to its process seen, %zu clicks\n", clicks.size());
    PrintSpread("ms", clicks);
    return 0;
}
