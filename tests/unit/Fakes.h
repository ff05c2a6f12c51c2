#pragma once
// In-memory stand-ins for the platform, recording what the program asks of it.
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <set>

#include "app/FrmTorvane.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace torvane::testing {

inline const std::wstring kTitle = L"Torvane 0.3.0 - by Quennavo";
inline const std::wstring kEsegui = settings::kEsegui;
inline const std::wstring kRun = settings::kRunValue;
// The menu commands that carry the options' check marks.
inline constexpr int kAvvioItem = settings::kAutoStart.menuId;
inline constexpr int kAdminItem = settings::kRunAsAdministrator.menuId;

struct Box {
    std::wstring prompt, title;
    BoxStyle style;
};

struct FakeDialogs : Dialogs {
    std::vector<Box> boxes;
    std::deque<Answer> answers;  // for Yes/No boxes, in order; No when none is left
    int beeps = 0;
    Answer ShowMessage(const std::wstring& prompt, const std::wstring& title, BoxStyle style) override {
        boxes.push_back({prompt, title, style});
        if (style != BoxStyle::Question) return Answer::Ok;
        const Answer answer = answers.empty() ? Answer::No : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    void Beep() override { ++beeps; }
    std::vector<std::wstring> Prompts() const {
        std::vector<std::wstring> prompts;
        for (const Box& box : boxes) prompts.push_back(box.prompt);
        return prompts;
    }
};

struct FakeWindow : Window {
    std::wstring title = L" Torvane";
    Size outer{14520, 7500}, screen{19200, 14400};
    double left = -1, top = -1;
    Rect frame{168, 0, 13956, 6480};
    std::vector<bool> enabled = std::vector<bool>(24, true), visible = std::vector<bool>(24, true);
    std::vector<Rect> buttons = std::vector<Rect>(24);
    std::map<int, bool> checks;  // by menu command
    bool takesClicks = true;
    std::vector<Pointer> pointers;
    int pumps = 0, bottomCalls = 0, closeCalls = 0, endCalls = 0;
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
    bool ButtonEnabled(int i) override { return enabled.at(i); }
    void SetButtonEnabled(int i, bool e) override { enabled.at(i) = e; }
    void SetButtonVisible(int i, bool v) override { visible.at(i) = v; }
    void MoveButton(int i, const Rect& r) override { buttons.at(i) = r; }
    bool Checked(int commandId) override { return checks[commandId]; }
    void SetChecked(int commandId, bool c) override { checks[commandId] = c; }
    void SetTakesClicks(bool takes) override { takesClicks = takes; }
    void SetPointer(Pointer p) override { pointers.push_back(p); }
    void PumpEvents() override { ++pumps, onPump ? onPump() : void(); }
    void Close() override { ++closeCalls, onClose ? onClose() : void(); }
    void EndProgram() override { ++endCalls; }
};

// A drive answers its questions (the root, then each path) at its pace, on a
// clock that the panel reads every 100 ms.
struct Pace {
    std::chrono::milliseconds first{0}, each{0};  // to the first answer, then between answers
    std::uint64_t stopsAfter = UINT64_MAX;        // answers before it hangs
};

struct FakeFileSystem : FileSystem, DriveQuestions {
    std::set<std::wstring> files;
    std::map<std::wstring, Failure> failures;  // of files and folders
    std::set<std::wstring> absentDrives;
    std::map<std::wstring, Pace> paces;
    std::vector<std::wstring> probes, lookups;  // every question; a folder's ends in a backslash
    std::set<std::uint32_t> masks;
    std::map<std::wstring, std::chrono::milliseconds> givenUp;  // by drive: after how long

    DriveReply Search(const std::wstring& root, const DriveSearch& search, const Patience& patience) override {
        probes.push_back(root);
        if (absentDrives.contains(root)) return DriveReply::Absent;
        const std::size_t before = lookups.size();
        search(*this);
        // Then as if the drive had answered at its pace: the root, then each question.
        const Pace pace = paces[root];
        const std::uint64_t questions = lookups.size() - before + 1;
        for (std::chrono::milliseconds t{0};; t += std::chrono::milliseconds(100)) {
            std::uint64_t answered = pace.each.count() ? 1 + (t - pace.first) / pace.each : questions;
            answered = t < pace.first ? 0 : std::min({answered, questions, pace.stopsAfter});
            if (answered == questions) return DriveReply::Answered;
            if (!patience(answered, t)) return givenUp[root] = t, DriveReply::Stalled;
        }
    }
    Result<bool> Folder(const std::wstring& path) override {
        lookups.push_back(path + L"\\");
        if (auto failure = failures.find(path); failure != failures.end()) return failure->second;
        // There when a file, or a path that fails, lies under it.
        const auto under = [&](const std::wstring& file) { return file.starts_with(path + L"\\"); };
        return std::any_of(files.begin(), files.end(), under) ||
               std::any_of(failures.begin(), failures.end(), [&](auto& failure) { return under(failure.first); });
    }
    Result<std::wstring> File(const std::wstring& path, std::uint32_t mask) override {
        lookups.push_back(path), masks.insert(mask);
        if (auto failure = failures.find(path); failure != failures.end()) return failure->second;
        return files.contains(path) ? path.substr(path.rfind(L'\\') + 1) : std::wstring();
    }
    std::wstring SystemDrive() override { return L"C:\\"; }
};

struct FakeRegistry : Registry {
    std::map<std::wstring, std::wstring> values;  // by full path
    std::int32_t keyStatus = 2;                   // what the probe of the settings key answers
    std::optional<Failure> writeFailure;          // every write fails so
    std::map<std::wstring, Failure> readFailures;
    std::map<std::wstring, std::vector<std::uint8_t>> records;  // Windows' own, by full path
    bool windows64 = true;                                      // and this program 32-bit
    std::vector<std::wstring> log;  // "read PATH", "write PATH=DATA", "probe KEY"

    Result<std::wstring> Read(const std::wstring& path) override {
        log.push_back(L"read " + path);
        if (auto failure = readFailures.find(path); failure != readFailures.end()) return failure->second;
        if (auto value = values.find(path); value != values.end()) return value->second;
        return Failure{codes::kNotFound, L"Impossibile aprire la chiave"};
    }
    Outcome Write(const std::wstring& path, const std::wstring& data) override {
        log.push_back(L"write " + path + L"=" + data);
        if (writeFailure) return writeFailure;
        values[path] = data;
        return std::nullopt;
    }
    std::int32_t OpenKeyStatus(const std::wstring& subKey) override {
        return log.push_back(L"probe " + subKey), keyStatus;
    }
    Result<std::vector<std::uint8_t>> ReadSystemRecord(const std::wstring& path) override {
        return records.contains(path) ? Result(records[path]) : Failure{codes::kNotFound, L"Non trovato."};
    }
    Outcome WriteSystemRecord(const std::wstring& p, const std::vector<std::uint8_t>& d) override {
        return records[p] = d, std::nullopt;
    }
    bool Is32BitViewOf64BitWindows() override { return windows64; }
    int Writes() const {
        return static_cast<int>(std::count_if(log.begin(), log.end(), [](auto& e) { return e.starts_with(L"write"); }));
    }
};

struct ShellCall {
    bool ownedByWindow;
    std::wstring verb, file;
    std::optional<std::wstring> directory;
};

struct FakeShell : Shell {
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

struct FakeProcesses : Processes {
    std::vector<ProcessEntry> running;
    std::optional<Failure> listFailure;
    std::set<std::uint32_t> refused;  // lacking the rights
    std::vector<std::uint32_t> terminated, sleeps;
    std::vector<std::wstring> names;  // asked to stop, as listed
    Result<std::vector<ProcessEntry>> List() override {
        if (listFailure) return *listFailure;
        return running;
    }
    std::uint32_t OwnSession() override { return 1; }
    Termination Terminate(std::uint32_t id, const std::wstring& name) override {
        names.push_back(name);
        if (refused.contains(id)) return Termination::Refused;
        return terminated.push_back(id), Termination::Stopped;
    }
    void Sleep(std::uint32_t ms) override { sleeps.push_back(ms); }
};

struct FakeApplication : Application {
    bool anotherInstance = false;
    std::vector<TopLevelWindow> windows;
    std::vector<std::uintptr_t> activated;
    int releases = 0;
    bool AnotherInstanceRunning() override { return anotherInstance; }
    void ReleaseInstance() override { ++releases; }
    std::vector<TopLevelWindow> TopLevelWindows() override { return windows; }
    Outcome Activate(std::uintptr_t handle) override { return activated.push_back(handle), std::nullopt; }
    std::wstring OwnFolder() override { return L"C:\\Program Files\\Torvane"; }
    std::wstring ExeBaseName() override { return L"Torvane"; }
};

// The elevated copy: its exit code, or the failure to start it; `onRun` stands for what happens while it runs.
struct FakeElevation : Elevation {
    Result<std::uint32_t> result = 0u;
    std::function<void()> onRun;
    std::vector<std::wstring> runs;  // the arguments of each
    Result<std::uint32_t> RunElevated(const std::wstring& arguments) override {
        return runs.push_back(arguments), result.ok() && onRun ? onRun() : void(), result;
    }
    std::wstring DescribeExitCode(std::uint32_t code) override { return L"Testo di " + std::to_wstring(code) + L"."; }
};

// A panel with fakes for every platform part, at version 0.3.0.
struct Panel {
    FakeWindow window;
    FakeDialogs dialogs;
    FakeFileSystem files;
    FakeRegistry registry;
    FakeShell shell;
    FakeProcesses processes;
    FakeApplication application;
    FakeElevation elevation;
    FrmTorvane form{Platform{window, dialogs, files, registry, shell, processes, application, elevation},
                    Version{0, 3, 0}, L"autore@example.com"};

    // Installs the given catalogue entries on C: under Programmi.
    void Install(std::initializer_list<int> entries) {
        for (int index : entries) {
            const CatalogueEntry& entry = Catalogue()[static_cast<std::size_t>(index)];
            files.files.insert(InstallPath(entry, entry.candidates[0], L"C:\\", L"Programmi"));
        }
    }
    // Starts with the settings that a previous start left.
    void Start(std::initializer_list<int> entries, const std::wstring& esegui = L"NoAdminDefault",
               const std::wstring& run = L"") {
        Install(entries);
        registry.keyStatus = 0;
        registry.values = {{kEsegui, esegui}, {kRun, run}};
        form.Form_Load();
    }
};

}  // namespace torvane::testing
