#include <atomic>
#include <cwctype>
#include <memory>

#include "platform/win32/Errors.h"
#include "platform/win32/Win32Services.h"

namespace torvane::win32 {
namespace {

bool MeansAbsent(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES;
}

// A drive that is missing, not ready or unreachable (an empty DVD drive, a
// disconnected network drive, a device that has gone), or a name the file
// system rejects: the quiet bad-file-name case.
bool MeansBadName(DWORD error) {
    switch (error) {
        case ERROR_INVALID_DRIVE:
        case ERROR_NOT_READY:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_UNRECOGNIZED_VOLUME:
        case ERROR_DIRECTORY:
        case ERROR_ACCESS_DENIED:
        case ERROR_GEN_FAILURE:
        case ERROR_CANT_RESOLVE_FILENAME:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_NETNAME_DELETED:
        case ERROR_UNEXP_NET_ERR:
        case ERROR_NETWORK_BUSY:
        case ERROR_NO_MEDIA_IN_DRIVE:
        case ERROR_MEDIA_CHANGED:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_CONNECTION_UNAVAIL:
        case ERROR_NETWORK_UNREACHABLE:
        case ERROR_HOST_UNREACHABLE:
        case ERROR_SEM_TIMEOUT:
        case ERROR_NO_NET_OR_BAD_PATH:
        case ERROR_NOT_CONNECTED:
            return true;
        default:
            return false;
    }
}

// The attributes of a path, with the system kept quiet about a drive with
// no medium: the caller decides what to say.
bool Attributes(const std::wstring& path, WIN32_FILE_ATTRIBUTE_DATA& data, DWORD& error) {
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
    const bool found = GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    error = found ? ERROR_SUCCESS : GetLastError();
    SetThreadErrorMode(oldMode, nullptr);
    return found;
}

Result<std::wstring> FindFile(const std::wstring& path, std::uint32_t attributeMask) {
    // One query of the exact path: far cheaper than a directory search, and
    // most of the places looked at hold nothing.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    DWORD error = ERROR_SUCCESS;
    const bool found = Attributes(path, data, error);
    if (!found) {
        if (MeansAbsent(error)) return std::wstring();
        if (MeansBadName(error)) return Failure{codes::kBadFileName, SystemMessage(error)};
        return Win32Failure(error);
    }
    // Ordinary files always count, hidden and system ones when the mask asks
    // for them, directories and volume labels never.
    constexpr DWORD kNeverFiles = FILE_ATTRIBUTE_DIRECTORY | 8;
    constexpr DWORD kSpecial = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kNeverFiles;
    if (data.dwFileAttributes & kSpecial & ~(attributeMask & ~kNeverFiles)) return std::wstring();
    return path.substr(path.rfind(L'\\') + 1);
}

// The questions of a search, counted as the file system answers them.
class CountedQuestions : public DriveQuestions {
public:
    std::atomic<std::uint64_t> answered{0};

    Result<bool> Folder(const std::wstring& path) override {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        DWORD error = ERROR_SUCCESS;
        const bool found = Attributes(path, data, error);
        ++answered;
        // A junction (C:\Programmi on Italian Windows) is a folder whose
        // listing is refused: its attributes say what it is.
        if (found) return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (MeansAbsent(error)) return false;
        if (MeansBadName(error)) return Failure{codes::kBadFileName, SystemMessage(error)};
        return Win32Failure(error);
    }
    Result<std::wstring> File(const std::wstring& path, std::uint32_t attributeMask) override {
        Result<std::wstring> found = FindFile(path, attributeMask);
        ++answered;
        return found;
    }
};

// What a drive is asked, and how far it has got: shared between the asking
// thread and the one that asks the drive, which may outlive the wait.
struct DriveQuestion {
    std::wstring root;
    DriveSearch search;
    CountedQuestions questions;
    DriveReply reply = DriveReply::Absent;
};

DWORD WINAPI AskDrive(void* parameter) {
    const std::unique_ptr<std::shared_ptr<DriveQuestion>> held(static_cast<std::shared_ptr<DriveQuestion>*>(parameter));
    DriveQuestion& question = **held;
    const Result<bool> root = question.questions.Folder(question.root);
    if (!root.ok() || !root.value()) return 0;
    question.search(question.questions);
    question.reply = DriveReply::Answered;
    return 0;
}

}  // namespace

// A drive that hangs (a network drive whose server has gone, a disk that
// does not spin up) holds only the thread that asks it. Once the patience is
// spent that thread is left to itself, never terminated: it may be inside the
// file system, and ending the process ends it too.
DriveReply Win32FileSystem::Search(const std::wstring& root, const DriveSearch& search, const Patience& patience) {
    auto question = std::make_shared<DriveQuestion>();
    question->root = root;
    question->search = search;
    auto* forThread = new std::shared_ptr<DriveQuestion>(question);
    constexpr SIZE_T kStack = 64 * 1024;
    const UniqueHandle thread(
        CreateThread(nullptr, kStack, AskDrive, forThread, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
    if (!thread) {
        AskDrive(forThread);  // no thread to spare: ask here, as the system allows
        return question->reply;
    }
    constexpr DWORD kLookAgain = 100;  // milliseconds between looks at the drive's progress
    const ULONGLONG started = GetTickCount64();
    while (WaitForSingleObject(thread.get(), kLookAgain) != WAIT_OBJECT_0) {
        const std::chrono::milliseconds waited(GetTickCount64() - started);
        if (!patience(question->questions.answered.load(), waited)) return DriveReply::Stalled;
    }
    return question->reply;
}

std::wstring Win32FileSystem::SystemDrive() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    if (length < 3 || length >= MAX_PATH || folder[1] != L':') return L"C:\\";
    return {static_cast<wchar_t>(towupper(folder[0])), L':', L'\\'};
}

}  // namespace torvane::win32
