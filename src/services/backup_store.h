#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/random.h"
#include "services/export_buffer.h"
#include "services/prompter.h"

namespace tw {

// The tools' folders below the program folder.
inline constexpr std::string_view kRegCleanBackups = "Backups\\RegClean";
inline constexpr std::string_view kInternetBackups = "Backups\\Internet";

// "07-December-2026 - 02.05.09 PM.reg" from the local time, with the
// locale's month name and AM/PM designator.
std::string BackupFileName(const System& system);

struct BackupFile {
    std::string fileName;     // "x.reg"
    std::string displayText;  // the name without its last four characters
};

// One tool's folder of registry export files: save, list, restore through
// the shell's "open", remove.
class BackupStore {
public:
    // toolFolder is relative to the program folder, e.g. kRegCleanBackups.
    BackupStore(const Platform& platform, std::string_view toolFolder);
    virtual ~BackupStore() = default;

    // Full path of the tool's folder, without a trailing backslash.
    std::string Folder() const;

    // Writes the buffer under a new name and returns the name. A backup is
    // never replaced: when the name is taken (two saves in one second),
    // " (2)", " (3)", ... go before ".reg". Throws tw::Error "Cannot create Backup Directory"
    // before writing anything when a folder cannot be made, or with the
    // OS's text when the file cannot be written; no partial file is left.
    std::string Save(const ExportBuffer& buffer);
    // The same for a backup of another kind, whose file name ends in
    // `extension` (".reg" for the buffer's).
    std::string SaveBytes(std::string_view extension, const std::vector<std::uint8_t>& bytes);

    // The "*.reg" files (any case) in the order the file system gives them.
    virtual std::vector<BackupFile> List() const;

    // Copies the file, under its own name, into a new folder of its own in
    // the Windows folder's "Temp" folder and asks the shell to open the copy;
    // the registry editor does the rest. Every user may write to "Temp", and
    // the editor imports with administrator rights, so the copy is a file
    // only this call has made, in a folder only administrators can open,
    // whose name random draws; nothing already in "Temp" is ever written.
    // Throws tw::Error "Cannot create Restore Directory" when that folder or
    // "Temp" cannot be made. A failed copy or open is not reported. Copies
    // stay, as the editor may still be reading one after the window closed.
    virtual void Restore(std::string_view fileName, RandomSource& random, OwnerWindow owner);
    // Restore of the selected row; without one, a notice asks for one.
    void RestoreSelected(const std::optional<std::string>& fileName, Prompter& prompter, RandomSource& random,
                         OwnerWindow owner);

    // Each asks first; true on OK, when the list needs filling again (a
    // delete that fails is skipped silently). Without a selection, or
    // without files, nothing is asked.
    bool Remove(const std::optional<std::string>& fileName, Prompter& prompter);
    bool RemoveAll(Prompter& prompter);

protected:
    std::string PathOf(std::string_view fileName) const;
    // The files of the folder whose names end in `extension` (any case).
    std::vector<BackupFile> ListOf(std::string_view extension) const;

private:
    std::string FreeName(std::string_view stem, std::string_view extension) const;
    void EnsureBackupFolders();
    void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

    FileSystem& files_;
    Shell& shell_;
    const System& system_;
    std::string toolFolder_;
};

}  // namespace tw
