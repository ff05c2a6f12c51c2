#include "platform/win32/Errors.h"

#include <memory>

namespace torvane::win32 {

std::wstring SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, decltype(&LocalFree)> owned(buffer, &LocalFree);
    std::wstring text = length ? std::wstring(buffer, length) : L"Errore di sistema " + std::to_wstring(error);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text;
}

Failure Win32Failure(DWORD error) {
    return {static_cast<std::int32_t>(HRESULT_FROM_WIN32(error)), SystemMessage(error)};
}

}  // namespace torvane::win32
