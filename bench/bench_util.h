#pragma once
// Shared pieces of the benchmark harness: figure groups register themselves,
// bench_main runs the ones asked for and prints one "name value" per line.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tarvelo::bench {

using Report = std::function<void(const char* name, double value)>;
using FigureGroup = void (*)(const Report& report);

struct RegisteredGroup {
    std::string name;
    FigureGroup run;
};

inline std::vector<RegisteredGroup>& registeredGroups() {
    static std::vector<RegisteredGroup> groups;
    return groups;
}

// At namespace scope in a bench source:
//   static tarvelo::bench::GroupRegistration paint("paint", runPaintBench);
// A group whose name ends in "-only" runs only when named on the command
// line (figures that need a process of their own, like peak memory).
struct GroupRegistration {
    GroupRegistration(const char* name, FigureGroup run) { registeredGroups().push_back({name, run}); }
};

// "--key=value" arguments of the run.
inline std::map<std::string, std::string>& benchOptions() {
    static std::map<std::string, std::string> options;
    return options;
}

inline std::string option(const std::string& key, const std::string& fallback = {}) {
    auto it = benchOptions().find(key);
    return it == benchOptions().end() ? fallback : it->second;
}

inline std::wstring widen(const std::string& text) {
    if (text.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

inline double nowMs() {
    static const double frequency = [] {
        LARGE_INTEGER f{};
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t{};
    ::QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / frequency;
}

inline double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The process's peak working set so far, in MiB.
inline double peakWorkingSetMb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters))) return -1;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// The process's working set now, in MiB.
inline double workingSetMb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters))) return -1;
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

// The process's private committed bytes now, in MiB: the system's count
// where it keeps one, else the committed private regions summed (Wine 8
// reports no private usage).
inline double privateBytesMb() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                               sizeof(counters)) &&
        counters.PrivateUsage > 0) {
        return static_cast<double>(counters.PrivateUsage) / (1024.0 * 1024.0);
    }
    size_t committed = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (const char* at = nullptr; ::VirtualQuery(at, &info, sizeof(info)) == sizeof(info);
         at = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) committed += info.RegionSize;
        if (info.RegionSize == 0) break;
    }
    return static_cast<double>(committed) / (1024.0 * 1024.0);
}

}  // namespace tarvelo::bench
