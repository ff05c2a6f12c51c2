#pragma once
#include "catalogue/Detection.h"
#include "platform/FileSystem.h"

namespace torvane {

// Where the applications are looked for, by the panel at start-up and by
// its elevated copy alike: the drives, with the program-files folders under
// each.
SearchRoots ApplicationRoots();

// Every entry's executable where the search under those roots finds it.
Installed FindApplications(FileSystem& files);

}  // namespace torvane
