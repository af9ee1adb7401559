#pragma once
#include "platform/file_system.h"

namespace tw {

// The file system through the W APIs. Streams are CreateFileW handles;
// their failures throw tw::Error with the OS's text.
class Win32FileSystem final : public FileSystem {
public:
    bool FileExists(std::string_view path) const override;
    bool FolderExists(std::string_view path) const override;
    bool CreateFolder(std::string_view path) override;
    bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) override;
    bool MoveFile(std::string_view from, std::string_view to) override;
    void ReplaceFile(std::string_view from, std::string_view to) override;
    bool DeleteFile(std::string_view path) override;
    bool RemoveFolder(std::string_view path) override;
    std::optional<std::uint32_t> Attributes(std::string_view path) const override;
    bool SetAttributes(std::string_view path, std::uint32_t attributes) override;
    std::vector<FoundFile> Find(std::string_view pattern) const override;
    std::vector<FoundFile> ListFolder(std::string_view folder, std::optional<std::uint64_t> knownVolume) const override;
    std::unique_ptr<Stream> Open(std::string_view path, OpenMode mode, Share share) override;
    std::optional<FileIdentity> Identity(std::string_view path) const override;
    std::unique_ptr<FileEntry> OpenEntry(std::string_view path, const std::optional<FileIdentity>& expected,
                                         EntryAccess access) override;
    DriveType GetDriveType(std::string_view rootPath) const override;
    std::vector<std::string> LogicalDrives() const override;
    std::string WindowsFolder() const override;
    std::string ExecutableFolder() const override;

    bool CreatePrivateFolder(std::string_view path) override;
};

}  // namespace tw
