// Times the History Cleaner's fill against the plainest walk of the same
// cache, in turns within one run:
//   history_fill_bench seed COUNT   writes COUNT entries, a third of each kind
//   history_fill_bench [ROUNDS]     prints "bare <ms>" and "fill <ms>" per round
// The fill is what "Start" runs, its message pump included; the bare walk
// only reads each entry into a buffer.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "services/fixed_answer_prompter.h"
#include "history_cleaner/history_cleaner.h"
#include "platform/win32/url_cache_writer_win.h"
#include "platform/win32/win32_platform.h"
// After the platform's headers: windows.h renames their methods otherwise.
#include "platform/win32/handles_win.h"
#include "ui/window_progress_win.h"

namespace {

int Seed(int count) {
    namespace T = tw::CacheEntryType;
    int refused = 0;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        tw::NewCacheEntry entry;
        switch (i % 3) {
            case 0: entry = {"Visited: bench@http://bench.tidewell.test/page/" + n, T::Normal | T::UrlHistory, {}}; break;
            case 1: entry = {"Cookie:bench@bench.tidewell.test/" + n + "/", T::Normal | T::Cookie, {}}; break;
            default: entry = {"http://bench.tidewell.test/file/" + n + ".png", T::Normal, {}}; break;
        }
        entry.hits = static_cast<std::uint32_t>(i % 50);
        if (!tw::WriteCacheEntry(entry)) ++refused;
    }
    std::printf("seeded %d, refused %d\n", count - refused, refused);
    return refused == 0 ? 0 : 1;
}

std::size_t BareWalk() {
    std::vector<std::uint64_t> buffer(4096 / sizeof(std::uint64_t));
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    DWORD length = 4096;
    HANDLE find = FindFirstUrlCacheEntryW(nullptr, info, &length);
    if (!find) return 0;
    std::size_t count = 1;
    for (length = 4096; FindNextUrlCacheEntryW(find, info, &length); length = 4096) ++count;
    FindCloseUrlCache(find);
    return count;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "seed") return Seed(std::atoi(argv[2]));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    tw::Win32Platform machine;
    tw::FixedAnswerPrompter prompter(false);
    tw::ui::WindowProgress progress;
    tw::HistoryCleaner cleaner(machine.Bundle(), prompter, progress, {});
    std::vector<double> bare, fill;
    std::size_t walked = 0;
    for (int round = 0; round < rounds; ++round) {
        auto start = std::chrono::steady_clock::now();
        walked = BareWalk();
        bare.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        start = std::chrono::steady_clock::now();
        cleaner.Start();
        fill.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        std::printf("bare %.1f\nfill %.1f\n", bare.back(), fill.back());
    }
    std::size_t listed = 0;
    for (std::size_t group = 0; group < tw::kGroupCount; ++group) listed += cleaner.Groups().List(group).size();
    std::printf("entries %zu listed %zu\nmedian bare %.1f fill %.1f ratio %.2f\n", walked, listed, Median(bare),
                Median(fill), Median(fill) / Median(bare));
    return 0;
}
