#include "services/backup_store.h"

#include "platform/error.h"
#include "platform/text.h"
#include "services/private_copy.h"

namespace tw {
namespace {

constexpr std::string_view kBackupsFolder = "Backups";

bool EnsureFolder(FileSystem& files, const std::string& path) {
    return files.FolderExists(path) || files.CreateFolder(path);
}

}  // namespace

BackupStore::BackupStore(const Platform& platform, std::string_view toolFolder)
    : files_(platform.files), shell_(platform.shell), system_(platform.system), toolFolder_(toolFolder) {}

std::string BackupStore::Folder() const {
    return files_.ExecutableFolder() + toolFolder_;
}

std::string BackupStore::PathOf(std::string_view fileName) const {
    return Folder() + "\\" + std::string(fileName);
}

void BackupStore::EnsureBackupFolders() {
    const std::string programFolder = files_.ExecutableFolder();
    if (!EnsureFolder(files_, programFolder + std::string(kBackupsFolder)) || !EnsureFolder(files_, Folder())) {
        throw Error("Cannot create Backup Directory");
    }
}

void BackupStore::WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // Never through a name something else took meanwhile.
    std::unique_ptr<Stream> stream = files_.Open(path, OpenMode::CreateNew, Share::Exclusive);
    try {
        stream->Write(bytes);
        // On disk before the caller deletes what the file records.
        stream->Flush();
    } catch (...) {
        stream.reset();
        files_.DeleteFile(path);
        throw;
    }
}

std::string BackupStore::FreeName(std::string_view stem, std::string_view extension) const {
    std::string name = std::string(stem) + std::string(extension);
    for (int number = 2; files_.Attributes(PathOf(name)).has_value(); ++number) {
        name = std::string(stem) + " (" + std::to_string(number) + ")" + std::string(extension);
    }
    return name;
}

std::string BackupStore::Save(const ExportBuffer& buffer) { return SaveBytes(".reg", buffer.FileBytes(system_)); }

std::string BackupStore::SaveBytes(std::string_view extension, const std::vector<std::uint8_t>& bytes) {
    EnsureBackupFolders();
    std::string stem = BackupFileName(system_);
    stem.resize(stem.size() - 4);  // its ".reg"
    const std::string fileName = FreeName(stem, extension);
    WriteFile(PathOf(fileName), bytes);
    return fileName;
}

std::vector<BackupFile> BackupStore::List() const { return ListOf(".reg"); }

std::vector<BackupFile> BackupStore::ListOf(std::string_view extension) const {
    std::vector<BackupFile> rows;
    std::string pattern = "*";
    pattern += extension;
    for (const FoundFile& found : files_.Find(PathOf(pattern))) {
        // The file system's own match also takes names whose short 8.3 form
        // ends in .reg ("x.regx"); only the long name counts.
        if (found.IsFolder() || !EndsWithIgnoreCase(found.name, extension)) continue;
        rows.push_back({found.name, found.name.substr(0, found.name.size() - extension.size())});
    }
    return rows;
}

void BackupStore::Restore(std::string_view fileName, RandomSource& random, OwnerWindow owner) {
    const std::string restoreArea = WithTrailingBackslash(files_.WindowsFolder()) + "Temp";
    if (!EnsureFolder(files_, restoreArea)) throw Error("Cannot create Restore Directory");
    const std::optional<std::string> folder = NewPrivateFolder(files_, random, restoreArea);
    if (!folder) throw Error("Cannot create Restore Directory");
    // The editor's question names the file, so the copy keeps the backup's name.
    const std::string copy = *folder + "\\" + std::string(fileName);
    if (CopyToNewFile(files_, PathOf(fileName), copy)) {
        shell_.Open(copy, owner);
    } else {
        files_.RemoveFolder(*folder);
    }
}

void BackupStore::RestoreSelected(const std::optional<std::string>& fileName, Prompter& prompter,
                                  RandomSource& random, OwnerWindow owner) {
    if (!fileName) {
        prompter.Notify("Please select a backup file from the list.");
        return;
    }
    Restore(*fileName, random, owner);
}

// Only the files there when the question was asked go: a folder swapped for
// a link while it waits leads to other files, which are left alone.
bool BackupStore::Remove(const std::optional<std::string>& fileName, Prompter& prompter) {
    if (!fileName) return false;
    const auto asked = files_.Identity(PathOf(*fileName));
    if (!prompter.Confirm("Do you want to remove this backup file? (" + *fileName + ")")) return false;
    if (asked) DeleteVerified(files_, PathOf(*fileName), *asked);
    return true;
}

bool BackupStore::RemoveAll(Prompter& prompter) {
    std::vector<std::pair<std::string, std::optional<FileIdentity>>> asked;
    for (const BackupFile& row : List()) {
        std::string path = PathOf(row.fileName);
        auto identity = files_.Identity(path);
        asked.emplace_back(std::move(path), identity);
    }
    if (asked.empty()) return false;
    if (!prompter.Confirm("Do you want to remove all backup files?")) return false;
    for (const auto& [path, identity] : asked)
        if (identity) DeleteVerified(files_, path, *identity);
    return true;
}

}  // namespace tw
