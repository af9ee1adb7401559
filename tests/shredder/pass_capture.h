#pragma once
#include <string>
#include <vector>

#include "platform/memory/memory_platform.h"
#include "support/forwarding_file_system.h"

namespace tw::test {

// Records, at every Flush, the whole content of the flushed file: one entry
// per pass that reached the disk. Also records the entries opened and counts
// written bytes.
class PassCapture final : public ForwardingFileSystem {
public:
    explicit PassCapture(MemoryFileSystem& memory) : ForwardingFileSystem(memory) {}

    std::unique_ptr<FileEntry> OpenEntry(std::string_view path, const std::optional<FileIdentity>& expected,
                                         EntryAccess access) override {
        auto entry = Inner().OpenEntry(path, expected, access);
        openedPaths.emplace_back(path);
        return entry ? std::make_unique<Watched>(std::move(entry), *this) : nullptr;
    }

    std::vector<std::vector<std::uint8_t>> flushed;
    std::vector<std::string> openedPaths;
    std::uint64_t bytesWritten = 0;

private:
    // An entry whose stream reports its writes and, at each flush, reads the
    // whole file back through itself.
    class Watched final : public FileEntry, private Stream {
    public:
        Watched(std::unique_ptr<FileEntry> inner, PassCapture& owner) : inner_(std::move(inner)), owner_(owner) {}
        std::uint32_t Attributes() const override { return inner_->Attributes(); }
        bool Delete() override { return inner_->Delete(); }
        bool Rename(std::string_view newName) override { return inner_->Rename(newName); }
        Stream& Contents() override { return *this; }

    private:
        Stream& Inner() const { return inner_->Contents(); }
        std::size_t Read(std::span<std::uint8_t> buffer) override { return Inner().Read(buffer); }
        void Write(std::span<const std::uint8_t> bytes) override {
            Inner().Write(bytes);
            owner_.bytesWritten += bytes.size();
        }
        std::uint64_t Size() const override { return Inner().Size(); }
        void Seek(std::uint64_t position) override { Inner().Seek(position); }
        void Flush() override {
            Inner().Flush();
            std::vector<std::uint8_t> whole(static_cast<std::size_t>(Inner().Size()));
            Inner().Seek(0);
            whole.resize(Inner().Read(whole));
            owner_.flushed.push_back(std::move(whole));
        }

        std::unique_ptr<FileEntry> inner_;
        PassCapture& owner_;
    };
};

}  // namespace tw::test
