#include "startup_manager/startup_backup.h"

#include "platform/error.h"
#include "platform/text.h"
#include "services/export_format.h"
#include "services/registry_export.h"
#include "startup_manager/shortcut_backup.h"
#include "startup_manager/startup_moves.h"

namespace tw {
namespace {

constexpr std::string_view kCannotCarry =
    "The startup item '%s' cannot be saved in a backup file, so it was left as it is.";
constexpr std::string_view kCannotRead = "Could not read '%s' to back it up. Nothing was changed.";
constexpr std::string_view kNotABackup = "'%s' is not a backup of a startup shortcut.";
constexpr std::string_view kNotAStartupFolder =
    "The shortcut came from '%s', which is not a startup folder here. Nothing was restored.";
constexpr std::string_view kFolderReplaced =
    "The folder '%s' is not the one the shortcut came from. Nothing was restored.";
constexpr std::string_view kFileThere =
    "'%s' is there already. Remove that startup item first if the saved one should take its place; nothing was "
    "restored.";

std::optional<RegValue> MarkOf(const StartupStore& store, const StartupLocation& location, std::string_view name) {
    if (location.approvedKey.empty()) return std::nullopt;
    return store.registry.ReadValue(location.ApprovedRoot(), location.approvedKey, name);
}

void AddValueSection(ExportBuffer& buffer, const Registry& registry, RootKey root, std::string_view key,
                     std::string_view name) {
    buffer.AddLine(KeyLine(root, key));
    WriteValueLine(buffer, registry, root, key, name);
    buffer.AddLine("");
}

// A 32-bit-view value is named by its real place below WOW6432Node, where
// the registry editor writes it back into that view.
void BackUpValue(const StartupStore& store, const StartupLocation& location, bool enabledHome,
                 std::string_view name) {
    const std::string_view key = enabledHome ? location.enabledKey : location.disabledKey;
    if (!store.backups || !store.registry.ReadValue(location.root, key, name)) return;
    if (!RegistryFileCanCarry(name)) throw Error(FormatText(kCannotCarry, name));
    ExportBuffer buffer;
    buffer.AddHeader();
    AddValueSection(buffer, store.registry, location.root, key, name);
    if (MarkOf(store, location, name))
        AddValueSection(buffer, store.registry, location.ApprovedRoot(), location.approvedKey, name);
    store.backups->Save(buffer);
}

std::vector<std::uint8_t> ReadWhole(Stream& stream) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Size()));
    bytes.resize(stream.Read(bytes));
    return bytes;
}

std::optional<FileIdentity> BackUpShortcut(const StartupStore& store, const StartupLocation& location,
                                           bool enabledHome, std::string_view fileName) {
    const std::string root = StartupFolderOf(store, location.text);
    if (root.empty()) return std::nullopt;
    std::string folder = enabledHome ? EnabledFolder(root) : DisabledFolder(root);
    const std::string path = folder + std::string(fileName);
    const auto identity = store.files.Identity(path);
    if (!identity || !store.files.FileExists(path)) return std::nullopt;
    if (!store.backups) return identity;
    ShortcutBackup backup;
    try {
        // The entry itself, never what a link at its name leads to.
        const auto entry = store.files.OpenEntry(path, identity, EntryAccess::Overwrite);
        backup.bytes = ReadWhole(entry->Contents());
    } catch (const Error&) {
        throw Error(FormatText(kCannotRead, path));
    }
    folder.pop_back();
    backup.location = location.text;
    backup.folder = folder;
    backup.fileName = fileName;
    backup.folderIdentity = store.files.Identity(folder);
    if (const auto mark = MarkOf(store, location, fileName)) backup.mark = mark->data;
    store.backups->SaveBytes(kShortcutBackupExtension, EncodeShortcutBackup(backup));
    return identity;
}

bool SameFolder(std::string_view a, std::string_view b) {
    return EqualsIgnoreCase(WithTrailingBackslash(a), WithTrailingBackslash(b));
}

}  // namespace

std::optional<FileIdentity> BackUpStartupEntry(const StartupStore& store, const StartupLocation& location,
                                               bool enabledHome, std::string_view name) {
    if (location.IsFolder()) return BackUpShortcut(store, location, enabledHome, name);
    BackUpValue(store, location, enabledHome, name);
    return std::nullopt;
}

StartupBackups::StartupBackups(const Platform& platform)
    : BackupStore(platform, kStartupBackups),
      registry_(platform.registry),
      files_(platform.files),
      shell_(platform.shell) {}

std::vector<BackupFile> StartupBackups::List() const {
    std::vector<BackupFile> rows = BackupStore::List();
    for (BackupFile& row : ListOf(kShortcutBackupExtension)) rows.push_back(std::move(row));
    return rows;
}

void StartupBackups::Restore(std::string_view fileName, RandomSource& random, OwnerWindow owner) {
    if (EndsWithIgnoreCase(fileName, kShortcutBackupExtension))
        RestoreShortcut(fileName);
    else
        BackupStore::Restore(fileName, random, owner);
}

// The Startup folders are written by their users without administrator
// rights: anything may be in the way by now, a file of the name or a link
// in place of the folder. The copy goes only into the folder it came from,
// as a new file.
void StartupBackups::RestoreShortcut(std::string_view fileName) {
    std::optional<ShortcutBackup> backup;
    try {
        const auto stream = files_.Open(PathOf(fileName), OpenMode::Read, Share::Read);
        backup = DecodeShortcutBackup(ReadWhole(*stream));
    } catch (const Error&) {
    }
    const StartupLocation* location = backup ? FindStartupLocation(backup->location) : nullptr;
    if (!location || !location->IsFolder()) throw Error(FormatText(kNotABackup, fileName));
    const std::string root = shell_.SpecialFolderPath(location->csidl);
    const bool enabledHome = !root.empty() && SameFolder(backup->folder, EnabledFolder(root));
    if (!enabledHome && (root.empty() || !SameFolder(backup->folder, DisabledFolder(root))))
        throw Error(FormatText(kNotAStartupFolder, backup->folder));
    // Windows ignores the disabled folder, so one made anew there can start
    // nothing; the startup folder itself is always there.
    if (!files_.FolderExists(backup->folder)) {
        if (enabledHome || !files_.CreateFolder(backup->folder)) throw Error("Cannot create Startup Directory");
    } else if (backup->folderIdentity && files_.Identity(backup->folder) != backup->folderIdentity) {
        throw Error(FormatText(kFolderReplaced, backup->folder));
    }
    const std::string path = WithTrailingBackslash(backup->folder) + backup->fileName;
    std::unique_ptr<Stream> copy;
    try {
        copy = files_.Open(path, OpenMode::CreateNew, Share::Exclusive);
    } catch (const Error&) {
        if (files_.Attributes(path)) throw Error(FormatText(kFileThere, path));
        throw;
    }
    try {
        copy->Write(backup->bytes);
        copy->Flush();
    } catch (...) {
        copy.reset();
        files_.DeleteFile(path);
        throw;
    }
    copy.reset();
    if (backup->mark && !registry_.WriteValue(location->ApprovedRoot(), location->approvedKey, backup->fileName,
                                              RegValue::Binary(*backup->mark)))
        throw Error(FormatText("Failed to set data for '%s'", backup->fileName));
}

}  // namespace tw
