#pragma once
// The Win32 implementations of the program's platform interfaces.
#include <windows.h>

#include "platform/Application.h"
#include "platform/FileSystem.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/win32/Handles.h"

namespace torvane::win32 {

class Win32FileSystem : public FileSystem {
public:
    DriveAnswer LookUp(const std::wstring& root, const std::vector<std::wstring>& paths, std::uint32_t attributeMask,
                       std::chrono::milliseconds bound) override;
};

class Win32Registry : public Registry {
public:
    Result<std::wstring> Read(const std::wstring& fullPath) override;
    Outcome Write(const std::wstring& fullPath, const std::wstring& data) override;
    std::int32_t OpenKeyStatus(const std::wstring& subKey) override;
};

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
    void Terminate(std::uint32_t id, const std::wstring& imageName) override;
    void Sleep(std::uint32_t milliseconds) override;
};

class Win32Application : public Application {
public:
    bool AnotherInstanceRunning() override;
    std::vector<TopLevelWindow> TopLevelWindows() override;
    Outcome Activate(std::uintptr_t handle) override;
    std::wstring OwnFolder() override;
    std::wstring ExeBaseName() override;

private:
    std::wstring ModulePath();
    UniqueHandle instanceMutex_;  // held for the life of the process
};

}  // namespace torvane::win32
