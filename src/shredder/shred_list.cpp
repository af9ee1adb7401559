#include "shredder/shred_list.h"

#include <algorithm>

#include "platform/text.h"

namespace tw {

std::vector<std::string> ShredList::Paths() const {
    std::vector<std::string> paths;
    for (const auto& file : files_) paths.push_back(file.path);
    return paths;
}

bool ShredList::Add(std::string_view path, const FileIdentity& identity) {
    const bool listed = std::any_of(files_.begin(), files_.end(),
                                    [&](const ListedFile& f) { return EqualsIgnoreCase(f.path, path); });
    if (listed) return false;
    files_.push_back({std::string(path), identity});
    return true;
}

std::size_t ShredList::AddExistingFiles(const FileSystem& files, const std::vector<std::string>& paths) {
    std::size_t added = 0;
    for (const auto& path : paths) {
        if (!files.FileExists(path)) continue;
        const auto identity = files.Identity(path);
        if (identity && Add(path, *identity)) ++added;
    }
    return added;
}

void ShredList::Remove(std::size_t row) {
    if (row < files_.size()) files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(row));
}

void ShredBottomUp(ShredList& list, const std::function<void(const ListedFile&)>& shredOne,
                   const std::function<void()>& rowDone) {
    while (!list.Empty()) {
        const std::size_t last = list.Count() - 1;
        shredOne(list.File(last));
        list.Remove(last);
        if (rowDone) rowDone();
    }
}

std::uint64_t PassBytes(const FileSystem& files, const std::vector<std::string>& paths, const WipeAlgorithm& algorithm) {
    std::uint64_t total = 0;
    for (const auto& path : paths)
        for (const auto& found : files.Find(path)) total += found.size;
    return total * algorithm.passes.size();
}

}  // namespace tw
