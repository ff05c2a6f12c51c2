#include "platform/win32/Errors.h"
#include "platform/win32/Win32Services.h"

namespace torvane::win32 {
namespace {

bool MeansAbsent(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES;
}

// A drive that is missing or not ready (an empty DVD drive as D:), or a name
// the file system rejects: the quiet bad-file-name case.
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
            return true;
        default:
            return false;
    }
}

}  // namespace

Result<std::wstring> Win32FileSystem::FindFile(const std::wstring& path, std::uint32_t attributeMask) {
    // One query of the exact path: far cheaper than a directory search, and
    // most of the places looked at hold nothing.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    // Keep the system quiet about a drive with no medium; the caller reports.
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
    const bool found = GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    const DWORD error = found ? ERROR_SUCCESS : GetLastError();
    SetThreadErrorMode(oldMode, nullptr);

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

}  // namespace torvane::win32
