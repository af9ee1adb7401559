#include "shredder/file_shredder.h"

#include "platform/error.h"
#include "shredder/pass_writer.h"

namespace tw {
namespace {

// Overwriting a link would overwrite the file or folder it points at, which
// the user never listed.
void RefuseLink(const FileSystem& files, std::string_view path) {
    const auto attributes = files.Attributes(path);
    if (attributes && (*attributes & FileAttr::ReparsePoint)) throw Error(FormatText(kLinkRefused, path));
}

// The file the user listed and the system's reason, as the splitter words
// its failures.
Error Failure(std::string_view path, std::string_view reason) {
    return Error(FormatText(kCannotShred, path) + std::string(reason));
}

// The entry of the listed file, opened to be overwritten, renamed and
// deleted, and only when it is still the file that was added.
std::unique_ptr<FileEntry> OpenListed(FileSystem& files, const ListedFile& file, bool rename) {
    std::unique_ptr<FileEntry> entry;
    try {
        entry = files.OpenEntry(file.path, file.identity, EntryAccess::Overwrite);
    } catch (const Error& e) {
        // Only a file that is really gone "cannot be found"; the others are
        // named with the system's reason.
        if (rename && !files.FileExists(file.path)) throw Error(FormatText(kRenameFailed, file.path));
        throw Failure(file.path, e.what());
    }
    if (!entry) throw Error(FormatText(kNotTheListedFile, file.path));
    return entry;
}

std::string NamePart(std::string_view path) { return std::string(path.substr(FolderPart(path).size())); }

}  // namespace

void ShredFile(FileSystem& files, RandomSource& random, const ListedFile& file, const ShredOptions& options,
               RunProgress& progress) {
    const std::string& path = file.path;
    RefuseLink(files, path);
    const auto entry = OpenListed(files, file, options.rename);
    const std::string target = options.rename ? FolderPart(path) + std::string(kShredTempName) : path;
    if (options.rename && !entry->Rename(kShredTempName)) {
        if (files.FileExists(target)) throw Failure(path, FormatText(kTempNameTaken, kShredTempName));
        throw Failure(path, "It cannot be renamed.");
    }
    // The row keeps the file's own name, so a file that is not gone gets it
    // back; otherwise the next attempt would find a "$000000.tmp" in its way.
    const auto nameBack = [&] { return !options.rename || entry->Rename(NamePart(path)); };
    PassWriter writer(random, progress, options.written);
    try {
        for (const WipePass& pass : options.algorithm.passes) writer.Overwrite(entry->Contents(), pass);
    } catch (const Error& e) {
        nameBack();
        throw Failure(path, e.what());
    }
    if (entry->Delete()) return;
    throw Error(FormatText(kDeleteFailed, nameBack() ? path : target));
}

}  // namespace tw
