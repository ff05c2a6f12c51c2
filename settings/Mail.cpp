#include "settings/Mail.h"

namespace torvane::settings {

std::wstring MailUrl(const std::wstring& contactAddress, const Version& version) {
    return L"mailto:" + contactAddress + L"?subject=about Torvane " + std::to_wstring(version.major) + L"." +
           std::to_wstring(version.minor) + L"." + std::to_wstring(version.revision) + L"&body=  ";
}

}  // namespace torvane::settings
