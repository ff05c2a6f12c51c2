#pragma once
#include <string>

#include "platform/Application.h"

namespace torvane::settings {

// A new mail to the author about this version, handed to the shell as it
// stands, blanks included.
std::wstring MailUrl(const std::wstring& contactAddress, const Version& version);

}  // namespace torvane::settings
