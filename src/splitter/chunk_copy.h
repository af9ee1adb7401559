#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "services/run_progress.h"

namespace tw {

// An open file and its path, so that every failure names the file it is
// about: "Cannot open file "C:\x\a.doc". Access is denied."
struct NamedStream {
    std::unique_ptr<Stream> stream;
    std::string path;
};

// Sources and pieces are only ever read, so read-only files, read-only media
// and files other programs are reading all work.
NamedStream OpenForReading(FileSystem& files, std::string_view path);
NamedStream CreateForWriting(FileSystem& files, std::string_view path);
// Creates the new file `path`, never truncating one that exists; the stream
// and its failures go by `shownAs`, the name the user knows it by.
NamedStream CreateNewForWriting(FileSystem& files, std::string_view path, std::string_view shownAs);

// Copies stream to stream through one buffer of at most 61440 bytes; between
// chunks `progress` lets the window's messages run.
class ChunkCopier {
public:
    static constexpr std::size_t kChunkLength = 61440;

    explicit ChunkCopier(RunProgress& progress);
    // Copies `length` bytes from the source's current position to the
    // target's. A source that ends early is a failure.
    void Copy(NamedStream& source, NamedStream& target, std::uint64_t length);
    // Copies everything from the source's current position to its end.
    void CopyToEnd(NamedStream& source, NamedStream& target);

private:
    std::size_t ReadChunk(NamedStream& source, std::size_t length);
    void WriteChunk(NamedStream& target, std::size_t length);

    RunProgress& progress_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace tw
