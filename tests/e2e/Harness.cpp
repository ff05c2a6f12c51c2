#include "Harness.h"

#include "catalogue/Catalogue.h"

#include <aclapi.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace e2e {
namespace {

std::vector<std::wstring>& Installed() {
    static std::vector<std::wstring> installed;
    return installed;
}

void CreateFolders(const std::wstring& path) {
    for (auto slash = path.find(L'\\', 3); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1)) {
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
    }
}

std::wstring WindowClass(HWND hwnd) {
    wchar_t name[64];
    return std::wstring(name, static_cast<std::size_t>(GetClassNameW(hwnd, name, 64)));
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[1024];
    return std::wstring(text, static_cast<std::size_t>(GetWindowTextW(hwnd, text, 1024)));
}

struct Search {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd) && WindowClass(hwnd) == search->className) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND TopLevelOf(DWORD pid, const wchar_t* className) {
    Search search{pid, className, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindBoxText(HWND hwnd, LPARAM param) {
    if (WindowClass(hwnd) == L"Static" && (GetWindowLongW(hwnd, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
        const std::wstring text = WindowText(hwnd);
        if (!text.empty()) *reinterpret_cast<std::wstring*>(param) = text;
    }
    return TRUE;
}

std::map<std::wstring, std::vector<BYTE>>& SavedSecurity() {
    static std::map<std::wstring, std::vector<BYTE>> saved;
    return saved;
}

}  // namespace

std::wstring Env(const wchar_t* name) {
    wchar_t value[1024];
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return std::wstring(value, length);
}

const std::vector<std::wstring>& InstalledFiles() { return Installed(); }

std::wstring StandinPath() { return Env(L"TORVANE_STANDIN"); }

void InstallStandin(const std::wstring& path) {
    CreateFolders(path);
    CopyFileW(StandinPath().c_str(), path.c_str(), FALSE);
    Installed().push_back(path);
}

std::wstring InstallEntry(int index, const std::wstring& root) {
    const std::wstring path = root + torvane::Catalogue()[static_cast<std::size_t>(index)].candidates[0];
    InstallStandin(path);
    return path;
}

// Removes the files and then every folder left empty above them. A stand-in
// that was still starting holds its file: stop it and try again.
void RemoveInstalled() {
    WaitUntil([] {
        StopLoggedStandins();
        bool removed = true;
        for (const std::wstring& path : Installed()) {
            removed = (DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
                       GetLastError() == ERROR_PATH_NOT_FOUND) &&
                      removed;
        }
        return removed;
    }, 5s);
    for (const std::wstring& path : Installed()) {
        for (auto slash = path.rfind(L'\\'); slash > 3 && slash != std::wstring::npos;
             slash = path.rfind(L'\\', slash - 1)) {
            if (!RemoveDirectoryW(path.substr(0, slash).c_str())) break;
        }
    }
    // A file that could not be removed stays on the list for the next try.
    std::erase_if(Installed(), [](const std::wstring& path) {
        return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    });
}

namespace {

// Every run the log holds; the log is only ever appended to.
std::vector<StandinRun> AllRuns() {
    std::vector<StandinRun> runs;
    std::ifstream log("C:\\torvane-standins.log");
    std::string line;
    while (std::getline(log, line)) {
        std::vector<std::wstring> fields;
        std::wstringstream stream(std::wstring(line.begin(), line.end()));
        for (std::wstring field; std::getline(stream, field, L'|');) fields.push_back(field);
        if (fields.size() >= 4) {
            runs.push_back({static_cast<DWORD>(std::stoul(fields[0])), fields[1], fields[2], fields[3]});
        }
    }
    return runs;
}

// How many runs of the log earlier tests have dealt with.
std::size_t& Handled() {
    static std::size_t handled = 0;
    return handled;
}

}  // namespace

std::vector<StandinRun> StandinLog() {
    std::vector<StandinRun> runs = AllRuns();
    runs.erase(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(std::min(Handled(), runs.size())));
    return runs;
}

// Stops each logged stand-in by its id, once it is sure the id is still that
// stand-in's and not reused by another process.
void StopLoggedStandins() {
    const std::vector<StandinRun> runs = AllRuns();
    for (std::size_t i = Handled(); i < runs.size(); ++i) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE,
                                     runs[i].pid);
        if (process == nullptr) continue;
        wchar_t image[MAX_PATH];
        DWORD size = MAX_PATH;
        if (QueryFullProcessImageNameW(process, 0, image, &size) && _wcsicmp(image, runs[i].path.c_str()) == 0) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
    }
    Handled() = runs.size();
}

void ResetSettings() {
    for (auto& [subKey, security] : SavedSecurity()) {
        HKEY key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
            RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security.data());
            RegCloseKey(key);
        }
    }
    SavedSecurity().clear();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Merovi");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Merovi");
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey.c_str(), L"Torvane");
}

std::optional<std::wstring> ReadValue(const std::wstring& subKey, const std::wstring& name) {
    wchar_t data[2048];
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, subKey.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ,
                     nullptr, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

void WriteValue(const std::wstring& subKey, const std::wstring& name, const std::wstring& data) {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, subKey.c_str(), name.c_str(), REG_SZ, data.c_str(),
                    static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

void DenyWrites(const std::wstring& subKey) {
    HKEY key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0, READ_CONTROL | WRITE_DAC, nullptr, &key,
                    nullptr);
    DWORD size = 0;
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    std::vector<BYTE> original(size);
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, original.data(), &size);
    SavedSecurity().emplace(subKey, original);

    PACL oldAcl = nullptr;
    BOOL present = FALSE, defaulted = FALSE;
    GetSecurityDescriptorDacl(original.data(), &present, &oldAcl, &defaulted);
    EXPLICIT_ACCESSW deny{};
    deny.grfAccessPermissions = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
    deny.grfAccessMode = DENY_ACCESS;
    deny.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    deny.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    deny.Trustee.ptstrName = const_cast<wchar_t*>(L"EVERYONE");
    PACL newAcl = nullptr;
    SetEntriesInAclW(1, &deny, oldAcl, &newAcl);
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, newAcl, FALSE);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    LocalFree(newAcl);
    RegCloseKey(key);
}

int Px(double twips) {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

Panel::Panel(const std::wstring& exe) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_);
}

Panel::~Panel() {
    if (!Exited(0ms)) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND Panel::Window(std::chrono::milliseconds timeout) {
    if (window_ == nullptr) {
        WaitUntil([&] { return (window_ = TopLevelOf(Pid(), L"TorvaneFrmTorvane")) != nullptr; }, timeout);
    }
    return window_;
}

bool Panel::Exited(std::chrono::milliseconds timeout) {
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::wstring Panel::Title() { return WindowText(Window()); }

RECT Panel::WindowRect() {
    RECT rect{};
    GetWindowRect(Window(), &rect);
    return rect;
}

HWND Panel::Frame() { return FindWindowExW(Window(), nullptr, L"TorvaneFraBase", nullptr); }

RECT Panel::FrameRect() {
    RECT rect{};
    GetWindowRect(Frame(), &rect);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<ButtonInfo> Panel::Buttons() {
    std::vector<ButtonInfo> buttons;
    const HWND frame = Frame();
    for (int i = 0; i < 24; ++i) {
        const HWND button = GetDlgItem(frame, 1000 + i);
        RECT rect{};
        GetWindowRect(button, &rect);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&rect), 2);
        buttons.push_back({i, (GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE) != 0, rect, WindowText(button)});
    }
    return buttons;
}

void Panel::Click(int index) {
    const HWND frame = Frame();
    PostMessageW(frame, WM_COMMAND, MAKEWPARAM(1000 + index, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(frame, 1000 + index)));
}

void Panel::Menu(int id) { PostMessageW(Window(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

void Panel::DoubleClickBackground() { PostMessageW(Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3)); }

void Panel::DoubleClickFrame() { PostMessageW(Frame(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3)); }

void Panel::Close() { PostMessageW(Window(), WM_CLOSE, 0, 0); }

std::optional<Box> Panel::WaitForBox(std::chrono::milliseconds timeout) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = TopLevelOf(Pid(), L"#32770")) != nullptr; }, timeout)) return std::nullopt;
    std::wstring text;
    // The text is set as the box opens; give it a moment to be there.
    WaitUntil([&] {
        EnumChildWindows(box, FindBoxText, reinterpret_cast<LPARAM>(&text));
        return !text.empty();
    }, 2s);
    return Box{box, WindowText(box), text};
}

void Panel::Answer(const Box& box, int buttonId) {
    PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box.hwnd, buttonId)));
    WaitUntil([&] { return !IsWindow(box.hwnd); }, 5s);
}

}  // namespace e2e
