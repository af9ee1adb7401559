// Times the Registry Cleaner's full scan of the machine's registry:
//   registry_scan_bench [ROUNDS] [--list]
// prints "scan <milliseconds>" for each round and the findings of each
// category; with --list also every finding. Only the scan is timed, not the
// program's start.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/win32_platform.h"
#include "registry_cleaner/registry_scan.h"
#include "registry_cleaner/scan_categories.h"

int main(int argc, char** argv) {
    int rounds = 1;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--list")
            list = true;
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }
    tw::Win32Platform machine;
    tw::FindingLists findings;
    tw::NoProgress quiet;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        // No window to keep responsive: the scan's message points do nothing.
        tw::RunScan(machine.Bundle(), findings, quiet);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        std::printf("scan %.1f\n", took.count());
    }
    for (std::size_t category = 0; category < tw::kCategoryCount; ++category) {
        const auto& found = findings.List(category);
        std::printf("%zu %s\n", found.size(), std::string(tw::kCategoryTexts[category].caption).c_str());
        if (!list) continue;
        for (const tw::Finding& f : found) std::printf("    %s  [%s - %s]\n", f.Entry.c_str(), f.Root.c_str(), f.Key.c_str());
    }
    return 0;
}
