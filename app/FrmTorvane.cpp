#include "app/FrmTorvane.h"

#include <utility>

namespace torvane {

std::wstring StartupTitle(const Version& version) {
    return L"Torvane " + std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) + L"." +
           std::to_wstring(version.revision) + L" - by Quennavo";
}

FrmTorvane::FrmTorvane(const Platform& platform, const Version& version, std::wstring contactAddress)
    : platform_(platform),
      window_(platform.window),
      dialogs_(platform.dialogs),
      version_(version),
      contactAddress_(std::move(contactAddress)) {}

}  // namespace torvane
