#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace tw {

// A file system in memory with drive letters, Windows' case-insensitive
// names, and faults to inject. Open streams see the same bytes, so a
// shredder pass can be captured after every write.
class MemoryFileSystem final : public FileSystem {
public:
    MemoryFileSystem();
    ~MemoryFileSystem() override;

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

    // Set-up. Paths of AddFile/AddFolder get their missing parent folders;
    // a drive is created on first use as a fixed drive.
    void AddFile(std::string_view path, std::vector<std::uint8_t> bytes, std::uint32_t attributes = FileAttr::Archive);
    void AddFile(std::string_view path, std::string_view text);
    void AddFolder(std::string_view path, std::uint32_t attributes = FileAttr::Directory);
    // A symbolic link to an existing file, or a junction to an existing
    // folder, that lives at `path`.
    void AddLink(std::string_view path, std::string_view target);
    void SetDriveType(char letter, DriveType type);
    void SetWindowsFolder(std::string path);  // empty: WindowsFolder() throws
    void SetExecutableFolder(std::string path);
    std::vector<std::uint8_t> Content(std::string_view path) const;  // empty when missing
    std::string Text(std::string_view path) const;

    // Faults.
    void FailCreateFolder(std::string_view path);  // this folder cannot be made
    void LockFile(std::string_view path);          // open, rename and delete fail: in use
    void FailDelete(std::string_view path);        // only the delete fails, as for a moment's hold
    void SetFreeSpace(std::uint64_t bytes);        // writes past it fail: disk full
    // Every Flush() of any stream is counted, for tests of write-through.
    std::size_t FlushCount() const { return flushCount_; }

    bool CreatePrivateFolder(std::string_view path) override;
    // True for a folder made by CreatePrivateFolder: others cannot write there.
    bool IsPrivateFolder(std::string_view path) const;

private:
    struct Node;
    class MemoryStream;
    class MemoryEntry;
    Node* Lookup(std::string_view path) const;
    Node* ParentOf(std::string_view path, std::string* leaf) const;
    Node* Through(Node* node) const;  // a link's target, or the node itself
    Node* ContainerOf(const Node& node) const;  // the folder holding it, wherever it went
    bool DeleteRefused(std::string_view path) const;  // by a fault set for that path
    std::shared_ptr<Node> Follow(std::shared_ptr<Node> node) const;
    bool Locked(std::string_view path) const;
    bool CreateFolderNode(std::string_view path, bool privateToAdministrators);
    Node& EnsureFolder(std::string_view path);

    std::map<std::string, std::unique_ptr<Node>> drives_;  // key: upper-case letter
    std::map<char, DriveType> driveTypes_;
    std::set<std::string> failCreate_;
    std::set<std::string> locked_;
    std::set<std::string> failDelete_;
    std::string windowsFolder_ = "C:\\Windows";
    std::string executableFolder_ = "C:\\Program Files\\Tidewell\\";
    std::uint64_t freeSpace_ = UINT64_MAX;
    std::size_t flushCount_ = 0;
};

}  // namespace tw
