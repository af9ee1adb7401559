#pragma once
#include "platform/file_system.h"

namespace tw::test {

// Passes every call to another file system; a test's decorator overrides
// only the calls it watches or changes.
class ForwardingFileSystem : public FileSystem {
public:
    explicit ForwardingFileSystem(FileSystem& inner) : inner_(inner) {}

    bool FileExists(std::string_view path) const override { return inner_.FileExists(path); }
    bool FolderExists(std::string_view path) const override { return inner_.FolderExists(path); }
    bool CreateFolder(std::string_view path) override { return inner_.CreateFolder(path); }
    bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) override {
        return inner_.CopyFile(from, to, failIfExists);
    }
    bool MoveFile(std::string_view from, std::string_view to) override { return inner_.MoveFile(from, to); }
    void ReplaceFile(std::string_view from, std::string_view to) override { inner_.ReplaceFile(from, to); }
    bool DeleteFile(std::string_view path) override { return inner_.DeleteFile(path); }
    bool RemoveFolder(std::string_view path) override { return inner_.RemoveFolder(path); }
    std::optional<std::uint32_t> Attributes(std::string_view path) const override { return inner_.Attributes(path); }
    bool SetAttributes(std::string_view path, std::uint32_t attributes) override {
        return inner_.SetAttributes(path, attributes);
    }
    std::vector<FoundFile> Find(std::string_view pattern) const override { return inner_.Find(pattern); }
    std::vector<FoundFile> ListFolder(std::string_view folder, std::optional<std::uint64_t> knownVolume) const override {
        return inner_.ListFolder(folder, knownVolume);
    }
    std::unique_ptr<Stream> Open(std::string_view path, OpenMode mode, Share share) override {
        return inner_.Open(path, mode, share);
    }
    std::optional<FileIdentity> Identity(std::string_view path) const override { return inner_.Identity(path); }
    std::unique_ptr<FileEntry> OpenEntry(std::string_view path, const std::optional<FileIdentity>& expected,
                                         EntryAccess access) override {
        return inner_.OpenEntry(path, expected, access);
    }
    DriveType GetDriveType(std::string_view rootPath) const override { return inner_.GetDriveType(rootPath); }
    std::vector<std::string> LogicalDrives() const override { return inner_.LogicalDrives(); }
    std::string WindowsFolder() const override { return inner_.WindowsFolder(); }
    std::string ExecutableFolder() const override { return inner_.ExecutableFolder(); }
    bool CreatePrivateFolder(std::string_view path) override { return inner_.CreatePrivateFolder(path); }

protected:
    FileSystem& Inner() const { return inner_; }

private:
    FileSystem& inner_;
};

// Passes every call to another stream.
class ForwardingStream : public Stream {
public:
    explicit ForwardingStream(std::unique_ptr<Stream> inner) : inner_(std::move(inner)) {}

    std::size_t Read(std::span<std::uint8_t> buffer) override { return inner_->Read(buffer); }
    void Write(std::span<const std::uint8_t> bytes) override { inner_->Write(bytes); }
    std::uint64_t Size() const override { return inner_->Size(); }
    void Seek(std::uint64_t position) override { inner_->Seek(position); }
    void Flush() override { inner_->Flush(); }

private:
    std::unique_ptr<Stream> inner_;
};

// Passes every call to another file entry.
class ForwardingEntry : public FileEntry {
public:
    explicit ForwardingEntry(std::unique_ptr<FileEntry> inner) : inner_(std::move(inner)) {}

    std::uint32_t Attributes() const override { return inner_->Attributes(); }
    bool Delete() override { return inner_->Delete(); }
    bool Rename(std::string_view newName) override { return inner_->Rename(newName); }
    Stream& Contents() override { return inner_->Contents(); }

private:
    std::unique_ptr<FileEntry> inner_;
};

// Hands out every entry wrapped in Entry, a ForwardingEntry that changes
// one call: a file system that refuses or fails that call on every file.
template <class Entry>
class WrappingEntries final : public ForwardingFileSystem {
public:
    using ForwardingFileSystem::ForwardingFileSystem;
    std::unique_ptr<FileEntry> OpenEntry(std::string_view path, const std::optional<FileIdentity>& expected,
                                         EntryAccess access) override {
        auto entry = Inner().OpenEntry(path, expected, access);
        return entry ? std::make_unique<Entry>(std::move(entry)) : nullptr;
    }
};

}  // namespace tw::test
