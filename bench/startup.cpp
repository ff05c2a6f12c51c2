// Measures, under Wine, the time from process start to the first visible
// window, for Torvane.exe and for a minimal program, in alternating pairs;
// then the minimal program against itself and the floor program against it.
// Every catalogue application is installed first, as a copy of the stand-in.
// Usage: startup.exe TORVANE_EXE MINIMAL_EXE FLOOR_EXE STANDIN_EXE [PAIRS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

namespace {

// Under C:\Programmi, VCDS at the root of C:.
void InstallCatalogue(const std::wstring& standin) {
    for (const torvane::CatalogueEntry& entry : torvane::Catalogue()) {
        const bool atRoot = entry.kind == torvane::SearchKind::DriveRoot;
        const std::wstring path = std::wstring(atRoot ? L"C:\\" : L"C:\\Programmi") + entry.candidates[0];
        for (auto slash = path.find(L'\\', 3); slash != std::wstring::npos;
             slash = path.find(L'\\', slash + 1)) {
            CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
        }
        CopyFileW(standin.c_str(), path.c_str(), FALSE);
    }
}

struct Search {
    DWORD pid;
    bool found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds until the program shows a window; it is then stopped.
double TimeToWindow(const std::wstring& exe) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    Search search{process.dwProcessId, false};
    while (!search.found && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(1);
    }
    const double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.found ? elapsed : -1;
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const std::size_t below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

struct Pairs {
    std::vector<double> first, second, ratios;
};

// Which program of a pair starts first alternates, so that neither gains from
// its place in the run.
bool RunPairs(const std::wstring& a, const std::wstring& b, int count, Pairs& pairs) {
    for (int i = 0; i < count; ++i) {
        double timeA, timeB;
        if (i % 2 == 0) {
            timeA = TimeToWindow(a);
            timeB = TimeToWindow(b);
        } else {
            timeB = TimeToWindow(b);
            timeA = TimeToWindow(a);
        }
        if (timeA < 0 || timeB < 0) return false;
        pairs.first.push_back(timeA);
        pairs.second.push_back(timeB);
        pairs.ratios.push_back(timeA / timeB);
    }
    return true;
}

void PrintRatios(const char* label, const std::vector<double>& ratios) {
    std::printf("%s %.3f (middle half %.3f to %.3f)\n", label, Quantile(ratios, 0.5), Quantile(ratios, 0.25),
                Quantile(ratios, 0.75));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: startup.exe TORVANE_EXE MINIMAL_EXE FLOOR_EXE STANDIN_EXE [PAIRS]\n");
        return 2;
    }
    const std::wstring torvane = argv[1], minimal = argv[2], floorExe = argv[3];
    InstallCatalogue(argv[4]);
    const int count = argc > 5 ? _wtoi(argv[5]) : 15;
    TimeToWindow(torvane);  // the first start writes the settings; not counted
    TimeToWindow(minimal);
    Pairs panel, yardstick, floorPairs;
    // The minimal program against itself shows how far the ratio wanders by chance alone.
    if (!RunPairs(torvane, minimal, count, panel) || !RunPairs(minimal, minimal, count, yardstick) ||
        !RunPairs(floorExe, minimal, count, floorPairs)) {
        std::fprintf(stderr, "a program did not show its window\n");
        return 1;
    }
    std::printf("pairs: %d\n", count);
    std::printf("Torvane.exe, median ms to window:  %.1f\n", Quantile(panel.first, 0.5));
    std::printf("minimal.exe, median ms to window:  %.1f\n", Quantile(panel.second, 0.5));
    PrintRatios("median of per-pair ratios:        ", panel.ratios);
    PrintRatios("minimal.exe against itself:       ", yardstick.ratios);
    PrintRatios("floor.exe against minimal.exe:    ", floorPairs.ratios);
    return 0;
}
