#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace tw {

inline constexpr std::string_view kNoFileToJoin = "A file name must be specified to be joined.";
inline constexpr std::string_view kNotAPiece =
    "The file you have selected is not a valid file to be joined. Please select a valid file.";
// "The file: report.doc is successfully joined".
std::string JoinDoneText(std::string_view joinedName);

// What the join page holds when "&Join" is pressed.
struct JoinRequest {
    std::string piece;        // any piece of the set
    std::string destination;  // empty: beside the pieces
};

// Appends pieces 00000, 00001, ... up to the first missing index into the
// joined file, once PieceSetRefusal has found them consistent. The joined
// file replaces one of its name only when it is complete. Returns the notice
// to show, whether the join was done or refused; failures throw tw::Error
// naming the file, as SplitFile does, and leave an existing output as it was.
std::string JoinPieces(FileSystem& files, const JoinRequest& request, const std::function<void()>& pump);

}  // namespace tw
