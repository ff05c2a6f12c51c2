#include <gtest/gtest.h>
#include <windows.h>

// Positions are read in real pixels, as the panel lays them out.
int wmain(int argc, wchar_t** argv) {
    SetProcessDPIAware();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
