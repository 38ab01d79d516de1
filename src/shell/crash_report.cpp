#include "shell/crash_report.h"

namespace tarvelo::shell {

UpTime upTimeFrom(uint32_t startTickMs, uint32_t nowTickMs) {
    const uint32_t elapsed = nowTickMs - startTickMs + 1;
    UpTime up;
    up.hours = (elapsed / 60000) / 60;
    up.minutes = (elapsed / 60000) % 60;
    up.seconds = (elapsed / 1000) % 60;
    return up;
}

CrashLogLine crashLogLine(const CrashStamp& w, uint32_t pid, const UpTime& up, uint64_t address) {
    CrashLogLine line;
    line.number(w.year, 4, '0').put('/').number(w.month, 2, '0').put('/').number(w.day, 2, '0');
    line.put(" , ").number(w.hour, 2, '0').put(':').number(w.minute, 2, '0').put(':').number(w.second, 2, '0');
    line.put(" , PID=").number(pid, 5);
    line.put(" , UpTime=").number(up.hours, 2, '0').put(':').number(up.minutes, 2, '0').put(':');
    line.number(up.seconds, 2, '0');
    line.put(" , Addr=0x").hex(address, 8).put("\r\n");
    return line;
}

CrashMessage crashMessage(const CrashThreadStatus& s, uint32_t pid, uint64_t address, const UpTime& up,
                          bool offerRestart) {
    CrashMessage m;
    m.put(L"Terminated due to Fatal ERROR!!\n");
    if (offerRestart) m.put(L"Restart the Application. Are you sure?\n");
    m.put(L"\n");
    m.put(L"Thread Status (PID)   ").number(s.uiBusy).number(s.listingThread).number(s.watchThread).put(L'-');
    m.number(s.operationThread).number(s.reserved1).number(s.reserved2).put(L" (").number(pid).put(L")\n");
    m.put(L"Exception at Address  0x").hex(address, 8).put(L"\n");
    m.put(L"Operating UpTime  ").number(up.hours, 2, '0').put(L':').number(up.minutes, 2, '0').put(L':');
    m.number(up.seconds, 2, '0').put(L"\n");
    return m;
}

}  // namespace tarvelo::shell
