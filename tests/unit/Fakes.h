#pragma once
// In-memory stand-ins for the platform, recording what the program asks of it.
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/FrmTorvane.h"
#include "settings/RegistryPath.h"

namespace torvane::testing {

struct Box {
    std::wstring prompt;
    std::wstring title;
    BoxStyle style;
};

class FakeWindow : public Window {
public:
    std::wstring title = L" Torvane";
    Size outer{14520, 7500};
    Size screen{19200, 14400};
    double left = -1, top = -1;
    Rect frame{168, 0, 13956, 6480};
    struct Button {
        bool enabled = true;
        bool visible = true;
        Rect rect{};
    };
    std::vector<Button> buttons = std::vector<Button>(24);
    std::map<CheckItem, bool> checks{{CheckItem::Avvio, false}, {CheckItem::Admin, false}};
    std::vector<Box> boxes;
    std::deque<Answer> answers;  // for Yes/No boxes, in order; No when none is left
    std::vector<Pointer> pointers;
    int beeps = 0, pumps = 0, bottomCalls = 0, closeCalls = 0, endCalls = 0;
    std::function<void()> onPump, onClose;

    std::wstring Title() override { return title; }
    void SetTitle(const std::wstring& t) override { title = t; }
    Size OuterSize() override { return outer; }
    void SetOuterWidth(int w) override { outer.width = w; }
    void SetOuterHeight(int h) override { outer.height = h; }
    void SetPosition(double l, double t) override { left = l, top = t; }
    Size ScreenSize() override { return screen; }
    void SendToBottom() override { ++bottomCalls; }
    Size FrameSize() override { return {frame.width, frame.height}; }
    void MoveFrame(const Rect& r) override { frame = r; }
    bool ButtonEnabled(int i) override { return buttons.at(i).enabled; }
    void SetButtonEnabled(int i, bool e) override { buttons.at(i).enabled = e; }
    void SetButtonVisible(int i, bool v) override { buttons.at(i).visible = v; }
    void MoveButton(int i, const Rect& r) override { buttons.at(i).rect = r; }
    bool Checked(CheckItem item) override { return checks[item]; }
    void SetChecked(CheckItem item, bool c) override { checks[item] = c; }
    Answer ShowMessage(const std::wstring& prompt, const std::wstring& t, BoxStyle style) override {
        boxes.push_back({prompt, t, style});
        if (style != BoxStyle::Question) return Answer::Ok;
        if (answers.empty()) return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Beep() override { ++beeps; }
    void SetPointer(Pointer p) override { pointers.push_back(p); }
    void PumpEvents() override {
        ++pumps;
        if (onPump) onPump();
    }
    void Close() override {
        ++closeCalls;
        if (onClose) onClose();
    }
    void EndProgram() override { ++endCalls; }
};

class FakeFileSystem : public FileSystem {
public:
    std::set<std::wstring> files;
    std::map<std::wstring, Failure> failures;
    std::vector<std::wstring> lookups;

    Result<std::wstring> FindFile(const std::wstring& path, std::uint32_t mask) override {
        lookups.push_back(path);
        masks.insert(mask);
        if (auto failure = failures.find(path); failure != failures.end()) return failure->second;
        if (!files.contains(path)) return std::wstring();
        return path.substr(path.rfind(L'\\') + 1);
    }
    std::set<std::uint32_t> masks;
};

class FakeRegistry : public Registry {
public:
    std::map<std::wstring, std::wstring> values;  // by full path
    std::set<std::wstring> keys;                  // sub-keys of HKEY_LOCAL_MACHINE
    std::optional<std::int32_t> keyStatus;        // overrides the probe's answer
    std::set<std::wstring> refusedWrites;         // full paths refused with access denied
    bool refuseAllWrites = false;
    std::map<std::wstring, Failure> readFailures;
    std::vector<std::wstring> log;  // "read PATH", "write PATH=DATA", "probe KEY"

    Result<std::wstring> Read(const std::wstring& path) override {
        log.push_back(L"read " + path);
        if (auto failure = readFailures.find(path); failure != readFailures.end()) return failure->second;
        if (auto value = values.find(path); value != values.end()) return value->second;
        return Failure{codes::kNotFound, L"Impossibile aprire la chiave"};
    }
    Outcome Write(const std::wstring& path, const std::wstring& data) override {
        log.push_back(L"write " + path + L"=" + data);
        if (refuseAllWrites || refusedWrites.contains(path)) return Failure{codes::kAccessDenied, L"Accesso negato."};
        keys.insert(ParseRegistryPath(path)->subKey);
        values[path] = data;
        return std::nullopt;
    }
    std::int32_t OpenKeyStatus(const std::wstring& subKey) override {
        log.push_back(L"probe " + subKey);
        if (keyStatus) return *keyStatus;
        return keys.contains(subKey) ? 0 : 2;
    }
    int Writes() const {
        int n = 0;
        for (const auto& entry : log) n += entry.starts_with(L"write ");
        return n;
    }
};

struct ShellCall {
    bool ownedByWindow;
    std::wstring verb, file;
    std::optional<std::wstring> directory;
};

class FakeShell : public Shell {
public:
    std::vector<ShellCall> calls;
    std::int32_t result = 42;
    std::function<void()> onExecute;

    std::int32_t Execute(bool owned, const std::wstring& verb, const std::wstring& file,
                         const std::optional<std::wstring>& directory) override {
        calls.push_back({owned, verb, file, directory});
        if (onExecute) onExecute();
        return result;
    }
};

class FakeProcesses : public Processes {
public:
    std::vector<ProcessEntry> running;
    std::optional<Failure> listFailure;
    std::set<std::uint32_t> vanished;         // listed, but gone when stopped
    std::map<std::uint32_t, Failure> refused;  // cannot be stopped
    std::vector<std::uint32_t> terminated;
    std::vector<std::uint32_t> sleeps;
    int listings = 0;

    Result<std::vector<ProcessEntry>> List() override {
        ++listings;
        if (listFailure) return *listFailure;
        return running;
    }
    Outcome Terminate(std::uint32_t id) override {
        if (vanished.contains(id)) return Failure{codes::kObjectGone, L"Non trovato"};
        if (auto failure = refused.find(id); failure != refused.end()) return failure->second;
        terminated.push_back(id);
        return std::nullopt;
    }
    void Sleep(std::uint32_t ms) override { sleeps.push_back(ms); }
};

class FakeApplication : public Application {
public:
    bool anotherInstance = false;
    std::vector<TopLevelWindow> windows;
    std::vector<std::uintptr_t> activated;
    std::wstring folder = L"C:\\Programmi\\Torvane";
    std::wstring baseName = L"Torvane";

    bool AnotherInstanceRunning() override { return anotherInstance; }
    std::vector<TopLevelWindow> TopLevelWindows() override { return windows; }
    Outcome Activate(std::uintptr_t handle) override {
        activated.push_back(handle);
        return std::nullopt;
    }
    std::wstring OwnFolder() override { return folder; }
    std::wstring ExeBaseName() override { return baseName; }
};

// A panel with fakes for every platform part, at version 0.3.0.
struct Panel {
    FakeWindow window;
    FakeFileSystem files;
    FakeRegistry registry;
    FakeShell shell;
    FakeProcesses processes;
    FakeApplication application;
    FrmTorvane form{Platform{window, files, registry, shell, processes, application}, Version{0, 3, 0},
                    L"autore@example.com"};

    // Installs the executables of the given catalogue entries under C:\Programmi
    // (VCDS at the root of C:).
    void Install(std::initializer_list<int> entries) {
        for (int index : entries) {
            const CatalogueEntry& entry = Catalogue()[static_cast<std::size_t>(index)];
            files.files.insert(entry.kind == SearchKind::DriveRoot ? std::wstring(L"C:\\") + entry.candidates[0]
                                                                  : std::wstring(L"C:\\Programmi") + entry.candidates[0]);
        }
    }
    // The settings as a previous start leaves them.
    void Configured(const std::wstring& esegui, const std::wstring& run) {
        registry.keys.insert(L"SOFTWARE\\Merovi\\Torvane");
        registry.values[L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\"] = L"";
        registry.values[L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\Esegui"] = esegui;
        registry.values[L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Torvane"] = run;
    }
};

inline const std::wstring kEsegui = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\Esegui";
inline const std::wstring kRun = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Torvane";
inline const std::wstring kTitle = L"Torvane 0.3.0 - by Quennavo";

}  // namespace torvane::testing
