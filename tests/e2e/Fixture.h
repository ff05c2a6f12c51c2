#pragma once
#include <gtest/gtest.h>

#include "Harness.h"

namespace e2e {

// Every test starts on a machine with nothing installed and no settings.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clean();
        ASSERT_TRUE(InstalledFiles().empty()) << "left over: " << InstalledFiles()[0].c_str();
    }
    void TearDown() override { Clean(); }
    static void Clean() {
        StopLoggedStandins();
        RemoveInstalled();
        ResetSettings();
    }
};

}  // namespace e2e
