#include "shredder/pass_writer.h"

#include <algorithm>
#include <span>

namespace tw {

PassWriter::PassWriter(RandomSource& random, RunProgress& progress, std::function<void(std::uint64_t)> written)
    : random_(random), progress_(progress), written_(std::move(written)) {}

void PassWriter::Prepare(const WipePass& pass, std::uint64_t fileSize) {
    // Only as long as the file needs, so small files cost little memory.
    const std::uint64_t blocks =
        std::clamp<std::uint64_t>((fileSize + kBlockLength - 1) / kBlockLength, 1, kBlocksPerWrite);
    run_.resize(static_cast<std::size_t>(blocks) * kBlockLength);
    const std::span block(run_.data(), kBlockLength);
    if (pass.random) {
        random_.Fill(block);
    } else {
        for (std::size_t i = 0; i < kBlockLength; ++i) block[i] = pass.pattern[i % pass.patternLength];
    }
    for (std::size_t at = kBlockLength; at < run_.size(); at += kBlockLength)
        std::copy_n(run_.begin(), kBlockLength, run_.begin() + static_cast<std::ptrdiff_t>(at));
}

void PassWriter::Overwrite(Stream& file, const WipePass& pass) {
    file.Seek(0);
    const std::uint64_t size = file.Size();
    Prepare(pass, size);
    for (std::uint64_t done = 0; done < size;) {
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(size - done, run_.size()));
        file.Write(std::span<const std::uint8_t>(run_.data(), length));
        done += length;
        if (written_) written_(length);
        progress_.LetMessagesRun();
    }
    file.Flush();
}

}  // namespace tw
