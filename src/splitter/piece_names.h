#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace tw {

// "report.doc" and 3 give "report.doc.00003": at least five digits.
std::string PieceName(std::string_view sourceName, std::uint64_t index);

// The name after the last "\" or ":" of a path.
std::string FileNamePart(std::string_view path);

// The name a set of pieces joins into: the chosen piece's file name without
// its last extension, so "C:\x\report.doc.00003" gives "report.doc".
std::string JoinedName(std::string_view piecePath);

// The piece index that a file name carries when it is exactly the name
// PieceName gives `joinedName` for it, letter case aside.
std::optional<std::uint64_t> PieceIndexOf(std::string_view name, std::string_view joinedName);

// What the join page shows about the set a chosen piece belongs to. The set
// runs from index 00000 up to the first index that is missing.
struct PieceSet {
    std::string folder;      // the chosen piece's folder, with its trailing "\"
    std::string joinedName;  // see JoinedName
    std::uint64_t count = 0;
    std::uint64_t totalSize = 0;
    std::vector<std::uint64_t> sizes;  // of each piece, in index order

    std::string PiecePath(std::uint64_t index) const { return folder + PieceName(joinedName, index); }
};
PieceSet FindPieceSet(const FileSystem& files, std::string_view piecePath);

}  // namespace tw
