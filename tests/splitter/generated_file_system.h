#pragma once
#include <cstring>
#include <map>
#include <optional>

#include "platform/text.h"
#include "support/forwarding_file_system.h"
#include "splitter/piece_names.h"

namespace tw::test {

// Bytes that depend on their offset, produced on demand: the 8-byte word at
// offset 8k is (k + 1) times an odd constant. Any byte that lands at the
// wrong offset, or twice, or not at all, shows.
inline void FillGenerated(std::uint64_t offset, std::span<std::uint8_t> out) {
    constexpr std::uint64_t kStep = 0x9E3779B97F4A7C15ULL;
    std::size_t at = 0;
    std::uint64_t word = (offset / 8 + 1) * kStep;
    for (; at < out.size() && (offset + at) % 8 != 0; ++at)
        out[at] = static_cast<std::uint8_t>(word >> (8 * ((offset + at) % 8)));
    if ((offset + at) % 8 == 0 && at > 0) word += kStep;
    for (; at + 8 <= out.size(); at += 8, word += kStep) std::memcpy(out.data() + at, &word, 8);
    for (std::size_t shift = 0; at < out.size(); ++at, ++shift)
        out[at] = static_cast<std::uint8_t>(word >> (8 * shift));
}

// A file system over another that holds one huge generated source without
// storing it, and keeps of every created file only its size and whether its
// bytes are the source's bytes at the offset where they belong: offset
// index × piece size for a piece of the source, 0 for any other file.
// Reading a created file back serves those source bytes again, so a join of
// verified pieces can be verified in turn.
class GeneratedFileSystem final : public ForwardingFileSystem {
public:
    struct Written {
        std::uint64_t origin = 0;
        std::uint64_t size = 0;
        std::optional<std::uint64_t> firstWrongByte;
    };

    GeneratedFileSystem(FileSystem& inner, std::string sourcePath, std::uint64_t sourceSize, std::uint64_t pieceSize)
        : ForwardingFileSystem(inner),
          sourcePath_(std::move(sourcePath)),
          sourceSize_(sourceSize),
          pieceSize_(pieceSize) {}

    const Written* Created(std::string_view path) const {
        const auto it = written_.find(ToUpperAscii(path));
        return it == written_.end() ? nullptr : &it->second;
    }
    std::size_t CreatedCount() const { return written_.size(); }

    bool FileExists(std::string_view path) const override {
        return IsSource(path) || Created(path) || Inner().FileExists(path);
    }
    std::vector<FoundFile> Find(std::string_view pattern) const override {
        if (const Written* w = Created(pattern)) return {{FileNamePart(pattern), FileAttr::Archive, w->size}};
        return Inner().Find(pattern);
    }
    std::unique_ptr<Stream> Open(std::string_view path, OpenMode mode, Share share) override {
        if (mode == OpenMode::Create || mode == OpenMode::CreateNew) {
            Written& w = written_[ToUpperAscii(path)] = {OriginOf(path), 0, std::nullopt};
            return std::make_unique<Sink>(w);
        }
        if (IsSource(path)) return std::make_unique<Source>(0, sourceSize_);
        if (const Written* w = Created(path)) return std::make_unique<Source>(w->origin, w->size);
        return Inner().Open(path, mode, share);
    }
    void ReplaceFile(std::string_view from, std::string_view to) override {
        auto moved = written_.extract(ToUpperAscii(from));
        if (moved.empty()) return Inner().ReplaceFile(from, to);
        written_[ToUpperAscii(to)] = moved.mapped();
    }
    bool MoveFile(std::string_view from, std::string_view to) override {
        if (!Created(from)) return Inner().MoveFile(from, to);
        if (FileExists(to)) return false;
        ReplaceFile(from, to);
        return true;
    }

private:
    class Source final : public Stream {
    public:
        Source(std::uint64_t origin, std::uint64_t size) : origin_(origin), size_(size) {}
        std::size_t Read(std::span<std::uint8_t> buffer) override {
            const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size_ - position_));
            FillGenerated(origin_ + position_, buffer.first(count));
            position_ += count;
            return count;
        }
        void Write(std::span<const std::uint8_t>) override { throw std::logic_error("source written"); }
        std::uint64_t Size() const override { return size_; }
        void Seek(std::uint64_t position) override { position_ = position; }
        void Flush() override {}

    private:
        std::uint64_t origin_, size_, position_ = 0;
    };

    class Sink final : public Stream {
    public:
        explicit Sink(Written& written) : written_(written) {}
        std::size_t Read(std::span<std::uint8_t>) override { return 0; }
        void Write(std::span<const std::uint8_t> bytes) override {
            expected_.resize(bytes.size());
            FillGenerated(written_.origin + written_.size, expected_);
            if (!written_.firstWrongByte && std::memcmp(expected_.data(), bytes.data(), bytes.size()) != 0)
                written_.firstWrongByte = written_.size;
            written_.size += bytes.size();
        }
        std::uint64_t Size() const override { return written_.size; }
        void Seek(std::uint64_t) override { throw std::logic_error("seek on a sink"); }
        void Flush() override {}

    private:
        Written& written_;
        std::vector<std::uint8_t> expected_;
    };

    bool IsSource(std::string_view path) const { return ToUpperAscii(path) == ToUpperAscii(sourcePath_); }
    std::uint64_t OriginOf(std::string_view path) const {
        const std::string name = FileNamePart(path), prefix = FileNamePart(sourcePath_) + ".";
        if (!name.starts_with(prefix) || name.size() < prefix.size() + 5) return 0;
        std::uint64_t index = 0;
        for (const char c : name.substr(prefix.size())) {
            if (c < '0' || c > '9') return 0;
            index = index * 10 + static_cast<std::uint64_t>(c - '0');
        }
        return index * pieceSize_;
    }

    std::string sourcePath_;
    std::uint64_t sourceSize_, pieceSize_;
    std::map<std::string, Written> written_;  // key: upper-case path
};

}  // namespace tw::test
