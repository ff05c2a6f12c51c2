#include "app/Installations.h"

namespace torvane {

SearchRoots ApplicationRoots() {
    return {{L"C:\\", L"D:\\"}, {L"Programmi", L"Program Files", L"Program Files (x86)", L"Programme"}};
}

Installed FindApplications(FileSystem& files) { return FindInstalled(files, ApplicationRoots()); }

}  // namespace torvane
