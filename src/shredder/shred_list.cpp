#include "shredder/shred_list.h"

#include <algorithm>

#include "platform/text.h"

namespace tw {

bool ShredList::Add(std::string_view path) {
    const bool listed =
        std::any_of(paths_.begin(), paths_.end(), [&](const std::string& p) { return EqualsIgnoreCase(p, path); });
    if (listed) return false;
    paths_.emplace_back(path);
    return true;
}

std::size_t ShredList::AddExistingFiles(const FileSystem& files, const std::vector<std::string>& paths) {
    std::size_t added = 0;
    for (const auto& path : paths)
        if (files.FileExists(path) && Add(path)) ++added;
    return added;
}

void ShredList::Remove(std::size_t row) {
    if (row < paths_.size()) paths_.erase(paths_.begin() + static_cast<std::ptrdiff_t>(row));
}

void ShredBottomUp(ShredList& list, const std::function<void(const std::string&)>& shredOne,
                   const std::function<void()>& rowDone) {
    while (!list.Empty()) {
        const std::size_t last = list.Count() - 1;
        shredOne(list.Path(last));
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
