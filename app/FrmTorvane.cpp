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

// Sets a flag that holds button clicks off (a launch, an option change), and
// tells the window whether the panel takes them now.
void FrmTorvane::SetBusy(bool& flag, bool value) {
    flag = value;
    window_.SetTakesClicks(!Occupato && !changingOption_);
}

}  // namespace torvane
