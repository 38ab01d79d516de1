#include "shell/crash_report.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvelo::shell {
namespace {

TEST(CrashReport, UpTimeFromTicks) {
    struct Case {
        uint32_t start, now;
        unsigned h, m, s;
    };
    const Case cases[] = {
        {1000, 1000 + 3725000 - 1, 1, 2, 5},        // 3725 s after start
        {0, 0, 0, 0, 0},                            // 1 ms
        {0, 59999, 0, 1, 0},                        // +1 ms makes the minute
        {0xFFFFFF00u, 0x00000100u, 0, 0, 0},        // the tick count wrapped
        {0, 100u * 3600000u, 100, 0, 0},            // more than 99 hours
    };
    for (const Case& c : cases) {
        const UpTime up = upTimeFrom(c.start, c.now);
        EXPECT_EQ(up.hours, c.h) << c.now;
        EXPECT_EQ(up.minutes, c.m) << c.now;
        EXPECT_EQ(up.seconds, c.s) << c.now;
    }
}

TEST(CrashReport, LogLineFormat) {
    struct Case {
        uint32_t pid;
        uint64_t address;
        const char* expected;
    };
    const Case cases[] = {
        {4312, 0x0040A1B2, "2026/03/05 , 14:07:09 , PID= 4312 , UpTime=01:02:03 , Addr=0x0040A1B2\r\n"},
        {7, 0, "2026/03/05 , 14:07:09 , PID=    7 , UpTime=01:02:03 , Addr=0x00000000\r\n"},
        {123456, 0x7FF6A1B2C3D4ull, "2026/03/05 , 14:07:09 , PID=123456 , UpTime=01:02:03 , Addr=0x7FF6A1B2C3D4\r\n"},
    };
    for (const Case& c : cases) {
        const CrashLogLine line = crashLogLine({2026, 3, 5, 14, 7, 9}, c.pid, {1, 2, 3}, c.address);
        EXPECT_EQ(std::string(line.c_str()), c.expected);
        EXPECT_EQ(line.size(), std::string(c.expected).size());
    }
}

TEST(CrashReport, MessageWithAndWithoutTheRestartQuestion) {
    const CrashThreadStatus status{1, 0, 1, 1, 0, 0};
    const std::wstring offer = crashMessage(status, 4312, 0x40A1B2, {0, 0, 9}, true).c_str();
    EXPECT_EQ(offer,
              L"Terminated due to Fatal ERROR!!\nRestart the Application. Are you sure?\n\n"
              L"Thread Status (PID)   101-100 (4312)\nException at Address  0x0040A1B2\n"
              L"Operating UpTime  00:00:09\n");
    const std::wstring report = crashMessage(status, 4312, 0x40A1B2, {0, 0, 9}, false).c_str();
    EXPECT_EQ(report.rfind(L"Terminated due to Fatal ERROR!!\n\nThread Status", 0), 0u);
}

TEST(CrashReport, FixedTextNeverOverflows) {
    FixedText<char, 8> t;
    t.put("abcdefghijkl").number(12345);
    EXPECT_EQ(std::string(t.c_str()), "abcdefg");
}

TEST(CrashReport, NoRestartWithinAMinuteOfARestart) {
    EXPECT_TRUE(restartAllowed(false, 10));       // a first crash, however early
    EXPECT_TRUE(restartAllowed(true, 60000));     // a restarted copy that ran a minute
    EXPECT_FALSE(restartAllowed(true, 59999));
    EXPECT_FALSE(restartAllowed(true, 1));
}

}  // namespace
}  // namespace tarvelo::shell
