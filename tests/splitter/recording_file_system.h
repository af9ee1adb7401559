#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "support/forwarding_file_system.h"

namespace tw::test {

// Records how files are opened and how large each read and write is.
class RecordingFileSystem final : public ForwardingFileSystem {
public:
    struct Opened {
        std::string path;
        OpenMode mode;
        Share share;
    };
    using ForwardingFileSystem::ForwardingFileSystem;

    std::unique_ptr<Stream> Open(std::string_view path, OpenMode mode, Share share) override {
        auto stream = Inner().Open(path, mode, share);
        opened.push_back({std::string(path), mode, share});
        return std::make_unique<Watched>(std::move(stream), *this);
    }

    std::vector<Opened> opened;
    std::size_t longestRead = 0;
    std::size_t longestWrite = 0;

private:
    class Watched final : public ForwardingStream {
    public:
        Watched(std::unique_ptr<Stream> inner, RecordingFileSystem& owner)
            : ForwardingStream(std::move(inner)), owner_(owner) {}
        std::size_t Read(std::span<std::uint8_t> buffer) override {
            owner_.longestRead = std::max(owner_.longestRead, buffer.size());
            return ForwardingStream::Read(buffer);
        }
        void Write(std::span<const std::uint8_t> bytes) override {
            owner_.longestWrite = std::max(owner_.longestWrite, bytes.size());
            ForwardingStream::Write(bytes);
        }

    private:
        RecordingFileSystem& owner_;
    };
};

}  // namespace tw::test
