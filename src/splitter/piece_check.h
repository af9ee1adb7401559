#pragma once
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "splitter/piece_names.h"

namespace tw {

// Why a set of pieces must not be joined, or nothing when it may: every
// piece but the last is as large as piece 00000, the last no larger, and no
// piece is numbered past the first missing one. A piece past a gap is one
// that was lost, or one left from an earlier, longer split; either way the
// join would give wrong bytes. The text names the piece.
std::optional<std::string> PieceSetRefusal(const FileSystem& files, const PieceSet& set);

}  // namespace tw
