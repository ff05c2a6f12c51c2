// Measures, under Wine, the time from process start to the first visible
// window, for Torvane.exe and for a minimal program, in alternating pairs.
// Every catalogue application is installed first, as a copy of the stand-in.
// Usage: startup.exe TORVANE_EXE MINIMAL_EXE STANDIN_EXE [PAIRS]
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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup.exe TORVANE_EXE MINIMAL_EXE STANDIN_EXE [PAIRS]\n");
        return 2;
    }
    InstallCatalogue(argv[3]);
    const int pairs = argc > 4 ? _wtoi(argv[4]) : 15;
    TimeToWindow(argv[1]);  // the first start writes the settings; not counted
    TimeToWindow(argv[2]);
    std::vector<double> panel, minimal, ratios;
    for (int i = 0; i < pairs; ++i) {
        const double p = TimeToWindow(argv[1]);
        const double m = TimeToWindow(argv[2]);
        if (p < 0 || m < 0) {
            std::fprintf(stderr, "a program did not show its window\n");
            return 1;
        }
        panel.push_back(p);
        minimal.push_back(m);
        ratios.push_back(p / m);
    }
    std::printf("pairs: %d\n", pairs);
    std::printf("Torvane.exe, median ms to window:  %.1f\n", Median(panel));
    std::printf("minimal.exe, median ms to window:  %.1f\n", Median(minimal));
    std::printf("median of per-pair ratios:         %.3f\n", Median(ratios));
    return 0;
}
