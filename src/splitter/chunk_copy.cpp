#include "splitter/chunk_copy.h"

#include <algorithm>
#include <span>

#include "platform/error.h"

namespace tw {
namespace {

[[noreturn]] void Fail(std::string_view what, std::string_view path, const std::exception& cause) {
    throw Error(std::string(what) + " \"" + std::string(path) + "\". " + cause.what());
}

}  // namespace

NamedStream OpenForReading(FileSystem& files, std::string_view path) {
    try {
        return {files.Open(path, OpenMode::Read, Share::Read), std::string(path)};
    } catch (const Error& e) {
        Fail("Cannot open file", path, e);
    }
}

NamedStream CreateForWriting(FileSystem& files, std::string_view path) {
    try {
        return {files.Open(path, OpenMode::Create, Share::Exclusive), std::string(path)};
    } catch (const Error& e) {
        Fail("Cannot create file", path, e);
    }
}

NamedStream CreateNewForWriting(FileSystem& files, std::string_view path, std::string_view shownAs) {
    try {
        return {files.Open(path, OpenMode::CreateNew, Share::Exclusive), std::string(shownAs)};
    } catch (const Error& e) {
        Fail("Cannot create file", shownAs, e);
    }
}

ChunkCopier::ChunkCopier(RunProgress& progress) : progress_(progress), buffer_(kChunkLength) {}

std::size_t ChunkCopier::ReadChunk(NamedStream& source, std::size_t length) {
    try {
        return source.stream->Read(std::span(buffer_.data(), length));
    } catch (const Error& e) {
        Fail("Cannot read file", source.path, e);
    }
}

void ChunkCopier::WriteChunk(NamedStream& target, std::size_t length) {
    try {
        target.stream->Write(std::span<const std::uint8_t>(buffer_.data(), length));
    } catch (const Error& e) {
        Fail("Cannot write file", target.path, e);
    }
}

void ChunkCopier::Copy(NamedStream& source, NamedStream& target, std::uint64_t length) {
    while (length > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(length, kChunkLength));
        const std::size_t got = ReadChunk(source, want);
        if (got == 0) throw Error("Cannot read file \"" + source.path + "\". The file ended before its expected size.");
        WriteChunk(target, got);
        length -= got;
        progress_.LetMessagesRun();
    }
}

void ChunkCopier::CopyToEnd(NamedStream& source, NamedStream& target) {
    while (const std::size_t got = ReadChunk(source, kChunkLength)) {
        WriteChunk(target, got);
        progress_.LetMessagesRun();
    }
}

}  // namespace tw
