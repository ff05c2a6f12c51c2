#include <gtest/gtest.h>

#include "platform/RegistryPath.h"

namespace torvane::testing {
namespace {

TEST(RegistryPath, SplitsRootKeyAndValueAndTreatsATrailingBackslashAsTheDefault) {
    EXPECT_EQ(ParseRegistryPath(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\Esegui"),
              (RegistryPath{RegistryRoot::LocalMachine, L"SOFTWARE\\Merovi\\Torvane", L"Esegui"}));
    EXPECT_EQ(ParseRegistryPath(L"hkcu\\X\\"), (RegistryPath{RegistryRoot::CurrentUser, L"X", L""}));
    EXPECT_EQ(ParseRegistryPath(L"HKEY_NOWHERE\\A\\B"), std::nullopt);
}

}  // namespace
}  // namespace torvane::testing
