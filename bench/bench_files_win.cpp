// Times one file operation of the product on the real file system:
//   bench_files split SOURCE DESTINATION MEGABYTES
//   bench_files join PIECE DESTINATION
//   bench_files pass FILE
// and prints "<operation> <bytes> <seconds>". Only the operation is timed,
// not the program's start.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "services/fixed_answer_prompter.h"
#include "platform/win32/random_win.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/utf_win.h"
#include "shredder/pass_writer.h"
#include "shredder/wipe_algorithms.h"
#include "splitter/file_joiner.h"
#include "splitter/file_splitter.h"
#include "splitter/piece_names.h"
#include "splitter/split_sizes.h"
#include "ui/window_progress_win.h"

namespace {

std::uint64_t SizeOf(tw::FileSystem& files, const std::string& path) {
    const auto found = files.Find(path);
    return found.empty() ? 0 : found.front().size;
}

// Runs the operation and returns the notice it gave; prints the timing.
template <typename F>
int Timed(const char* name, std::uint64_t bytes, F&& operation) {
    const auto start = std::chrono::steady_clock::now();
    const std::string notice = operation();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s %llu %.3f\n", name, static_cast<unsigned long long>(bytes), took.count());
    std::fprintf(stderr, "%s\n", notice.c_str());
    return 0;
}

int Run(const std::vector<std::string>& args) {
    tw::Win32Platform platform;
    auto& files = platform.files;
    // The windows' own progress, so the benchmark pays what a user's run pays.
    tw::ui::WindowProgress progress;
    if (args.size() == 4 && args[0] == "split") {
        return Timed("split", SizeOf(files, args[1]), [&] {
            return tw::SplitFile(files, {args[1], args[2], tw::kCustomSizeChoice, args[3]}, progress);
        });
    }
    if (args.size() == 3 && args[0] == "join") {
        const auto set = tw::FindPieceSet(files, args[1]);
        return Timed("join", set.totalSize, [&] {
            tw::FixedAnswerPrompter keep(false);  // a fresh folder: nothing to replace
            return tw::JoinPieces(files, keep, {args[1], args[2]}, progress).value_or("kept");
        });
    }
    // One pass as the shredder makes it: the file opened as it opens it, the
    // pattern written over it and flushed. The delete that ends a shred is
    // not part of a pass.
    if (args.size() == 2 && args[0] == "pass") {
        tw::Win32Random random;
        return Timed("pass", SizeOf(files, args[1]), [&] {
            const auto file = files.Open(args[1], tw::OpenMode::Overwrite, tw::Share::Exclusive);
            tw::PassWriter(random, progress).Overwrite(*file, tw::WipeAlgorithmNumber(1).passes.front());
            return std::string("overwritten");
        });
    }
    std::fprintf(stderr,
                 "usage: bench_files split SOURCE DESTINATION MEGABYTES | join PIECE DESTINATION | pass FILE\n");
    return 2;
}

}  // namespace

int main() {
    // The wide command line, so paths outside the ANSI code page arrive whole.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(tw::win32::Narrow(argv[i]));
    LocalFree(argv);
    try {
        return Run(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
