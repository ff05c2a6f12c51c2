#pragma once
// The Win32 implementations of the program's platform interfaces.
#include <windows.h>

#include <memory>

#include "platform/Application.h"
#include "platform/Elevation.h"
#include "platform/FileSystem.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Window.h"
#include "platform/win32/Handles.h"

namespace torvane::win32 {

class Win32FileSystem : public FileSystem {
public:
    struct Asker;

    // The thread that asks the drives is started here: it takes a while to
    // start, which setting up the menu, the screen and the settings covers.
    Win32FileSystem();
    ~Win32FileSystem() override;
    Win32FileSystem(const Win32FileSystem&) = delete;
    Win32FileSystem& operator=(const Win32FileSystem&) = delete;
    DriveReply Search(const std::wstring& root, const DriveSearch& search, const Patience& patience) override;
    std::wstring SystemDrive() override;

private:
    static std::shared_ptr<Asker> StartAsker();
    void LetGo();

    std::shared_ptr<Asker> asker_;  // null while no thread could be made, and after a drive was given up
};

class Win32Registry : public Registry {
public:
    Result<std::wstring> Read(const std::wstring& fullPath) override;
    Outcome Write(const std::wstring& fullPath, const std::wstring& data) override;
    std::int32_t OpenKeyStatus(const std::wstring& subKey) override;
    Result<std::vector<std::uint8_t>> ReadSystemRecord(const std::wstring& fullPath) override;
    Outcome WriteSystemRecord(const std::wstring& fullPath, const std::vector<std::uint8_t>& data) override;
    bool Is32BitViewOf64BitWindows() override;
};

// The full path of this program's executable.
std::wstring OwnModulePath();

// The apartment entered and shell32 loaded, ahead of a launch: left to the
// click, loading shell32 took most of the time from the click to ShellExecuteW.
void PrepareShell();

class Win32Shell : public Shell {
public:
    explicit Win32Shell(const HWND& owner) : owner_(owner) {}
    std::int32_t Execute(bool ownedByWindow, const std::wstring& verb, const std::wstring& file,
                         const std::optional<std::wstring>& directory) override;

private:
    const HWND& owner_;
};

class Win32Processes : public Processes {
public:
    Result<std::vector<ProcessEntry>> List() override;
    std::uint32_t OwnSession() override;
    Termination Terminate(std::uint32_t id, const std::wstring& imageName) override;
    void Sleep(std::uint32_t milliseconds) override;
};

class Win32Application : public Application {
public:
    bool AnotherInstanceRunning() override;
    void ReleaseInstance() override { instanceMutex_.reset(); }
    std::vector<TopLevelWindow> TopLevelWindows() override;
    Outcome Activate(std::uintptr_t handle) override;
    std::wstring OwnFolder() override;
    std::wstring ExeBaseName() override;

private:
    UniqueHandle instanceMutex_;  // held for the life of the process
};

// The elevated copy is started owned by the main window, which is disabled
// while it runs, as under a modal box, and keeps painting.
class Win32Elevation : public Elevation {
public:
    Win32Elevation(const HWND& owner, Window& window) : owner_(owner), window_(window) {}
    Result<std::uint32_t> RunElevated(const std::wstring& arguments) override;
    std::wstring DescribeExitCode(std::uint32_t code) override;

private:
    const HWND& owner_;
    Window& window_;
};

}  // namespace torvane::win32
