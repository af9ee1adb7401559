#include "splitter/piece_check.h"

namespace tw {
namespace {

constexpr std::string_view kCannotJoin = " The pieces cannot be joined.";

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The lowest index found in the folder past the end of the set, if any.
std::optional<std::uint64_t> PieceAfterGap(const FileSystem& files, const PieceSet& set) {
    std::optional<std::uint64_t> first;
    for (const FoundFile& found : files.Find(set.folder + set.joinedName + ".*")) {
        const auto index = PieceIndexOf(found.name, set.joinedName);
        if (found.IsFolder() || !index || *index < set.count) continue;
        if (!first || *index < *first) first = index;
    }
    return first;
}

}  // namespace

std::optional<std::string> PieceSetRefusal(const FileSystem& files, const PieceSet& set) {
    if (const auto later = PieceAfterGap(files, set))
        return "The piece " + Quoted(set.PiecePath(*later)) + " follows the missing piece " +
               Quoted(PieceName(set.joinedName, set.count)) + "." + std::string(kCannotJoin);
    const std::uint64_t first = set.sizes.front();
    for (std::uint64_t index = 1; index + 1 < set.count; ++index) {
        if (set.sizes[index] == first) continue;
        return "The piece " + Quoted(set.PiecePath(index)) + " is " + std::to_string(set.sizes[index]) +
               " bytes, but every piece before the last must be " + std::to_string(first) + " bytes, as " +
               Quoted(PieceName(set.joinedName, 0)) + " is." + std::string(kCannotJoin);
    }
    if (set.sizes.back() > first)
        return "The last piece " + Quoted(set.PiecePath(set.count - 1)) + " is larger than the first, " +
               Quoted(PieceName(set.joinedName, 0)) + "." + std::string(kCannotJoin);
    return std::nullopt;
}

}  // namespace tw
