#include "platform/win32/file_system_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/handles_win.h"
#include "platform/win32/utf_win.h"

// After windows.h, which it needs but does not include.
#include <sddl.h>
#include <winternl.h>

namespace tw {
namespace {

using win32::ApiPath;
using win32::Narrow;
using win32::ThrowLastError;
using win32::Widen;

class Win32Stream final : public Stream {
public:
    explicit Win32Stream(win32::UniqueFile file) : file_(std::move(file)) {}

    std::size_t Read(std::span<std::uint8_t> buffer) override {
        std::size_t total = 0;
        while (total < buffer.size()) {
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - total, 1u << 30));
            DWORD got = 0;
            if (!ReadFile(file_.Get(), buffer.data() + total, want, &got, nullptr)) ThrowLastError();
            if (got == 0) break;
            total += got;
        }
        return total;
    }

    void Write(std::span<const std::uint8_t> bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
            DWORD wrote = 0;
            if (!WriteFile(file_.Get(), bytes.data() + done, want, &wrote, nullptr)) ThrowLastError();
            if (wrote == 0) win32::ThrowError(ERROR_WRITE_FAULT);
            done += wrote;
        }
    }

    std::uint64_t Size() const override {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file_.Get(), &size)) ThrowLastError();
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    void Seek(std::uint64_t position) override {
        LARGE_INTEGER distance{};
        distance.QuadPart = static_cast<LONGLONG>(position);
        if (!SetFilePointerEx(file_.Get(), distance, nullptr, FILE_BEGIN)) ThrowLastError();
    }

    void Flush() override {
        if (!FlushFileBuffers(file_.Get())) ThrowLastError();
    }

    HANDLE Handle() const { return file_.Get(); }

private:
    win32::UniqueFile file_;
};

DWORD AttributesOf(std::string_view path) { return GetFileAttributesW(ApiPath(path).c_str()); }

DWORD DispositionFor(OpenMode mode) {
    // A new file is made with CREATE_NEW first: truncating a file that does
    // not exist yet costs a slow close on some file systems (Wine on ext4).
    return mode == OpenMode::Create || mode == OpenMode::CreateNew ? CREATE_NEW : OPEN_EXISTING;
}

// Opened with FILE_FLAG_OPEN_REPARSE_POINT, a link is the handle's own file,
// so what it points at is never reached.
constexpr DWORD kStoppedOnSymlink = 681;  // ERROR_STOPPED_ON_SYMLINK, missing from MinGW's headers

void RefuseLink(const win32::UniqueFile& file) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file.Get(), &information)) ThrowLastError();
    if (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) win32::ThrowError(kStoppedOnSymlink);
}

// The 64-bit index and the 32-bit serial, as a folder's listing gives them
// too, so an identity read from the listing compares with one read here.
FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& information) {
    return FileIdentity{information.dwVolumeSerialNumber, 0,
                        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Appends one buffer of a folder's listing.
void AppendListed(const std::uint8_t* at, std::uint64_t volume, std::vector<FoundFile>& found) {
    for (;;) {
        const auto* entry = reinterpret_cast<const FILE_ID_FULL_DIR_INFORMATION*>(at);
        const std::wstring_view name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
        if (name != L"." && name != L"..")
            found.push_back({Narrow(name), entry->FileAttributes, static_cast<std::uint64_t>(entry->EndOfFile.QuadPart),
                             FileIdentity{volume, 0, static_cast<std::uint64_t>(entry->FileId.QuadPart)}});
        if (entry->NextEntryOffset == 0) return;
        at += entry->NextEntryOffset;
    }
}

// The listing that FindFirstFileExW makes, with each entry's file ID beside
// it. The documented class that carries IDs (FileIdBothDirectoryInfo) also
// makes a short name for every entry, which measured three times slower
// under Wine; this one is the same call without them, in ntdll since NT 4.
static_assert(FileIdFullDirectoryInformation == 38);
using QueryDirectoryFile = LONG(NTAPI*)(HANDLE, HANDLE, void*, void*, IO_STATUS_BLOCK*, void*, ULONG,
                                         FILE_INFORMATION_CLASS, BOOLEAN, UNICODE_STRING*, BOOLEAN);

QueryDirectoryFile DirectoryQuery() {
    static const auto query = reinterpret_cast<QueryDirectoryFile>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryDirectoryFile")));
    return query;
}

// The NT form of a path, which a rename by handle takes whole: a bare name
// would be taken, under Wine, relative to the current folder.
std::wstring NtPath(std::string_view path) {
    const std::wstring wide = Widen(path);
    if (wide.starts_with(L"\\\\?\\")) return L"\\??\\" + wide.substr(4);
    if (wide.starts_with(L"\\\\")) return L"\\??\\UNC\\" + wide.substr(2);
    return L"\\??\\" + wide;
}

class Win32Entry final : public FileEntry {
public:
    Win32Entry(win32::UniqueFile file, DWORD attributes, std::string path)
        : stream_(std::move(file)), attributes_(attributes), path_(std::move(path)) {}

    std::uint32_t Attributes() const override { return attributes_; }

    bool Delete() override {
        FILE_DISPOSITION_INFO disposition{TRUE};
        return SetFileInformationByHandle(stream_.Handle(), FileDispositionInfo, &disposition, sizeof disposition) != 0;
    }

    // Through the handle, so it is this file that takes the name; without
    // replacing, so no other file ever loses it.
    bool Rename(std::string_view newName) override {
        std::string renamed = FolderPart(path_) + std::string(newName);
        const std::wstring target = NtPath(renamed);
        const std::size_t nameLength = target.size() * sizeof(wchar_t);
        std::vector<std::uint8_t> buffer(sizeof(FILE_RENAME_INFO) + nameLength);
        auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        rename->ReplaceIfExists = FALSE;
        rename->RootDirectory = nullptr;
        rename->FileNameLength = static_cast<DWORD>(nameLength);
        std::memcpy(rename->FileName, target.data(), nameLength);
        if (!SetFileInformationByHandle(stream_.Handle(), FileRenameInfo, rename, static_cast<DWORD>(buffer.size())))
            return false;
        path_ = std::move(renamed);
        return true;
    }

    Stream& Contents() override { return stream_; }

private:
    Win32Stream stream_;
    DWORD attributes_;
    std::string path_;  // the path it was opened by, renamed with it
};

struct EntryOpening {
    DWORD access;
    DWORD share;
};

EntryOpening OpeningFor(EntryAccess access) {
    switch (access) {
        case EntryAccess::Examine: return {FILE_READ_ATTRIBUTES, kShareAll};
        case EntryAccess::Delete: return {DELETE | FILE_READ_ATTRIBUTES, kShareAll};
        case EntryAccess::Overwrite: return {GENERIC_READ | GENERIC_WRITE | DELETE, 0};
    }
    return {FILE_READ_ATTRIBUTES, kShareAll};
}

}  // namespace

bool Win32FileSystem::FileExists(std::string_view path) const {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FolderExists(std::string_view path) const {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::CreateFolder(std::string_view path) {
    return CreateDirectoryW(ApiPath(path).c_str(), nullptr) != 0;
}

bool Win32FileSystem::CopyFile(std::string_view from, std::string_view to, bool failIfExists) {
    return CopyFileW(ApiPath(from).c_str(), ApiPath(to).c_str(), failIfExists ? TRUE : FALSE) != 0;
}

bool Win32FileSystem::MoveFile(std::string_view from, std::string_view to) {
    return MoveFileW(ApiPath(from).c_str(), ApiPath(to).c_str()) != 0;
}

void Win32FileSystem::ReplaceFile(std::string_view from, std::string_view to) {
    if (!MoveFileExW(ApiPath(from).c_str(), ApiPath(to).c_str(), MOVEFILE_REPLACE_EXISTING)) ThrowLastError();
}

bool Win32FileSystem::DeleteFile(std::string_view path) { return DeleteFileW(ApiPath(path).c_str()) != 0; }

bool Win32FileSystem::RemoveFolder(std::string_view path) {
    return RemoveDirectoryW(ApiPath(path).c_str()) != 0;
}

std::optional<std::uint32_t> Win32FileSystem::Attributes(std::string_view path) const {
    const DWORD attributes = AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

bool Win32FileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
    return SetFileAttributesW(ApiPath(path).c_str(), attributes) != 0;
}

std::vector<FoundFile> Win32FileSystem::Find(std::string_view pattern) const {
    std::vector<FoundFile> found;
    WIN32_FIND_DATAW data{};
    win32::UniqueFind find(FindFirstFileExW(ApiPath(pattern).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                            nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return found;
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        FoundFile file;
        file.name = Narrow(name);
        file.attributes = data.dwFileAttributes;
        file.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        found.push_back(std::move(file));
    } while (FindNextFileW(find.Get(), &data));
    return found;
}

std::vector<FoundFile> Win32FileSystem::ListFolder(std::string_view folder, std::optional<std::uint64_t> knownVolume) const {
    std::vector<FoundFile> found;
    const QueryDirectoryFile query = DirectoryQuery();
    const win32::UniqueFile listing(CreateFileW(ApiPath(folder).c_str(), FILE_LIST_DIRECTORY | SYNCHRONIZE, kShareAll,
                                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!query || !listing) return found;
    std::uint64_t volume = 0;
    if (knownVolume) {
        volume = *knownVolume;
    } else {
        BY_HANDLE_FILE_INFORMATION information{};
        if (!GetFileInformationByHandle(listing.Get(), &information)) return found;
        volume = information.dwVolumeSerialNumber;
    }
    std::vector<std::uint64_t> buffer(8192);  // 64 KiB, aligned for the entries
    const ULONG length = static_cast<ULONG>(buffer.size() * sizeof buffer[0]);
    IO_STATUS_BLOCK status{};
    for (BOOLEAN restart = TRUE; query(listing.Get(), nullptr, nullptr, nullptr, &status, buffer.data(), length,
                                       FileIdFullDirectoryInformation, FALSE, nullptr, restart) >= 0;
         restart = FALSE)
        AppendListed(reinterpret_cast<const std::uint8_t*>(buffer.data()), volume, found);
    return found;
}

std::unique_ptr<Stream> Win32FileSystem::Open(std::string_view path, OpenMode mode, Share share) {
    const DWORD access = mode == OpenMode::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    DWORD shareMode = 0;
    if (share == Share::Read) shareMode = FILE_SHARE_READ;
    if (share == Share::ReadWrite) shareMode = FILE_SHARE_READ | FILE_SHARE_WRITE;
    // A link at the name of a new file is then an existing entry like any
    // other: CREATE_NEW fails on it instead of creating what it points at.
    const bool linkIsTheFile = mode == OpenMode::Overwrite || mode == OpenMode::CreateNew;
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | (linkIsTheFile ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    const std::wstring wide = ApiPath(path);
    auto open = [&](DWORD disposition) {
        return win32::UniqueFile(CreateFileW(wide.c_str(), access, shareMode, nullptr, disposition, flags, nullptr));
    };
    win32::UniqueFile file = open(DispositionFor(mode));
    if (!file && mode == OpenMode::Create && GetLastError() == ERROR_FILE_EXISTS) file = open(CREATE_ALWAYS);
    if (!file) ThrowLastError();
    if (mode == OpenMode::Overwrite) RefuseLink(file);
    return std::make_unique<Win32Stream>(std::move(file));
}

std::optional<FileIdentity> Win32FileSystem::Identity(std::string_view path) const {
    // Backup semantics lets a folder be opened too; with only the right to
    // read attributes it needs no privilege and never meets a share mode.
    const win32::UniqueFile file(CreateFileW(ApiPath(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                             OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                                             nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file || !GetFileInformationByHandle(file.Get(), &information)) return std::nullopt;
    return IdentityOf(information);
}

std::unique_ptr<FileEntry> Win32FileSystem::OpenEntry(std::string_view path,
                                                      const std::optional<FileIdentity>& expected,
                                                      EntryAccess access) {
    const EntryOpening opening = OpeningFor(access);
    win32::UniqueFile file(CreateFileW(ApiPath(path).c_str(), opening.access, opening.share, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) ThrowLastError();
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file.Get(), &information)) ThrowLastError();
    const DWORD attributes = information.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) win32::ThrowError(ERROR_ACCESS_DENIED);
    if (access == EntryAccess::Overwrite && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        win32::ThrowError(kStoppedOnSymlink);
    if (expected && IdentityOf(information) != *expected) return nullptr;
    return std::make_unique<Win32Entry>(std::move(file), attributes, LongPathForm(path));
}

DriveType Win32FileSystem::GetDriveType(std::string_view rootPath) const {
    switch (GetDriveTypeW(Widen(rootPath).c_str())) {
        case DRIVE_NO_ROOT_DIR: return DriveType::NoRootDir;
        case DRIVE_REMOVABLE: return DriveType::Removable;
        case DRIVE_FIXED: return DriveType::Fixed;
        case DRIVE_REMOTE: return DriveType::Remote;
        case DRIVE_CDROM: return DriveType::CdRom;
        case DRIVE_RAMDISK: return DriveType::RamDisk;
        default: return DriveType::Unknown;
    }
}

std::vector<std::string> Win32FileSystem::LogicalDrives() const {
    std::vector<std::string> drives;
    std::wstring buffer;
    DWORD needed = GetLogicalDriveStringsW(0, nullptr);
    // A drive may appear between the two calls; ask again until it fits.
    while (needed > buffer.size()) {
        buffer.assign(needed + 1, L'\0');
        needed = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (needed == 0) return drives;
    }
    for (const wchar_t* root = buffer.c_str(); *root != L'\0'; root += wcslen(root) + 1)
        drives.push_back(Narrow(root));
    return drives;
}

std::string Win32FileSystem::WindowsFolder() const {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const UINT length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length == 0) ThrowLastError();
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.assign(length + 1, L'\0');
    }
    while (buffer.size() > 1 && buffer.back() == L'\\') buffer.pop_back();
    return Narrow(buffer);
}

std::string Win32FileSystem::ExecutableFolder() const {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) ThrowLastError();
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        if (buffer.size() >= 32768) win32::ThrowError(ERROR_INSUFFICIENT_BUFFER);
        buffer.resize(buffer.size() * 2);
    }
    const std::size_t cut = buffer.find_last_of(L"\\:");
    buffer.resize(cut == std::wstring::npos ? 0 : cut + 1);
    return Narrow(buffer);
}

namespace {

struct LocalMemoryTraits : win32::NullIsNone<HLOCAL> {
    static void Close(Handle h) { LocalFree(h); }
};

// Full control for administrators and SYSTEM, inherited by what is made
// inside; protected, so nothing is inherited from the parent, where every
// user may create.
constexpr wchar_t kAdministratorsAndSystemOnly[] = L"D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";

}  // namespace

bool Win32FileSystem::CreatePrivateFolder(std::string_view path) {
    win32::Unique<LocalMemoryTraits> descriptor;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(kAdministratorsAndSystemOnly, SDDL_REVISION_1,
                                                              descriptor.Put(), nullptr))
        return false;
    SECURITY_ATTRIBUTES security{sizeof security, descriptor.Get(), FALSE};
    // Fails on any existing entry of that name, a link included, which it
    // never follows.
    return CreateDirectoryW(ApiPath(path).c_str(), &security) != 0;
}

}  // namespace tw
