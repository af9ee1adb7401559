// The Drive Cleaner's full search of a drive, as "&Start" runs it: the eight
// default junk types, both exclusions, and the window's own throttled
// message pump between entries:
//   drive_search_bench ROOT
// prints "search <hits> <ms>".
#include <chrono>
#include <cstdio>

#include "drive_cleaner/drive_search.h"
#include "drive_cleaner/junk_file_types.h"
#include "platform/win32/win32_platform.h"
#include "ui/window_progress_win.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    tw::Win32Platform platform;
    tw::ui::WindowProgress progress;
    progress.Begin(nullptr);
    tw::DriveSearch search(platform.files, progress);
    const auto start = std::chrono::steady_clock::now();
    search.Run({argv[1]}, {tw::DefaultJunkMasks(), true, true});
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("search %zu %.1f\n", search.FoundCount(), took.count());
    return 0;
}
