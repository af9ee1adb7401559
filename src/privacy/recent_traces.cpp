#include "privacy/recent_traces.h"

#include "platform/error.h"

namespace tw {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// "C:\..." or "\\server\share...": a pattern built on anything else would be
// resolved against the current folder, which is nobody's Recent folder.
bool IsAbsoluteFolder(std::string_view path) {
    const bool drive = path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == ':' && path[2] == '\\';
    const bool share = path.size() >= 3 && path.substr(0, 2) == "\\\\" && path[2] != '\\';
    return drive || share;
}

// A Recent folder redirected by a junction or link would lead the deletes
// into whatever folder it points at.
bool IsRealFolder(const FileSystem& files, std::string_view path) {
    const auto attributes = files.Attributes(path);
    return attributes && (*attributes & FileAttr::Directory) && !(*attributes & FileAttr::ReparsePoint);
}

// Found and deleted in one step, so there is no earlier identity to hold it
// to: the entry is opened itself, and deleted through that very handle only
// when it is a plain file, never a folder or a link to anything.
void DeletePlainFile(FileSystem& files, const std::string& path) {
    try {
        const auto entry = files.OpenEntry(path, std::nullopt, EntryAccess::Delete);
        if (!(entry->Attributes() & (FileAttr::Directory | FileAttr::ReparsePoint))) entry->Delete();
    } catch (const Error&) {
        // In use or gone: left, as any file that cannot be deleted.
    }
}

}  // namespace

std::string CleanRecentFolder(const Shell& shell, FileSystem& files) {
    const std::string folder = shell.SpecialFolderPath(Csidl::Recent);
    if (!IsAbsoluteFolder(folder) || !IsRealFolder(files, folder)) return {};
    const std::string prefix = WithTrailingBackslash(folder);
    for (const FoundFile& entry : files.Find(prefix + "*.*"))
        if (!entry.IsFolder()) DeletePlainFile(files, prefix + entry.name);
    return folder;
}

void ClearRecentDocs(Registry& registry) {
    const auto keyPath = std::string(kRecentDocsKey);
    for (const std::string& name : registry.SubKeyNames(kCurrentUser, keyPath).value_or(std::vector<std::string>{}))
        registry.DeleteKeyTree(kCurrentUser, keyPath + "\\" + name);
    for (const std::string& name : registry.ValueNames(kCurrentUser, keyPath).value_or(std::vector<std::string>{}))
        registry.DeleteValue(kCurrentUser, keyPath, name);
}

}  // namespace tw
