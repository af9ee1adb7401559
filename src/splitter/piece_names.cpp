#include "splitter/piece_names.h"

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

PieceSet FindPieceSet(const FileSystem& files, std::string_view piecePath) {
    PieceSet set{FolderPart(piecePath), JoinedName(piecePath)};
    for (;; ++set.count) {
        const std::string path = set.PiecePath(set.count);
        if (!files.FileExists(path)) break;
        // Find gives the 64-bit size without opening the piece, so a piece
        // that is in use elsewhere still counts.
        const auto found = files.Find(path);
        if (!found.empty()) set.totalSize += found.front().size;
    }
    return set;
}

}  // namespace tw
