#pragma once
#include <string>
#include <vector>

#include "platform/memory/memory_platform.h"
#include "support/forwarding_file_system.h"

namespace tw::test {

// Records, at every Flush, the whole content of the flushed file: one entry
// per pass that reached the disk. Also counts opens and written bytes.
class PassCapture final : public ForwardingFileSystem {
public:
    explicit PassCapture(MemoryFileSystem& memory) : ForwardingFileSystem(memory), memory_(memory) {}

    std::unique_ptr<Stream> Open(std::string_view path, OpenMode mode, Share share) override {
        auto stream = Inner().Open(path, mode, share);
        openedPaths.emplace_back(path);
        return std::make_unique<Watched>(std::move(stream), *this, std::string(path));
    }

    std::vector<std::vector<std::uint8_t>> flushed;
    std::vector<std::string> openedPaths;
    std::uint64_t bytesWritten = 0;

private:
    class Watched final : public ForwardingStream {
    public:
        Watched(std::unique_ptr<Stream> inner, PassCapture& owner, std::string path)
            : ForwardingStream(std::move(inner)), owner_(owner), path_(std::move(path)) {}
        void Write(std::span<const std::uint8_t> bytes) override {
            ForwardingStream::Write(bytes);
            owner_.bytesWritten += bytes.size();
        }
        void Flush() override {
            ForwardingStream::Flush();
            owner_.flushed.push_back(owner_.memory_.Content(path_));
        }

    private:
        PassCapture& owner_;
        std::string path_;
    };

    MemoryFileSystem& memory_;
};

}  // namespace tw::test
