#include <windows.h>
#include <gtest/gtest.h>
TEST(Smoke, Runs) { EXPECT_NE(GetCurrentProcessId(), 0u); }
