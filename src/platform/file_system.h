#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Attribute bits as Windows numbers them.
namespace FileAttr {
inline constexpr std::uint32_t ReadOnly = 0x1;
inline constexpr std::uint32_t Hidden = 0x2;
inline constexpr std::uint32_t System = 0x4;
inline constexpr std::uint32_t Directory = 0x10;
inline constexpr std::uint32_t Archive = 0x20;
inline constexpr std::uint32_t Normal = 0x80;
inline constexpr std::uint32_t ReparsePoint = 0x400;
}  // namespace FileAttr

// Which file an entry is, whatever path led to it: the volume's serial
// number and the file's ID on that volume. A rename keeps it; a new file
// (even one of the same name) gets another.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t idHigh = 0;  // 0 where the volume gives 64-bit IDs only
    std::uint64_t idLow = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

struct FoundFile {
    std::string name;  // the name only, not the path
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::optional<FileIdentity> identity = {};  // given by ListFolder only
    bool IsFolder() const { return (attributes & FileAttr::Directory) != 0; }
    bool IsReparsePoint() const { return (attributes & FileAttr::ReparsePoint) != 0; }
};

enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

enum class OpenMode {
    Read,       // existing file, read only
    ReadWrite,  // existing file, read and write
    Create,     // new or truncated file, read and write
    // New file only, read and write: whatever already has the name (a file,
    // a folder, a link, even one to nothing) makes it throw, and is never
    // opened, truncated or followed.
    CreateNew,
    // Existing file, read and write, the named file itself: a symbolic link
    // or junction is never followed, and opening one throws.
    Overwrite,
};
enum class Share { Exclusive, Read, ReadWrite };

// An open file. Every failure throws tw::Error with the OS's own text.
class Stream {
public:
    virtual ~Stream() = default;
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;  // 0 at the end
    virtual void Write(std::span<const std::uint8_t> bytes) = 0;   // all or throw
    virtual std::uint64_t Size() const = 0;
    virtual void Seek(std::uint64_t position) = 0;
    virtual void Flush() = 0;  // to the disk, not only to the OS
};

// What an entry is opened for. Examine shares everything and takes no data
// access, so it never stands in another program's way.
enum class EntryAccess {
    Examine,
    Delete,     // shares reading, writing and deletion, as a plain delete does
    Overwrite,  // read, write, rename and delete, shared with nobody
};

// A file opened as the entry itself: a link at its name is the link, never
// what it points at. Whatever is done through it is done to that very file,
// even when a folder on its path is swapped meanwhile.
class FileEntry {
public:
    virtual ~FileEntry() = default;
    virtual std::uint32_t Attributes() const = 0;
    // The file goes when this entry is closed. False when it cannot be
    // deleted (read-only, say).
    virtual bool Delete() = 0;
    // A new name in the folder that holds the file, never over another
    // file. False when the name is taken or the rename fails.
    virtual bool Rename(std::string_view newName) = 0;
    // The file's bytes; only an entry opened for Overwrite may write them.
    virtual Stream& Contents() = 0;
};

// Paths are Windows paths ("C:\dir\file.txt"), UTF-8, compared without
// regard to case. As on Windows, a symbolic link or junction is followed on
// the way to an entry and when a file is opened (OpenMode::Overwrite aside),
// while the calls that name an entry itself (Attributes, Find, MoveFile,
// DeleteFile) act on the link.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True for an existing file only; a folder of that name is false.
    virtual bool FileExists(std::string_view path) const = 0;
    virtual bool FolderExists(std::string_view path) const = 0;
    // Creates one folder whose parent exists; false when it cannot.
    virtual bool CreateFolder(std::string_view path) = 0;
    virtual bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) = 0;
    virtual bool MoveFile(std::string_view from, std::string_view to) = 0;
    // Renames a file over another of that name, which it replaces whole.
    // Throws tw::Error with the OS's text when it cannot; both files are then
    // as they were.
    virtual void ReplaceFile(std::string_view from, std::string_view to) = 0;
    // A symbolic link is deleted itself, never what it points at.
    virtual bool DeleteFile(std::string_view path) = 0;
    virtual bool RemoveFolder(std::string_view path) = 0;  // empty folders only
    // The attributes of the named entry itself, so a link shows ReparsePoint.
    virtual std::optional<std::uint32_t> Attributes(std::string_view path) const = 0;
    virtual bool SetAttributes(std::string_view path, std::uint32_t attributes) = 0;
    // Entries matching a pattern such as "C:\dir\*.reg" ("." and ".." left
    // out), in the order the file system returns them. Empty when the folder
    // is missing.
    virtual std::vector<FoundFile> Find(std::string_view pattern) const = 0;
    // Every entry of a folder, as Find(folder + "*") gives them, each with
    // its identity read from the listing itself: no entry is opened. A walk
    // that never enters a link stays on its root's volume and names it as
    // knownVolume, since asking for it at every folder costs more than the
    // listing (three times the walk under Wine); a wrong one can only make a
    // later identity check refuse the file.
    virtual std::vector<FoundFile> ListFolder(std::string_view folder,
                                              std::optional<std::uint64_t> knownVolume) const = 0;
    virtual std::unique_ptr<Stream> Open(std::string_view path, OpenMode mode, Share share) = 0;
    // The identity of the entry itself (a link's own, not its target's);
    // links on the way to it are followed. Nothing when it cannot be read.
    virtual std::optional<FileIdentity> Identity(std::string_view path) const = 0;
    // Opens the file entry at `path` without following a link at its name,
    // and gives it only when it is still `expected` (any file when nothing
    // is expected). Throws tw::Error with the OS's text when it cannot be
    // opened: missing, in use, a folder, or a link opened for Overwrite.
    virtual std::unique_ptr<FileEntry> OpenEntry(std::string_view path, const std::optional<FileIdentity>& expected,
                                                 EntryAccess access) = 0;
    virtual DriveType GetDriveType(std::string_view rootPath) const = 0;
    // Root paths such as "C:\" of the drives that exist.
    virtual std::vector<std::string> LogicalDrives() const = 0;
    // The Windows folder without a trailing backslash; throws tw::Error with
    // the OS's text when it cannot be determined.
    virtual std::string WindowsFolder() const = 0;
    // The folder of the running executable, with its trailing backslash.
    virtual std::string ExecutableFolder() const = 0;

    // A place of the program's own inside a folder every user can write to.
    // Creates one new folder, whose parent exists, that only administrators
    // and SYSTEM may open; what is made in it inherits that. False when
    // anything (a file, a folder, a link) already has the name, so a folder
    // someone else made first is never taken for ours, or when it cannot be
    // made.
    virtual bool CreatePrivateFolder(std::string_view path) = 0;
};

// "C:\a\b.txt" -> "C:\a\" (everything up to and including the last "\" or ":").
std::string FolderPart(std::string_view path);
// Adds a trailing backslash when there is none.
std::string WithTrailingBackslash(std::string_view path);
// A drive path past the classic limit in its "\\?\" form, which the file
// calls take whole; every other path as it is.
std::string LongPathForm(std::string_view path);

// Deletes the file at `path` through its own handle, only when it is still
// the `expected` one. False when it is another file, or cannot be opened or
// deleted; a link at its name is deleted itself.
bool DeleteVerified(FileSystem& files, std::string_view path, const FileIdentity& expected);

}  // namespace tw
