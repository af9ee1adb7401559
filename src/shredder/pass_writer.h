#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/file_system.h"
#include "platform/random.h"
#include "services/run_progress.h"
#include "shredder/wipe_algorithms.h"

namespace tw {

// Writes one pass over a whole file. A pass's pattern lives in a 1024-byte
// block that repeats from offset 0, so a three-byte pattern restarts at every
// 1024-byte boundary of the file. The block is written many times per call,
// for speed; the bytes on disk are the same as block by block.
class PassWriter {
public:
    static constexpr std::size_t kBlockLength = 1024;
    static constexpr std::size_t kBlocksPerWrite = 1024;

    // `written` (optional) is told the length of each write; after each,
    // `progress` lets the window's messages run.
    PassWriter(RandomSource& random, RunProgress& progress, std::function<void(std::uint64_t)> written = {});
    // From offset 0 to the stream's current size, then flushed to the disk,
    // so no pass is left in a cache when the next begins.
    void Overwrite(Stream& file, const WipePass& pass);

private:
    void Prepare(const WipePass& pass, std::uint64_t fileSize);

    RandomSource& random_;
    RunProgress& progress_;
    std::function<void(std::uint64_t)> written_;
    std::vector<std::uint8_t> run_;  // the block, repeated
};

}  // namespace tw
