#include "splitter/piece_names.h"

#include <charconv>

#include "platform/text.h"

namespace tw {

std::string PieceName(std::string_view sourceName, std::uint64_t index) {
    std::string digits = std::to_string(index);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return std::string(sourceName) + "." + digits;
}

std::string FileNamePart(std::string_view path) { return std::string(path.substr(FolderPart(path).size())); }

std::string JoinedName(std::string_view piecePath) {
    const std::string name = FileNamePart(piecePath);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::optional<std::uint64_t> PieceIndexOf(std::string_view name, std::string_view joinedName) {
    if (name.size() <= joinedName.size() + 1 || name[joinedName.size()] != '.' ||
        !EqualsIgnoreCase(name.substr(0, joinedName.size()), joinedName))
        return std::nullopt;
    const std::string_view digits = name.substr(joinedName.size() + 1);
    std::uint64_t index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    // Only the canonical form counts: five digits at least, no extra zeros.
    const std::string canonical = PieceName("", index);
    const bool whole = error == std::errc() && end == digits.data() + digits.size();
    if (!whole || canonical.compare(1, std::string::npos, digits) != 0) return std::nullopt;
    return index;
}

PieceSet FindPieceSet(const FileSystem& files, std::string_view piecePath) {
    PieceSet set{FolderPart(piecePath), JoinedName(piecePath), 0, 0, {}};
    for (;; ++set.count) {
        const std::string path = set.PiecePath(set.count);
        if (!files.FileExists(path)) break;
        // Find gives the 64-bit size without opening the piece, so a piece
        // that is in use elsewhere still counts.
        const auto found = files.Find(path);
        set.sizes.push_back(found.empty() ? 0 : found.front().size);
        set.totalSize += set.sizes.back();
    }
    return set;
}

}  // namespace tw
