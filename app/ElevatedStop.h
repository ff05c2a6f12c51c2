#pragma once
#include <cstdint>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/Processes.h"
#include "platform/Shell.h"

namespace torvane {

// The elevated copy that stops stale processes for the panel, and with
// "/avvia" starts the application after: does what its command line asks and
// returns its exit code, 0 when "/ferma" stopped them all, the shell's result
// code for "/avvia", or one of the copy's failure codes.
std::uint32_t RunElevatedStop(std::wstring_view arguments, Processes& processes, FileSystem& files, Shell& shell);

}  // namespace torvane
