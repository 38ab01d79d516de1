// tarvelo_bench [group ...] [--key=value ...]
// Runs the named figure groups (all registered ones when none is named) and
// prints each figure as "name value" on its own line.
#include <cstdio>
#include <algorithm>
#include <string>
#include <vector>

#include "bench_util.h"

int main(int argc, char** argv) {
    using namespace tarvelo::bench;
    std::vector<std::string> wanted;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0) {
            const size_t eq = arg.find('=');
            benchOptions()[arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2)] =
                eq == std::string::npos ? "1" : arg.substr(eq + 1);
        } else {
            wanted.push_back(arg);
        }
    }
    if (benchOptions().count("list-groups")) {
        for (const RegisteredGroup& group : registeredGroups()) {
            if (!group.name.ends_with("-only")) std::printf("%s\n", group.name.c_str());
        }
        return 0;
    }
    const Report print = [](const char* name, double value) {
        std::printf("%s %.2f\n", name, value);
        std::fflush(stdout);
    };
    int ran = 0;
    for (const RegisteredGroup& group : registeredGroups()) {
        const bool onlyWhenNamed = group.name.size() > 5 && group.name.ends_with("-only");
        const bool asked = wanted.empty() ? !onlyWhenNamed
                                          : std::find(wanted.begin(), wanted.end(), group.name) != wanted.end();
        if (!asked) continue;
        group.run(print);
        ++ran;
    }
    if (ran == 0) {
        std::fprintf(stderr, "no such figure group; registered:");
        for (const RegisteredGroup& group : registeredGroups()) std::fprintf(stderr, " %s", group.name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    return 0;
}
